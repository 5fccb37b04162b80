#pragma once

#include "ScaleEngine.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSlider;
class SimDisplayServer;
class SimPtyScale;
class SimRfidServer;
class SimScaleServer;
class SimWebcamServer;

// The simulator's window: the scale's weight and state, the display's last line, the tag to send
// and the status of every simulated device.
class SimWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SimWindow(QWidget* parent = nullptr);

private:
    void setWeight(double kg);
    void refreshStatus();

    ScaleEngine m_engine;
    SimScaleServer* m_scale;
    SimPtyScale* m_pty;
    SimDisplayServer* m_display;
    SimRfidServer* m_rfid;
    SimWebcamServer* m_webcam;
    QSlider* m_slider;
    QLineEdit* m_weightEdit;
    QCheckBox* m_moving;
    QLabel* m_alibi;
    QLabel* m_scaleStatus;
    QLabel* m_displayLine;
    QPlainTextEdit* m_displayLog;
    QComboBox* m_tag;
    QLabel* m_rfidStatus;
};

#pragma once

#include "Configuration.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The page "Konfiguration": shows the configuration row and collects the operator's changes.
class ConfigPage : public QWidget
{
    Q_OBJECT
public:
    explicit ConfigPage(QWidget* parent = nullptr);

    void show(const Configuration& config);
    // The values on the page over base; false with a message text when a number field is not a number.
    bool collect(Configuration& config, QString& error) const;

    QPushButton* saveButton() const { return m_save; }
    QPushButton* captureButton() const { return m_capture; }

private:
    QLineEdit* intEdit(const char* name);

    QCheckBox *m_video, *m_rfid, *m_waage, *m_display, *m_serverfenster, *m_users;
    QCheckBox *m_singlePreview, *m_firstPrint, *m_firstPreview, *m_sumPreview;
    QComboBox* m_interface;
    QLineEdit *m_url, *m_rfidIp, *m_scalePort, *m_scaleIp, *m_displayIp, *m_displayPort, *m_number;
    QLineEdit* m_region[8];
    QPushButton *m_save, *m_capture;
};

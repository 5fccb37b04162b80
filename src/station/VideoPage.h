#pragma once

#include <QWidget>

class QLabel;
class WebcamView;

// The page "Videoansicht": the webcam page and, while photos are taken, the overlay with the weigh
// number and the weight.
class VideoPage : public QWidget
{
    Q_OBJECT
public:
    explicit VideoPage(QWidget* parent = nullptr);

    WebcamView* browser() const { return m_browser; }
    void showOverlay(qint64 number, const QString& weight);
    void hideOverlay();

private:
    WebcamView* m_browser;
    QWidget* m_panel5;
    QLabel* m_number;
    QLabel* m_weight;
};

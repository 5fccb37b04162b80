#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QWebEngineView;

// The webcam page. The browser engine starts only when a page is first opened, so a station without
// video never starts it.
class WebcamView : public QWidget
{
    Q_OBJECT
public:
    explicit WebcamView(QWidget* parent = nullptr);

    void open(const QUrl& url);
    QUrl url() const { return m_url; }
    QWebEngineView* browser() const { return m_browser; }

private:
    QLabel* m_placeholder;
    QWebEngineView* m_browser = nullptr;
    QUrl m_url;
};

#include "WebcamView.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWebEngineView>

WebcamView::WebcamView(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_placeholder = new QLabel(QStringLiteral("Keine Videoansicht konfiguriert"));
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setStyleSheet(QStringLiteral("color: #888; background: #f4f4f4;"));
    layout->addWidget(m_placeholder);
    setAccessibleName(QStringLiteral("Videoansicht"));
}

void WebcamView::open(const QUrl& url)
{
    if (!m_browser) {
        m_browser = new QWebEngineView(this);
        m_browser->setAccessibleName(QStringLiteral("Videoansicht"));
        layout()->replaceWidget(m_placeholder, m_browser);
        m_placeholder->hide();
    }
    m_url = url;
    m_browser->load(url);
}

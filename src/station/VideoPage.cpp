#include "VideoPage.h"

#include "Ui.h"
#include "WebcamView.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

VideoPage::VideoPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Videoansicht"));
    auto* vl = new QVBoxLayout(this);
    vl->setContentsMargins(0, 0, 0, 0);
    m_browser = Ui::named(new WebcamView, "WebBrowser1");
    vl->addWidget(m_browser);

    // The overlay lies inside the webcam page, so a photo region over it shows number and weight.
    auto* panel = Ui::named(new QFrame(this), "Panel5");
    panel->setStyleSheet(QStringLiteral("#Panel5 { background: rgba(255,255,255,220); }"
                                        " QLabel { font-size: 14pt; font-weight: bold; }"));
    auto* g = new QGridLayout(panel);
    m_number = Ui::named(new QLabel, "videowiegenummer");
    m_weight = Ui::named(new QLabel, "videogewicht");
    g->addWidget(Ui::buddy(QStringLiteral("Wiegenummer:"), m_number), 0, 0);
    g->addWidget(m_number, 0, 1);
    g->addWidget(Ui::buddy(QStringLiteral("Gewicht:"), m_weight), 1, 0);
    g->addWidget(m_weight, 1, 1);
    panel->setGeometry(8, 8, 300, 70);
    panel->hide();
    m_panel5 = panel;
}

void VideoPage::showOverlay(qint64 number, const QString& weight)
{
    m_number->setText(QString::number(number));
    m_weight->setText(weight + QStringLiteral(" kg"));
    m_panel5->show();
    m_panel5->raise();
}

void VideoPage::hideOverlay()
{
    m_panel5->hide();
}

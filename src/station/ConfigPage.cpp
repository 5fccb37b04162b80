#include "ConfigPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QCheckBox* check(const char* name, const QString& text)
{
    auto* c = new QCheckBox(text);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

QLineEdit* edit(const char* name)
{
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QLabel* buddy(const QString& text, QWidget* w, const char* name = nullptr)
{
    auto* l = new QLabel(text);
    l->setBuddy(w);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    return l;
}

bool readInt(const QLineEdit* e, const QString& label, int& out, QString& error)
{
    bool ok = false;
    const int v = e->text().trimmed().toInt(&ok);
    if (!ok) {
        error = QStringLiteral("Bitte bei \"%1\" eine ganze Zahl eingeben.").arg(label);
        return false;
    }
    out = v;
    return true;
}

} // namespace

QLineEdit* ConfigPage::intEdit(const char* name)
{
    QLineEdit* e = edit(name);
    e->setValidator(new QIntValidator(-1000000, 1000000000, e));
    e->setMaximumWidth(90);
    return e;
}

ConfigPage::ConfigPage(QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);

    auto* videoBox = new QGroupBox(QStringLiteral("Video"));
    auto* vg = new QGridLayout(videoBox);
    m_video = check("DBCheckBox1", QStringLiteral("Video"));
    m_url = edit("DBEdit1");
    vg->addWidget(m_video, 0, 0);
    vg->addWidget(buddy(QStringLiteral("Url:"), m_url), 0, 1);
    vg->addWidget(m_url, 0, 2, 1, 4);
    const char* headers[] = {"Höhe:", "Breite:", "X:", "Y:"};
    for (int c = 0; c < 4; ++c)
        vg->addWidget(new QLabel(QString::fromUtf8(headers[c])), 1, 2 + c);
    const char* names[] = {"DBEdit11", "DBEdit12", "DBEdit13", "DBEdit14",
                           "DBEdit15", "DBEdit16", "DBEdit17", "DBEdit18"};
    for (int r = 0; r < 2; ++r) {
        auto* rowLabel = new QLabel(r == 0 ? QStringLiteral("Webcam1") : QStringLiteral("Webcam2"));
        vg->addWidget(rowLabel, 2 + r, 0, 1, 2);
        for (int c = 0; c < 4; ++c) {
            m_region[r * 4 + c] = intEdit(names[r * 4 + c]);
            m_region[r * 4 + c]->setAccessibleName(rowLabel->text() + QLatin1Char(' ') + QString::fromUtf8(headers[c]));
            vg->addWidget(m_region[r * 4 + c], 2 + r, 2 + c);
        }
        rowLabel->setBuddy(m_region[r * 4]);
    }
    m_capture = new QPushButton(QStringLiteral("Bild_aufnehmen"));
    m_capture->setObjectName(QStringLiteral("Button16"));
    vg->addWidget(m_capture, 4, 2, 1, 2);
    grid->addWidget(videoBox, 0, 0, 1, 2);

    auto* devBox = new QGroupBox(QStringLiteral("Geräte"));
    auto* dg = new QGridLayout(devBox);
    m_rfid = check("DBCheckBox2", QStringLiteral("RFID"));
    m_rfidIp = edit("DBEdit2");
    dg->addWidget(m_rfid, 0, 0);
    dg->addWidget(buddy(QStringLiteral("IP:"), m_rfidIp), 0, 1);
    dg->addWidget(m_rfidIp, 0, 2, 1, 3);

    m_waage = check("DBCheckBox3", QStringLiteral("Waage"));
    m_interface = new QComboBox;
    m_interface->setObjectName(QStringLiteral("DBComboBox1"));
    m_interface->setEditable(true);
    m_interface->addItems({QStringLiteral("SERIELL"), QStringLiteral("TCP-IP")});
    m_scalePort = intEdit("DBEdit3");
    m_scaleIp = edit("DBEdit10");
    dg->addWidget(m_waage, 1, 0);
    dg->addWidget(buddy(QStringLiteral("Art:"), m_interface), 1, 1);
    dg->addWidget(m_interface, 1, 2);
    dg->addWidget(buddy(QStringLiteral("Port:"), m_scalePort), 1, 3);
    dg->addWidget(m_scalePort, 1, 4);
    dg->addWidget(buddy(QStringLiteral("IP:"), m_scaleIp, "Label14"), 2, 1);
    dg->addWidget(m_scaleIp, 2, 2, 1, 3);

    m_display = check("DBCheckBox4", QStringLiteral("Zusatzanzeige"));
    m_displayIp = edit("DBEdit5");
    m_displayPort = intEdit("DBEdit9");
    dg->addWidget(m_display, 3, 0);
    dg->addWidget(buddy(QStringLiteral("IP:"), m_displayIp, "Label9"), 3, 1);
    dg->addWidget(m_displayIp, 3, 2);
    dg->addWidget(buddy(QStringLiteral("Port:"), m_displayPort, "Label13"), 3, 3);
    dg->addWidget(m_displayPort, 3, 4);
    grid->addWidget(devBox, 1, 0);

    auto* printBox = new QGroupBox(QStringLiteral("Druckersteuerung"));
    auto* pg = new QVBoxLayout(printBox);
    m_singlePreview = check("DBCheckBox8", QStringLiteral("Einzelwiegungsdruck Vorschau"));
    m_firstPrint = check("DBCheckBox5", QStringLiteral("Erstwiegungsdruck"));
    m_firstPreview = check("DBCheckBox6", QStringLiteral("Erstwiegungsdruck Vorschau"));
    m_sumPreview = check("DBCheckBox7", QStringLiteral("Summendruck Vorschau"));
    for (QCheckBox* c : {m_singlePreview, m_firstPrint, m_firstPreview, m_sumPreview})
        pg->addWidget(c);
    grid->addWidget(printBox, 1, 1);

    auto* stationBox = new QGroupBox(QStringLiteral("Station"));
    auto* sg = new QGridLayout(stationBox);
    m_serverfenster = check("DBCheckBox9", QStringLiteral("Serverfenster sichtbar"));
    m_users = check("DBCheckBox10", QStringLiteral("Benutzersteuerung"));
    m_number = edit("DBEdit4");
    m_number->setValidator(new QIntValidator(0, 2000000000, m_number));
    sg->addWidget(m_serverfenster, 0, 0);
    sg->addWidget(m_users, 0, 1);
    sg->addWidget(buddy(QStringLiteral("Wiegenummer:"), m_number), 1, 0);
    sg->addWidget(m_number, 1, 1);
    grid->addWidget(stationBox, 2, 0);

    m_save = new QPushButton(QStringLiteral("Änderung speichern"));
    m_save->setObjectName(QStringLiteral("Button10"));
    m_save->setDefault(true);
    grid->addWidget(m_save, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    grid->setRowStretch(3, 1);
}

void ConfigPage::show(const Configuration& c)
{
    m_video->setChecked(c.video);
    m_url->setText(c.url_webcam);
    const int region[8] = {c.bild1_hoehe, c.bild1_breite, c.bild1_x, c.bild1_y,
                           c.bild2_hoehe, c.bild2_breite, c.bild2_x, c.bild2_y};
    for (int i = 0; i < 8; ++i)
        m_region[i]->setText(QString::number(region[i]));
    m_rfid->setChecked(c.rfid);
    m_rfidIp->setText(c.rfid_ip);
    m_waage->setChecked(c.waage);
    m_interface->setCurrentText(c.schnittstelle_waage);
    m_scalePort->setText(QString::number(c.port_waage));
    m_scaleIp->setText(c.ip_waage);
    m_display->setChecked(c.zusatzanzeige);
    m_displayIp->setText(c.ip_zusatzanzeige);
    m_displayPort->setText(QString::number(c.port_zusatzanzeige));
    m_serverfenster->setChecked(c.serverfenster);
    m_users->setChecked(c.benutzersteuerung);
    m_number->setText(QString::number(c.wiegenummer));
    m_singlePreview->setChecked(c.einzelwiegung_vorschau);
    m_firstPrint->setChecked(c.erstwiegungsdruck);
    m_firstPreview->setChecked(c.erstwiegungsdruck_vorschau);
    m_sumPreview->setChecked(c.summendruck_vorschau);
}

bool ConfigPage::collect(Configuration& c, QString& error) const
{
    int region[8];
    const char* labels[] = {"Webcam1 Höhe", "Webcam1 Breite", "Webcam1 X", "Webcam1 Y",
                            "Webcam2 Höhe", "Webcam2 Breite", "Webcam2 X", "Webcam2 Y"};
    for (int i = 0; i < 8; ++i) {
        if (!readInt(m_region[i], QString::fromUtf8(labels[i]), region[i], error))
            return false;
    }
    int scalePort = 0, displayPort = 0, number = 0;
    if (!readInt(m_scalePort, QStringLiteral("Waage Port"), scalePort, error) ||
        !readInt(m_displayPort, QStringLiteral("Zusatzanzeige Port"), displayPort, error) ||
        !readInt(m_number, QStringLiteral("Wiegenummer"), number, error))
        return false;

    c.video = m_video->isChecked();
    c.url_webcam = m_url->text();
    c.bild1_hoehe = region[0];
    c.bild1_breite = region[1];
    c.bild1_x = region[2];
    c.bild1_y = region[3];
    c.bild2_hoehe = region[4];
    c.bild2_breite = region[5];
    c.bild2_x = region[6];
    c.bild2_y = region[7];
    c.rfid = m_rfid->isChecked();
    c.rfid_ip = m_rfidIp->text();
    c.waage = m_waage->isChecked();
    c.schnittstelle_waage = m_interface->currentText();
    c.port_waage = scalePort;
    c.ip_waage = m_scaleIp->text();
    c.zusatzanzeige = m_display->isChecked();
    c.ip_zusatzanzeige = m_displayIp->text();
    c.port_zusatzanzeige = displayPort;
    c.serverfenster = m_serverfenster->isChecked();
    c.benutzersteuerung = m_users->isChecked();
    c.wiegenummer = number;
    c.einzelwiegung_vorschau = m_singlePreview->isChecked();
    c.erstwiegungsdruck = m_firstPrint->isChecked();
    c.erstwiegungsdruck_vorschau = m_firstPreview->isChecked();
    c.summendruck_vorschau = m_sumPreview->isChecked();
    return true;
}

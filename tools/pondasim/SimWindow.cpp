#include "SimWindow.h"

#include "SimDevices.h"
#include "SimPorts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

SimWindow::SimWindow(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Pondamir Simulator"));
    m_scale = new SimScaleServer(m_engine, SimPorts::Scale, this);
    m_pty = new SimPtyScale(m_engine, this);
    m_display = new SimDisplayServer(SimPorts::Display, this);
    m_rfid = new SimRfidServer(SimPorts::Rfid, this);
    m_webcam = new SimWebcamServer(SimPorts::Webcam, this);

    auto* layout = new QVBoxLayout(this);

    auto* scaleBox = new QGroupBox(QStringLiteral("Waage"));
    auto* sg = new QGridLayout(scaleBox);
    m_slider = new QSlider(Qt::Horizontal);
    m_slider->setRange(0, 60000);
    m_slider->setSingleStep(10);
    m_slider->setPageStep(1000);
    m_slider->setAccessibleName(QStringLiteral("Gewicht"));
    m_weightEdit = new QLineEdit(QStringLiteral("0"));
    m_weightEdit->setMaximumWidth(100);
    auto* weightLabel = new QLabel(QStringLiteral("Gewicht (kg):"));
    weightLabel->setBuddy(m_weightEdit);
    m_moving = new QCheckBox(QStringLiteral("in Bewegung (unstabil)"));
    m_alibi = new QLabel;
    m_scaleStatus = new QLabel;
    m_scaleStatus->setWordWrap(true);
    sg->addWidget(weightLabel, 0, 0);
    sg->addWidget(m_weightEdit, 0, 1);
    sg->addWidget(m_slider, 0, 2);
    sg->addWidget(m_moving, 1, 0, 1, 2);
    sg->addWidget(m_alibi, 1, 2);
    sg->addWidget(m_scaleStatus, 2, 0, 1, 3);
    layout->addWidget(scaleBox);

    auto* displayBox = new QGroupBox(QStringLiteral("Zusatzanzeige (Port %1)").arg(SimPorts::Display));
    auto* dg = new QVBoxLayout(displayBox);
    m_displayLine = new QLabel(QStringLiteral("—"));
    m_displayLine->setStyleSheet(QStringLiteral("background:#111; color:#f33; font: bold 28pt 'Liberation Mono';"
                                                " padding: 6px;"));
    m_displayLog = new QPlainTextEdit;
    m_displayLog->setReadOnly(true);
    m_displayLog->setMaximumBlockCount(200);
    m_displayLog->setMaximumHeight(90);
    dg->addWidget(m_displayLine);
    dg->addWidget(m_displayLog);
    layout->addWidget(displayBox);

    auto* rfidBox = new QGroupBox(QStringLiteral("RFID-Leser (Port %1)").arg(SimPorts::Rfid));
    auto* rg = new QGridLayout(rfidBox);
    m_tag = new QComboBox;
    m_tag->setEditable(true);
    m_tag->addItems({QStringLiteral("E2 00 34 12"), QStringLiteral("E2 00 56 78"), QStringLiteral("E2 00 9A BC"),
                     QStringLiteral("DE AD BE EF")});
    auto* tagLabel = new QLabel(QStringLiteral("Tag:"));
    tagLabel->setBuddy(m_tag);
    auto* send = new QPushButton(QStringLiteral("Tag senden"));
    m_rfidStatus = new QLabel;
    rg->addWidget(tagLabel, 0, 0);
    rg->addWidget(m_tag, 0, 1);
    rg->addWidget(send, 0, 2);
    rg->addWidget(m_rfidStatus, 1, 0, 1, 3);
    layout->addWidget(rfidBox);

    auto* camLabel = new QLabel(QStringLiteral("Webcam-Seite: http://127.0.0.1:%1/ %2")
                                    .arg(SimPorts::Webcam)
                                    .arg(m_webcam->isListening() ? QString() : QStringLiteral("(Port belegt!)")));
    layout->addWidget(camLabel);

    connect(m_slider, &QSlider::valueChanged, this, [this](int v) { setWeight(v); });
    connect(m_weightEdit, &QLineEdit::editingFinished, this, [this] {
        bool ok = false;
        const double v = m_weightEdit->text().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (ok)
            setWeight(v);
    });
    connect(m_moving, &QCheckBox::toggled, this, [this](bool on) { m_engine.setMoving(on); });
    connect(send, &QPushButton::clicked, this, [this] {
        m_rfidStatus->setText(m_rfid->sendTag(m_tag->currentText())
                                  ? QStringLiteral("Tag gesendet: ") + m_tag->currentText()
                                  : QStringLiteral("Kein Client verbunden."));
    });
    connect(m_display, &SimDisplayServer::lineReceived, this, [this](const QString& line) {
        // The display shows the weight field of the line it receives.
        QString weight = line;
        if (weight.startsWith(QLatin1String("ST,GS,")))
            weight = weight.mid(6);
        if (weight.endsWith(QLatin1String(",kg")))
            weight.chop(3);
        m_displayLine->setText(weight.trimmed() + QStringLiteral(" kg"));
        m_displayLog->appendPlainText(line);
    });
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &SimWindow::refreshStatus);
    timer->start(500);
    refreshStatus();
    resize(560, 520);
    move(0, 0);
}

void SimWindow::setWeight(double kg)
{
    m_engine.setWeight(kg);
    const QString text = QString::number(kg, 'f', kg == qRound64(kg) ? 0 : 1);
    if (m_weightEdit->text() != text)
        m_weightEdit->setText(text);
    const QSignalBlocker block(m_slider);
    m_slider->setValue(int(kg));
}

void SimWindow::refreshStatus()
{
    if (m_engine.weight() != m_weightEdit->text().toDouble() && !m_weightEdit->hasFocus())
        setWeight(m_engine.weight()); // "Z" zeroed it
    m_alibi->setText(QStringLiteral("letzte Alibinummer: ") +
                     (m_engine.lastAlibi() ? ScaleEngine::alibiText(m_engine.lastAlibi()) : QStringLiteral("—")));
    m_scaleStatus->setText(
        QStringLiteral("TCP Port %1: %2, %3 Anfragen beantwortet.  Seriell: %4")
            .arg(SimPorts::Scale)
            .arg(m_scale->isListening() ? QStringLiteral("%1 Verbindung(en)").arg(m_scale->clients())
                                        : QStringLiteral("Port belegt!"))
            .arg(m_scale->requests())
            .arg(m_pty->deviceName().isEmpty() ? QStringLiteral("nicht verfügbar") : m_pty->deviceName()));
    if (m_rfidStatus->text().isEmpty() || !m_rfidStatus->text().startsWith(QStringLiteral("Tag")))
        m_rfidStatus->setText(m_rfid->isListening() ? QStringLiteral("%1 Verbindung(en)").arg(m_rfid->clients())
                                                    : QStringLiteral("Port belegt!"));
}

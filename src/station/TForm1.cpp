#include "TForm1.h"

#include "AdminPage.h"
#include "ConfigPage.h"
#include "DatabaseError.h"
#include "ErrorBoundary.h"
#include "ItemWindows.h"
#include "LoginPanel.h"
#include "MessageWindow.h"
#include "Modal.h"
#include "PhotoCapture.h"
#include "PictureButton.h"
#include "Prompt.h"
#include "SearchWindows.h"
#include "SelectionGroup.h"
#include "SelectionPanel.h"
#include "Tdruck_wiegung.h"
#include "Tfirmaanlegen.h"
#include "TicketError.h"
#include "TodayListsView.h"
#include "Ui.h"
#include "VideoPage.h"
#include "WebcamView.h"
#include "WeighingCommands.h"
#include "WeighingRecorder.h"
#include "WeightDisplay.h"
#include "WeightPanel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

using ErrorBoundary::guard;

namespace {

enum Page
{
    Videoansicht = 0,
    Konfiguration = 1,
    Administration = 2
};

QFrame* panel(const char* name)
{
    auto* f = new QFrame;
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}

// Sets a memo's text only when it differs, as a change handler expects.
void setMemo(QPlainTextEdit* memo, const QString& text)
{
    if (memo->toPlainText() != text)
        memo->setPlainText(text);
}

} // namespace

TForm1::TForm1(const QString& appDir, QWidget* parent)
    : QWidget(parent), m_appDir(QDir(appDir).absolutePath()), m_devices(m_log), m_today(m_db), m_schnelleingabe(m_db)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Pondamir Version 18.011"));
    QFont f(QStringLiteral("Calibri"));
    f.setFamilies({QStringLiteral("Calibri"), QStringLiteral("Carlito")});
    f.setPointSize(10);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    buildWindow();
    wireScale();
    resize(1237, 844);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());

    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TForm1::onFocusWindowChanged);
    FormCreate();
    createDialogs();
    wireSelection();
    wireLists();
}

QString TForm1::photoDir() const
{
    return QDir(m_appDir).filePath(QStringLiteral("Dokumentation"));
}

void TForm1::createDialogs()
{
    m_firmaanlegen = new Tfirmaanlegen(m_db, photoDir(), this);
    m_firmenauswahl = new TFirmenauswahlmaske(m_db, m_selection, *m_firmaanlegen, this);
    m_druck = new Tdruck_wiegung(m_db, photoDir(), this);
    m_produktanlegen = new Tproduktanlegen(m_db, this);
    m_produktanpassen = new Tproduktanpassen(m_db, this);
    m_produktauswahl = new Tproduktauswahlmaske(m_db, m_selection, *m_produktanlegen, *m_produktanpassen, this);
    m_fahrzeuganlegen = new Tfahrzeuganlegen(m_db, this);
    m_fahrzeuganpassen = new Tfahrzeuganpassen(m_db, this);
    m_fahrzeugauswahl = new TFahrzeugauswahlmaske(m_db, m_selection, *m_fahrzeuganlegen, *m_fahrzeuganpassen, this);
}

void TForm1::wireSelection()
{
    QLabel* labels[Selection::Tara] = {m_group->firmaHand,        m_group->produktHand,     m_group->fahrzeugHand,
                                       m_group->firmaGewaehlt,    m_group->firmaAdresse,    m_group->firmaPlzOrt,
                                       m_group->firmaId,          m_group->produktGewaehlt, m_group->produktId,
                                       m_group->fahrzeugGewaehlt, m_group->fahrzeugId};
    std::vector<QLabel*> byItem(labels, labels + Selection::Tara);
    connect(&m_selection, &Selection::changed, this, [this, byItem](Selection::Item item, const QString& value) {
        if (item == Selection::Tara) {
            if (m_tara->text() != value)
                m_tara->setText(value);
        } else {
            byItem[size_t(item)]->setText(value);
        }
    });
    connect(m_tara, &QLineEdit::textChanged, this, [this](const QString& t) { m_selection.set(Selection::Tara, t); });

    QDialog* searches[3] = {m_firmenauswahl, m_produktauswahl, m_fahrzeugauswahl};
    PictureButton* openers[3] = {m_group->image1, m_group->image2, m_group->image3};
    for (int i = 0; i < 3; ++i) {
        SelectionPanel* p = m_panels[i];
        connect(openers[i], &QToolButton::clicked, this, [this, i] { openPanel(i); });
        connect(p->search, &QPushButton::clicked, this, guard([p, dialog = searches[i]] {
                    p->hide();
                    Modal::run(dialog);
                }));
        connect(p->insert, &QPushButton::clicked, this, guard([this, i] { quickEntry(i); }));
        connect(p->edit, &QLineEdit::returnPressed, this, guard([this, i] { quickEntry(i); }));
        connect(p->cancel, &QPushButton::clicked, p, &QWidget::hide);
    }
}

void TForm1::openPanel(int index)
{
    placeOverlays();
    m_panels[index]->show();
    m_panels[index]->raise();
    m_panels[index]->edit->setFocus();
}

void TForm1::quickEntry(int index)
{
    SelectionPanel* p = m_panels[index];
    const Selection::Group groups[3] = {Selection::Group::Company, Selection::Group::Product,
                                        Selection::Group::Vehicle};
    if (!m_selection.quickEntry(m_db, groups[index], p->edit->text()))
        return; // an empty text leaves the panel open
    p->hide();
    p->edit->clear();
    m_schnelleingabe.setSql(Selection::quickEntryStatement(groups[index]));
    m_schnelleingabe.open();
    m_schnelleingabeModel->reload();
}

TForm1::~TForm1() = default;

void TForm1::buildWindow()
{
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(8, 8, 8, 8);

    auto* left = new QVBoxLayout;
    m_group = new SelectionGroup;
    m_group->setFixedWidth(250);
    left->addWidget(m_group, 1);
    QFrame* panel2 = panel("Panel2");
    auto* p2 = new QVBoxLayout(panel2);
    auto* image5 = new PictureButton(QStringLiteral("Image5"), Icons::Kind::FirstWeighing,
                                     QStringLiteral("Erstwiegung"), true, 64);
    p2->addWidget(image5);
    connect(image5, &QToolButton::clicked, this, guard([this] { Image5Click(); }));
    panel2->setFixedWidth(250);
    left->addWidget(panel2);
    root->addLayout(left);

    m_centre = buildCentre();
    root->addWidget(m_centre, 1);
    root->addWidget(buildRightColumn());

    m_panels[0] = new SelectionPanel("firmenauswahl", QStringLiteral("Firmenauswahl"), "firma_einfuegen", "Button1",
                                     "Button2", "Button3", this);
    m_panels[1] = new SelectionPanel("produktauswahl", QStringLiteral("Produktauswahl"), "produkt_einfuegen", "Button4",
                                     "Button5", "Button6", this);
    m_panels[2] = new SelectionPanel("fahrzeugauswahl", QStringLiteral("Fahrzeugauswahl"), "fahrzeug_einfuegen",
                                     "Button7", "Button8", "Button9", this);
    m_login = new LoginPanel(this);

    connect(m_group->image4, &QToolButton::clicked, this, guard([this] { auswahl_zuruecksetzen(); }));
}

QWidget* TForm1::buildWeightPanel()
{
    auto* p = new WeightPanel;
    m_gewicht = p->gewicht;
    m_tara = p->tara;
    m_aus = p->aus;
    m_gewicht->setText(QStringLiteral("0"));
    m_devices.cycle().setWeight(QStringLiteral("0"));
    connect(p->image7, &QToolButton::clicked, this, guard([this] { Image7Click(); }));
    connect(p->image11, &QToolButton::clicked, this, guard([this] { Image11Click(); }));
    return p;
}

QWidget* TForm1::buildCentre()
{
    auto* centre = new QWidget;
    auto* v = new QVBoxLayout(centre);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(buildWeightPanel());

    m_anzeige = new QStackedWidget;
    m_anzeige->setObjectName(QStringLiteral("anzeige"));

    m_video = new VideoPage;
    m_anzeige->addWidget(m_video);

    m_configPage = new ConfigPage;
    m_configPage->setObjectName(QStringLiteral("Konfiguration"));
    m_anzeige->addWidget(m_configPage);
    connect(m_configPage->saveButton(), &QPushButton::clicked, this, guard([this] { Button10Click(); }));

    m_admin = new AdminPage;
    m_admin->setObjectName(QStringLiteral("Administration"));
    m_anzeige->addWidget(m_admin);
    connect(m_admin->abfragen, &QPushButton::clicked, this, guard([this] { Button17Click(); }));
    m_schnelleingabeModel = std::make_unique<QueryModel>(m_schnelleingabe, std::vector<QueryModel::Column>{});
    m_admin->schnelleingabeGrid->setModel(m_schnelleingabeModel.get());
    connect(m_configPage->captureButton(), &QPushButton::clicked, this, guard([this] { Button16Click(); }));
    v->addWidget(m_anzeige, 1);

    auto* buttons = new QHBoxLayout;
    const char* names[3] = {"videoansicht_erlauben", "konfiguration_erlauben", "administration_erlauben"};
    const char* captions[3] = {"Videoansicht", "Konfiguration", "Administration"};
    for (int i = 0; i < 3; ++i) {
        m_pageButtons[i] = new QPushButton(QString::fromLatin1(captions[i]));
        m_pageButtons[i]->setObjectName(QString::fromLatin1(names[i]));
        m_pageButtons[i]->setCheckable(true);
        m_pageButtons[i]->setAutoExclusive(true);
        connect(m_pageButtons[i], &QPushButton::clicked, this, [this, i] { showPage(i); });
        buttons->addWidget(m_pageButtons[i]);
    }
    m_pageButtons[0]->setChecked(true);
    buttons->addStretch();
    v->addLayout(buttons);

    auto* info = new QGroupBox(QStringLiteral("Information"));
    info->setObjectName(QStringLiteral("GroupBox5"));
    auto* il = new QVBoxLayout(info);
    m_fehlertext = new QLabel;
    m_fehlertext->setObjectName(QStringLiteral("Fehlertext"));
    m_fehlertext->setAccessibleName(QStringLiteral("Fehler"));
    m_fehlertext->setWordWrap(true);
    m_fehlertext->setStyleSheet(QStringLiteral("background: #d62020; color: white; font-size: 13pt;"
                                               " font-weight: bold; padding: 6px;"));
    m_fehlertext->hide();
    m_serverfenster = new MessageWindow;
    m_serverfenster->setObjectName(QStringLiteral("serverfenster"));
    m_serverfenster->setAccessibleName(QStringLiteral("Information"));
    m_serverfenster->setMaximumHeight(130);
    il->addWidget(m_fehlertext);
    il->addWidget(m_serverfenster);
    v->addWidget(info);
    connect(&m_log, &MessageLog::lineAppended, m_serverfenster, &MessageWindow::appendLine);
    return centre;
}

QWidget* TForm1::buildRightColumn()
{
    auto* right = new QWidget;
    right->setFixedWidth(372);
    auto* v = new QVBoxLayout(right);
    v->setContentsMargins(0, 0, 0, 0);
    QFrame* panel4 = panel("Panel4");
    auto* p4 = new QVBoxLayout(panel4);
    p4->addWidget(
        new PictureButton(QStringLiteral("Image9"), Icons::Kind::Evaluation, QStringLiteral("Auswertungen"), true, 40));
    // Image5 (first weighing) lies in the left column; Image6 and Image11 are created here and there.
    v->addWidget(panel4);
    m_lists = new TodayListsView(m_today);
    v->addWidget(m_lists, 1);
    QFrame* panel3 = panel("Panel3");
    auto* p3 = new QVBoxLayout(panel3);
    auto* image6 = new PictureButton(QStringLiteral("Image6"), Icons::Kind::SecondWeighing,
                                     QStringLiteral("Zweitwiegung"), true, 64);
    connect(image6, &QToolButton::clicked, this, guard([this] { Image6Click(); }));
    p3->addWidget(image6);
    v->addWidget(panel3);
    return right;
}

void TForm1::wireScale()
{
    ReadCycle& cycle = m_devices.cycle();
    connect(&cycle, &ReadCycle::weightChanged, m_gewicht, &WeightDisplay::setText);
    connect(&cycle, &ReadCycle::alibiChanged, this, [this](const QString& t) {
        if (m_admin->alibitext->text() != t)
            m_admin->alibitext->setText(t);
    });
    connect(m_admin->alibitext, &QLineEdit::textChanged, &cycle, &ReadCycle::setAlibi);
    connect(&cycle, &ReadCycle::requestChanged, this, [this](const QString& t) {
        if (m_admin->waagenanfrage->text() != t)
            m_admin->waagenanfrage->setText(t);
    });
    connect(m_admin->waagenanfrage, &QLineEdit::textChanged, &cycle, &ReadCycle::setRequest);
    connect(m_admin->gewichtsprotokoll, &QCheckBox::toggled, &cycle, &ReadCycle::setWeightLogging);
    cycle.setStoreHandler([this] { wiegung_speichern(m_admin->wiegeart->text()); });

    // A line written or pasted into a reply memo is handled like one received from the scale; the
    // handler empties the memo again.
    auto forward = [this](QPlainTextEdit* memo, void (ReadCycle::*handler)(const QString&)) {
        connect(memo, &QPlainTextEdit::textChanged, this, guard([this, memo, handler] {
                    const QString line = memo->toPlainText();
                    if (line.isEmpty())
                        return;
                    {
                        const QSignalBlocker block(memo);
                        memo->clear();
                    }
                    (m_devices.cycle().*handler)(line);
                }));
    };
    forward(m_admin->ausloeser, &ReadCycle::waage_antwort_ausloeserChange);
    forward(m_admin->laufend, &ReadCycle::waage_antwort_laufendChange);
    connect(m_admin->memo1, &QPlainTextEdit::textChanged, this,
            guard([this] { m_devices.cycle().waage_antwort_ausloeserChange(m_admin->ausloeser->toPlainText()); }));
    connect(m_admin->simulationAlibi, &QPushButton::clicked, this, guard([this] { Button13Click(); }));
}

void TForm1::showPage(int index)
{
    m_anzeige->setCurrentIndex(index);
    m_pageButtons[index]->setChecked(true);
}

void TForm1::setFehlertext(const QString& text, bool visible)
{
    m_fehlertext->setText(text);
    m_fehlertext->setVisible(visible);
}

void TForm1::FormCreate()
{
    // A failing step ends the creation; the station still opens its window.
    ErrorBoundary::run([this] { openDatabase(); });
}

void TForm1::openDatabase()
{
    m_configOpen = false;
    if (!m_db.isOpen()) {
        m_db.open(QDir(m_appDir).filePath(QStringLiteral("Data/daten.db")), true);
        ADOConnection1AfterConnect();
    }
    openKonfiguration();
}

void TForm1::ADOConnection1AfterConnect()
{
    refreshLists();
}

void TForm1::refreshLists()
{
    m_today.refreshAll();
    m_lists->reloadAll();
}

void TForm1::openKonfiguration()
{
    m_configOpen = false;
    m_config = Configuration::load(m_db);
    m_configOpen = true;
    konfigurationAfterOpen();
}

void TForm1::konfigurationAfterOpen()
{
    const Configuration& c = m_config;
    m_configPage->show(c);
    m_login->setVisible(c.benutzersteuerung);
    if (c.benutzersteuerung) {
        placeOverlays();
        m_login->raise();
    }
    m_serverfenster->setVisible(c.serverfenster);
    if (c.video)
        m_video->browser()->open(QUrl::fromUserInput(c.url_webcam));
    m_devices.apply(c);
}

void TForm1::FormActivate()
{
    showPage(Videoansicht);
    auswahl_zuruecksetzen();
    if (!m_configOpen)
        ErrorBoundary::run([this] { openDatabase(); });
}

void TForm1::Button10Click()
{
    Configuration changed = m_config;
    QString error;
    if (!m_configPage->collect(changed, error)) {
        Prompt::instance().message(error);
        return;
    }
    changed.save(m_db, changed.wiegenummer != m_config.wiegenummer);
    openKonfiguration();
}

void TForm1::Image7Click()
{
    m_devices.cycle().setRequest(QStringLiteral("Z"));
}

void TForm1::Button13Click()
{
    m_admin->wiegeart->setText(QStringLiteral("Einzelwiegung"));
    const QString weight = m_devices.cycle().weight().rightJustified(10, QLatin1Char(' '));
    setMemo(m_admin->ausloeser,
            QStringLiteral("PIDST,1,") + weight + QStringLiteral("Kg,        8300Kg,DEMO0-DEMO02 \r\n"));
}

int TForm1::photoSettleMs = 1000;

void TForm1::Button16Click()
{
    webcambilder_speichern(1234);
}

void TForm1::webcambilder_speichern(qint64 n)
{
    m_video->showOverlay(n, m_devices.cycle().weight());
    showPage(Videoansicht);
    repaint();
    // The webcam page keeps drawing during the pause; operator input and device events wait.
    QElapsedTimer wait;
    wait.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers, 20);
    } while (wait.elapsed() < photoSettleMs);
    const QList<PhotoCapture::Shot> shots =
        PhotoCapture::plan(m_config, n, m_admin->wiegeart->text(), frameGeometry().topLeft(), photoDir());
    for (const QString& problem : PhotoCapture::take(shots, photoDir()))
        m_log.append(problem);
    m_video->hideOverlay();
}

void TForm1::Button17Click()
{
    const QPoint p = frameGeometry().topLeft();
    m_admin->koordinaten->setText(QStringLiteral("%1/%2").arg(p.x()).arg(p.y()));
}

void TForm1::auswahl_zuruecksetzen()
{
    m_selection.reset();
    m_admin->graireader->clear();
    m_admin->wiegeart->clear();
    m_admin->alibitext->clear();
}

void TForm1::wireLists()
{
    connect(m_lists, &TodayListsView::ticketRequested, this, guard([this](TodayLists::List list) {
                const QString number = m_today.weighNumber(list);
                if (number.isEmpty())
                    return;
                m_druck->setWeighNumber(number);
                m_druck->preview();
            }));
    connect(m_lists, &TodayListsView::photosRequested, this, guard([this](TodayLists::List list) {
                for (const QString& file : m_today.photoFiles(list, photoDir()))
                    PhotoViewer::open(file);
            }));
    connect(m_lists, &TodayListsView::deleteRequested, this, guard([this](TodayLists::List list) {
                if (!m_today.query(list).hasCurrentRow())
                    return;
                if (!Prompt::instance().confirm(
                        QStringLiteral("Möchten Sie die Wiegung wirklich unwiederruflich löschen?")))
                    return;
                if (m_today.deleteCurrent(list))
                    m_lists->reload(list);
            }));
    connect(static_cast<QToolButton*>(m_lists->image12()), &QToolButton::clicked, this,
            guard([this] { Image12Click(); }));
}

void TForm1::Image12Click()
{
    const Query& first = m_today.query(TodayLists::Erstwiegungen);
    if (!first.hasCurrentRow())
        return;
    if (!Prompt::instance().confirm(QStringLiteral("Möchten Sie die Erstwiegung von ") +
                                    first.field(QStringLiteral("Firmagesamt")).asText() + QStringLiteral(" löschen?")))
        return;
    if (m_today.deleteCurrent(TodayLists::Erstwiegungen))
        m_lists->reload(TodayLists::Erstwiegungen);
}

void TForm1::arm(const QString& kind)
{
    setFehlertext(QString(), false);
    m_admin->wiegeart->setText(kind);
    m_devices.cycle().setRequest(QStringLiteral("PID"));
}

void TForm1::Image5Click()
{
    const QString reasons = WeighingCommands::firstReasons(m_selection, m_config.waage);
    if (!reasons.isEmpty())
        return setFehlertext(reasons, true);
    arm(QStringLiteral("Erstwiegung"));
}

void TForm1::Image6Click()
{
    const QString reasons =
        WeighingCommands::secondReasons(m_config.waage, m_today.query(TodayLists::Erstwiegungen).hasCurrentRow());
    if (!reasons.isEmpty())
        return setFehlertext(reasons, true);
    arm(QStringLiteral("Zweitwiegung"));
}

void TForm1::Image11Click()
{
    const QString reasons = WeighingCommands::singleReasons(m_selection, m_config.waage);
    if (!reasons.isEmpty())
        return setFehlertext(reasons, true);
    setFehlertext(QString(), false);
    if (m_tara->text().isEmpty()) {
        Prompt::instance().message(QStringLiteral("Es muss eine Tara bei einer Einzelwiegung eingegeben werden!"));
        return;
    }
    arm(QStringLiteral("Einzelwiegung"));
}

void TForm1::showTicket(qint64 number, bool preview)
{
    // A ticket that fails is reported; the weighing it belongs to is stored already.
    try {
        m_druck->setWeighNumber(QString::number(number));
        if (preview)
            m_druck->preview();
        else
            m_druck->print();
    } catch (const TicketError& e) {
        Prompt::instance().message(e.message());
    } catch (const DatabaseError& e) {
        Prompt::instance().message(e.text());
    }
}

void TForm1::wiegung_speichern(const QString& kind)
{
    m_log.append(kind);
    WeighingRecorder::Inputs in = WeighingRecorder::fromSelection(m_selection);
    in.weight = m_devices.cycle().weight();
    in.alibi = m_devices.cycle().alibi();
    in.rfid = m_admin->graireader->text();
    in.out = m_aus->isChecked();

    bool keepSelection = false;
    try {
        const WeighingRecorder::Stored stored = WeighingRecorder(m_db).store(
            kind, in, WeighingRecorder::openFirst(m_today.query(TodayLists::Erstwiegungen)), m_config);
        if (stored.number != 0) {
            // The weighing is stored; photo and ticket can no longer lose it.
            if (m_config.video)
                webcambilder_speichern(stored.number);
            if (stored.ticket)
                showTicket(stored.number, stored.preview);
        }
    } catch (const WeighingError& e) {
        // Nothing stored: the operator corrects the entry and weighs again with the same selection.
        Prompt::instance().message(e.message());
        keepSelection = true;
    } catch (const DatabaseError& e) {
        Prompt::instance().message(e.text());
    }
    refreshLists();
    if (!keepSelection)
        auswahl_zuruecksetzen();
    // The next request, unless one is out already (a simulated reply arrives between two real ones).
    if (m_config.waage)
        m_devices.cycle().start();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    m_devices.shutdown();
    event->accept();
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeOverlays();
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        FormActivate();
    }
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeOverlays();
}

void TForm1::placeOverlays()
{
    m_login->setGeometry(rect());
    // The entry panels lie over the page area of the centre, one beside the other.
    const QRect area(m_centre->mapTo(this, m_anzeige->geometry().topLeft()), m_anzeige->size());
    const int w = qMin(300, area.width() / 3 - 8);
    for (int i = 0; i < 3; ++i)
        m_panels[i]->setGeometry(area.left() + 8 + i * (w + 8), area.top() + 8, w, 150);
}

void TForm1::onFocusWindowChanged(QWindow* window)
{
    if (!window)
        return;
    if (window != windowHandle()) {
        m_lastOtherWindow = window;
        m_lastOtherWasModal = window->modality() != Qt::NonModal;
        return;
    }
    // Coming back from another window of the station counts as activation, coming back from a modal
    // dialog does not.
    const bool fromOurWindow = m_lastOtherWindow != nullptr;
    const bool wasModal = m_lastOtherWasModal;
    m_lastOtherWindow = nullptr;
    if (fromOurWindow && !wasModal)
        ErrorBoundary::run([this] { FormActivate(); });
}

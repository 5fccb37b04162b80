#pragma once

#include "Configuration.h"
#include "Database.h"
#include "DeviceHub.h"
#include "MessageLog.h"
#include "QueryModel.h"
#include "Selection.h"
#include "TodayLists.h"

#include <QPointer>
#include <QWidget>

class AdminPage;
class ConfigPage;
class LoginPanel;
class MessageWindow;
class PictureButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QWindow;
class SelectionGroup;
class SelectionPanel;
class TodayListsView;
class VideoPage;
class WeightDisplay;
class TFirmenauswahlmaske;
class Tproduktauswahlmaske;
class Tfirmaanlegen;
class Tfahrzeuganlegen;
class TFahrzeugauswahlmaske;
class Tfahrzeuganpassen;
class Tproduktanpassen;
class Tproduktanlegen;
class Tdruck_wiegung;

// The main window of the weighing station. Its controls hold the state of the weighing in progress
// and are named as the other windows and the tests know them; the work is done by the device hub,
// the read cycle and the other parts' logic.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    // appDir is the station's folder: Data/daten.db and Dokumentation/ lie below it.
    explicit TForm1(const QString& appDir, QWidget* parent = nullptr);
    ~TForm1() override;

    QString appDir() const { return m_appDir; }
    Database& database() { return m_db; }
    MessageLog& messageLog() { return m_log; }
    DeviceHub& devices() { return m_devices; }
    // The configuration row as read when the configuration query was last opened.
    const Configuration& configuration() const { return m_config; }
    bool isConfigurationOpen() const { return m_configOpen; }
    Selection& selection() { return m_selection; }
    QString photoDir() const;

    // The red error panel: shown with its caption, or hidden.
    void setFehlertext(const QString& text, bool visible);

    // Handlers named as the operator's actions are.
    void FormCreate();
    void FormActivate();
    void konfigurationAfterOpen();
    void Button10Click();
    void Image7Click();
    void Button13Click();
    void Button16Click();
    void Button17Click();
    // Takes the photos of weigh number n from the webcam page.
    void webcambilder_speichern(qint64 n);
    Tdruck_wiegung* ticketForm() const { return m_druck; }
    // The pause before a photo, so the overlay and the webcam picture are on the screen; tests
    // shorten it.
    static int photoSettleMs;
    void auswahl_zuruecksetzen();
    // The weighing commands: check, then arm the weighing for the scale's next reply.
    void Image5Click();
    void Image6Click();
    void Image11Click();
    // Deletes the current open first weighing after asking.
    void Image12Click();
    TodayLists& todayLists() { return m_today; }
    TodayListsView* todayListsView() const { return m_lists; }
    // Stores the weighing of kind after a triggered reply.
    void wiegung_speichern(const QString& kind);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildWindow();
    QWidget* buildWeightPanel();
    QWidget* buildCentre();
    QWidget* buildRightColumn();
    void wireScale();
    void showPage(int index);
    void openDatabase();
    void ADOConnection1AfterConnect();
    void openKonfiguration();
    void onFocusWindowChanged(QWindow* window);
    void placeOverlays();
    void createDialogs();
    void wireSelection();
    void openPanel(int index);
    void quickEntry(int index);
    void wireLists();
    void arm(const QString& kind);
    void showTicket(qint64 number, bool preview);
    void refreshLists();

    QString m_appDir;
    Database m_db;
    MessageLog m_log;
    DeviceHub m_devices;
    Configuration m_config;
    Selection m_selection;
    TodayLists m_today;
    // The quick-entry row last looked up, shown in the grid of the page "Administration".
    Query m_schnelleingabe;
    std::unique_ptr<QueryModel> m_schnelleingabeModel;
    bool m_configOpen = false;
    bool m_activatedOnce = false;
    QPointer<QWindow> m_lastOtherWindow;
    bool m_lastOtherWasModal = false;

    SelectionGroup* m_group = nullptr;
    SelectionPanel* m_panels[3] = {};
    LoginPanel* m_login = nullptr;
    WeightDisplay* m_gewicht = nullptr;
    QLineEdit* m_tara = nullptr;
    QRadioButton* m_aus = nullptr;
    QStackedWidget* m_anzeige = nullptr;
    QPushButton* m_pageButtons[3] = {};
    VideoPage* m_video = nullptr;
    ConfigPage* m_configPage = nullptr;
    AdminPage* m_admin = nullptr;
    MessageWindow* m_serverfenster = nullptr;
    QLabel* m_fehlertext = nullptr;
    TodayListsView* m_lists = nullptr;
    QWidget* m_centre = nullptr;

    // The dialogs, created once after the main window and kept for the whole run.
    TFirmenauswahlmaske* m_firmenauswahl = nullptr;
    Tproduktauswahlmaske* m_produktauswahl = nullptr;
    Tfirmaanlegen* m_firmaanlegen = nullptr;
    Tfahrzeuganlegen* m_fahrzeuganlegen = nullptr;
    TFahrzeugauswahlmaske* m_fahrzeugauswahl = nullptr;
    Tfahrzeuganpassen* m_fahrzeuganpassen = nullptr;
    Tproduktanpassen* m_produktanpassen = nullptr;
    Tproduktanlegen* m_produktanlegen = nullptr;
    Tdruck_wiegung* m_druck = nullptr;
};

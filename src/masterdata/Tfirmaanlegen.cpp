#include "Tfirmaanlegen.h"

#include "Companies.h"
#include "Database.h"
#include "DatabaseError.h"
#include "ErrorBoundary.h"
#include "PictureButton.h"
#include "Prompt.h"
#include "Ui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QResizeEvent>

using ErrorBoundary::guard;
using Ui::buddy;
using Ui::named;

namespace {

QListView* list(const char* name, const QString& accessible)
{
    auto* l = named(new QListView, name);
    l->setAccessibleName(accessible);
    l->setEditTriggers(QAbstractItemView::NoEditTriggers);
    l->setMinimumHeight(120);
    return l;
}

QLineEdit* display(const char* name)
{
    auto* e = named(new QLineEdit, name);
    e->setReadOnly(true);
    return e;
}

} // namespace

Tfirmaanlegen::Tfirmaanlegen(Database& db, const QString& photoDir, QWidget* parent)
    : QDialog(parent), m_db(db), m_photoDir(photoDir), m_firmendetails(db), m_vorzugartikel(db), m_vorzugfahrzeuge(db),
      m_verfuegbare_produkte(db), m_zugeordnete_fahrzeuge(db), m_fahrzeugstamm(db),
      m_productModel(m_verfuegbare_produkte, {{QStringLiteral("Artikelbezeichnung"), QStringLiteral("Artikel")}}),
      m_assignedModel(m_zugeordnete_fahrzeuge, {{QStringLiteral("Fahrzeugbeschreibung"), QStringLiteral("Fahrzeug")}}),
      m_vehicleModel(m_fahrzeugstamm, {{QStringLiteral("Fahrzeugbeschreibung"), QStringLiteral("Fahrzeug")}})
{
    setObjectName(QStringLiteral("firmaanlegen"));
    setWindowTitle(QStringLiteral("Firma anlegen"));
    auto* outer = new QVBoxLayout(this);

    m_art = named(new QLineEdit(this), "art");
    m_art->hide();
    connect(m_art, &QLineEdit::textChanged, this, guard([this] { artChanged(m_art->text()); }));

    auto* info = new QGroupBox(QStringLiteral("Firmeninformation"));
    auto* ig = new QGridLayout(info);
    m_name = named(new QLineEdit, "firmenname");
    m_address = named(new QLineEdit, "adresse");
    m_plz = named(new QLineEdit, "plz");
    m_ort = named(new QLineEdit, "ort");
    m_rfid = named(new QLineEdit, "rfid");
    m_trigger = named(new QComboBox, "rfid_ausloeser");
    m_trigger->setEditable(true);
    m_trigger->addItems({QStringLiteral("Einzelwiegung"), QStringLiteral("Ein-Ausfahrt")});
    m_kunde = named(new QCheckBox(QStringLiteral("Kunde")), "kunde");
    m_lieferant = named(new QCheckBox(QStringLiteral("Lieferant")), "Lieferant");
    m_inaktiv = named(new QCheckBox(QStringLiteral("Inaktiv")), "Inaktiv");
    int row = 0;
    for (auto [text, w] : {std::pair<const char*, QWidget*>{"Firmenname:", m_name},
                           {"Adresse:", m_address},
                           {"Plz.:", m_plz},
                           {"Ort:", m_ort},
                           {"RFID:", m_rfid},
                           {"RFID Auslöser:", m_trigger}}) {
        ig->addWidget(buddy(QString::fromUtf8(text), w), row, 0);
        ig->addWidget(w, row++, 1, 1, 3);
    }
    ig->addWidget(m_kunde, row, 1);
    ig->addWidget(m_lieferant, row, 2);
    ig->addWidget(m_inaktiv, row, 3);
    outer->addWidget(info);

    m_groups = new QWidget;
    auto* gl = new QHBoxLayout(m_groups);
    gl->setContentsMargins(0, 0, 0, 0);
    auto* articleBox = new QGroupBox(QStringLiteral("Artikel"));
    auto* ag = new QGridLayout(articleBox);
    m_prefArticle = display("DBEdit1");
    m_products = list("DBLookupListBox1", QStringLiteral("verfügbare Artikel"));
    m_products->setModel(&m_productModel);
    m_image1 = new PictureButton(QStringLiteral("Image1"), Icons::Kind::Product,
                                 QStringLiteral("Als bevorzugten Artikel setzen"), false, 28);
    m_image4 = new PictureButton(QStringLiteral("Image4"), Icons::Kind::Reset,
                                 QStringLiteral("Bevorzugten Artikel entfernen"), false, 28);
    ag->addWidget(buddy(QStringLiteral("bevorzugter Artikel:"), m_prefArticle), 0, 0);
    ag->addWidget(m_prefArticle, 1, 0);
    ag->addWidget(m_image4, 1, 1);
    ag->addWidget(buddy(QStringLiteral("verfügbare Artikel:"), m_products), 2, 0);
    ag->addWidget(m_products, 3, 0);
    ag->addWidget(m_image1, 3, 1, Qt::AlignTop);
    gl->addWidget(articleBox);

    auto* vehicleBox = new QGroupBox(QStringLiteral("Fahrzeuge"));
    auto* vg = new QGridLayout(vehicleBox);
    m_assigned = list("DBLookupListBox3", QStringLiteral("zugeordnete Fahrzeuge"));
    m_assigned->setModel(&m_assignedModel);
    m_vehicles = list("DBLookupListBox2", QStringLiteral("verfügbare Fahrzeuge"));
    m_vehicles->setModel(&m_vehicleModel);
    m_prefVehicle = display("DBEdit2");
    m_image2 = new PictureButton(QStringLiteral("Image2"), Icons::Kind::Vehicle, QStringLiteral("Fahrzeug zuordnen"),
                                 false, 28);
    m_image3 = new PictureButton(QStringLiteral("Image3"), Icons::Kind::Delete, QStringLiteral("Zuordnung entfernen"),
                                 false, 28);
    m_image5 = new PictureButton(QStringLiteral("Image5"), Icons::Kind::FirstWeighing,
                                 QStringLiteral("Als bevorzugtes Fahrzeug setzen"), false, 28);
    m_image6 = new PictureButton(QStringLiteral("Image6"), Icons::Kind::Reset,
                                 QStringLiteral("Bevorzugtes Fahrzeug entfernen"), false, 28);
    vg->addWidget(buddy(QStringLiteral("zugeordnete Fahrzeuge:"), m_assigned), 0, 0);
    vg->addWidget(buddy(QStringLiteral("verfügbare Fahrzeuge:"), m_vehicles), 0, 2);
    vg->addWidget(m_assigned, 1, 0, 3, 1);
    vg->addWidget(m_image2, 1, 1);
    vg->addWidget(m_image3, 2, 1);
    vg->addWidget(m_image5, 3, 1, Qt::AlignTop);
    vg->addWidget(m_vehicles, 1, 2, 3, 1);
    vg->addWidget(buddy(QStringLiteral("bevorzugtes Fahrzeug:"), m_prefVehicle), 4, 0);
    vg->addWidget(m_prefVehicle, 5, 0);
    vg->addWidget(m_image6, 5, 1);
    gl->addWidget(vehicleBox, 1);
    outer->addWidget(m_groups, 1);

    m_panel1 =
        named(new QLabel(QStringLiteral("Um Artikel und Fahrzeuge anlegen zu können, müssen Sie die Firma zuerst "
                                        "anlegen!"),
                         m_groups),
              "Panel1");
    m_panel1->setAlignment(Qt::AlignCenter);
    m_panel1->setWordWrap(true);
    m_panel1->setAutoFillBackground(true);
    m_panel1->setStyleSheet(QStringLiteral("background: #fff6d5; border: 1px solid #c8a400; font-size: 12pt;"));
    m_groups->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    m_save = named(new QPushButton(QStringLiteral("Firma anlegen")), "Button1");
    m_erase = named(new QPushButton(QStringLiteral("unwiederruflich löschen DSGVO")), "Button2");
    m_erase->setStyleSheet(QStringLiteral("color: #b00000;"));
    buttons->addWidget(m_erase);
    buttons->addStretch();
    buttons->addWidget(m_save);
    outer->addLayout(buttons);

    connect(m_save, &QPushButton::clicked, this, guard([this] { Button1Click(); }));
    connect(m_erase, &QPushButton::clicked, this, guard([this] { Button2Click(); }));
    connect(m_image1, &QToolButton::clicked, this, guard([this] { Image1Click(); }));
    connect(m_image2, &QToolButton::clicked, this, guard([this] { Image2Click(); }));
    connect(m_image3, &QToolButton::clicked, this, guard([this] { Image3Click(); }));
    connect(m_image4, &QToolButton::clicked, this, guard([this] { Image4Click(); }));
    connect(m_image5, &QToolButton::clicked, this, guard([this] { Image5Click(); }));
    connect(m_image6, &QToolButton::clicked, this, guard([this] { Image6Click(); }));
    connect(m_products, &QListView::doubleClicked, this, guard([this] { Image1Click(); }));
    connect(m_vehicles, &QListView::doubleClicked, this, guard([this] { Image2Click(); }));
    connect(m_assigned, &QListView::doubleClicked, this, guard([this] { Image3Click(); }));
    Ui::onDoubleClick(m_prefArticle, [this] { ErrorBoundary::run([this] { Image4Click(); }); });
    Ui::onDoubleClick(m_prefVehicle, [this] { ErrorBoundary::run([this] { Image6Click(); }); });
    resize(760, 560);
    updateButtons();
}

bool Tfirmaanlegen::eventFilter(QObject* watched, QEvent* event)
{
    // The notice covers both groups whatever their size.
    if (watched == m_groups && event->type() == QEvent::Resize)
        m_panel1->setGeometry(m_groups->rect());
    return QDialog::eventFilter(watched, event);
}

void Tfirmaanlegen::setArt(const QString& art)
{
    m_art->setText(art);
}

QString Tfirmaanlegen::art() const
{
    return m_art->text();
}

void Tfirmaanlegen::setTag(const QString& tag)
{
    m_rfid->setText(tag);
}

qint64 Tfirmaanlegen::companyId() const
{
    return m_firmendetails.field(QStringLiteral("id")).asInt();
}

void Tfirmaanlegen::artChanged(const QString& art)
{
    if (art.isEmpty())
        return;
    if (art == QLatin1String("neu"))
        loadNew();
    else
        loadCompany(art.toLongLong());
}

void Tfirmaanlegen::loadNew()
{
    m_panel1->setGeometry(m_groups->rect());
    m_panel1->show();
    m_panel1->raise();
    for (QLineEdit* e : {m_name, m_address, m_plz, m_ort, m_rfid})
        e->clear();
    for (QCheckBox* c : {m_kunde, m_lieferant, m_inaktiv})
        c->setChecked(false);
    m_trigger->setCurrentText(QStringLiteral("Einzelwiegung"));
    m_firmendetails.close();
    m_vorzugartikel.close();
    m_vorzugfahrzeuge.close();
    m_zugeordnete_fahrzeuge.close();
    m_verfuegbare_produkte.setSql(
        QStringLiteral(" Select * from Produktstamm where artikelbezeichnung<>'' order by artikelbezeichnung asc"));
    m_fahrzeugstamm.setSql(QStringLiteral(
        " Select * from fahrzeugstamm where fahrzeugbeschreibung<>'' order by fahrzeugbeschreibung asc"));
    openGuarded(m_verfuegbare_produkte, m_productModel, m_products);
    openGuarded(m_fahrzeugstamm, m_vehicleModel, m_vehicles);
    m_assignedModel.reload();
    m_prefArticle->clear();
    m_prefVehicle->clear();
    m_save->setText(QStringLiteral("Firma anlegen"));
    updateButtons();
}

void Tfirmaanlegen::loadCompany(qint64 id)
{
    m_panel1->hide();
    m_firmendetails.setSql(QStringLiteral("Select * from firmenstamm where id =?"), {id});
    try {
        m_firmendetails.open();
    } catch (const DatabaseError& e) {
        Prompt::instance().message(e.statement());
        return;
    }
    auto text = [this](const char* c) { return m_firmendetails.field(QString::fromLatin1(c)).asText(); };
    m_name->setText(text("Firmenname"));
    m_address->setText(text("Adresse"));
    m_plz->setText(text("plz"));
    m_ort->setText(text("ort"));
    m_rfid->setText(text("rfid"));
    m_trigger->setCurrentText(text("rfid_ausloeser"));
    m_inaktiv->setChecked(m_firmendetails.field(QStringLiteral("inaktiv")).asBool());
    bool kunde = false, lieferant = false;
    Companies::boxes(text("Kunde_Lieferant"), kunde, lieferant);
    m_kunde->setChecked(kunde);
    m_lieferant->setChecked(lieferant);
    zuordnungen_laden();
    m_save->setText(QStringLiteral("Änderung speichern"));
}

void Tfirmaanlegen::openGuarded(Query& q, QueryModel& model, QListView* view)
{
    try {
        q.open();
    } catch (const DatabaseError& e) {
        q.close();
        Prompt::instance().message(e.statement());
    }
    model.reload();
    Ui::selectRow(view, 0);
}

void Tfirmaanlegen::zuordnungen_laden()
{
    const qint64 id = companyId();
    const qint64 article = m_firmendetails.field(QStringLiteral("RFID_Material")).asInt();
    const qint64 vehicle = m_firmendetails.field(QStringLiteral("RFID_Fahrzeug")).asInt();
    auto openOne = [](Query& q, QLineEdit* shown, const char* column) {
        try {
            q.open();
            shown->setText(q.field(QString::fromLatin1(column)).asText());
        } catch (const DatabaseError& e) {
            Prompt::instance().message(e.statement());
            shown->clear();
        }
    };
    m_vorzugartikel.setSql(QStringLiteral(" Select * from Produktstamm where id =?"), {article});
    openOne(m_vorzugartikel, m_prefArticle, "Artikelbezeichnung");
    m_vorzugfahrzeuge.setSql(QStringLiteral(" Select * from fahrzeugstamm where id =?"), {vehicle});
    openOne(m_vorzugfahrzeuge, m_prefVehicle, "Fahrzeugbeschreibung");

    m_verfuegbare_produkte.clear();
    m_verfuegbare_produkte.add(QStringLiteral(" Select * from Produktstamm  "))
        .add(QStringLiteral(" where (artikelbezeichnung is not null ) and (inaktiv=0 ) and (id <>?)"))
        .add(QStringLiteral(" order by artikelbezeichnung asc"))
        .bind(article);
    openGuarded(m_verfuegbare_produkte, m_productModel, m_products);

    m_zugeordnete_fahrzeuge.clear();
    m_zugeordnete_fahrzeuge
        .add(QStringLiteral(" Select fahrzeug_zu_firma.ID as \"fahrzeug_zu_firma.ID\", fahrzeug_zu_firma.fahrzeug_id as"
                            " fahrzeug_id, fahrzeugstamm.Fahrzeugbeschreibung as Fahrzeugbeschreibung"
                            " from fahrzeug_zu_firma,fahrzeugstamm,firmenstamm"
                            " where (fahrzeug_zu_firma.fahrzeug_id=fahrzeugstamm.id) and"
                            " (fahrzeug_zu_firma.firmen_id= firmenstamm.id) "))
        .add(QStringLiteral(" and (firmen_id =?)"))
        .bind(id);
    openGuarded(m_zugeordnete_fahrzeuge, m_assignedModel, m_assigned);

    // Every active named vehicle that this company does not have yet.
    m_fahrzeugstamm.setSql(QStringLiteral("select * from fahrzeugstamm where (fahrzeugbeschreibung is not null) and"
                                          " (inaktiv=0) and  (id not in (select fahrzeug_id from fahrzeug_zu_firma"
                                          " where firmen_id=?)) order by fahrzeugbeschreibung"),
                           {id});
    openGuarded(m_fahrzeugstamm, m_vehicleModel, m_vehicles);
    updateButtons();
}

void Tfirmaanlegen::updateButtons()
{
    m_image4->setVisible(!m_prefArticle->text().isEmpty());
    m_image6->setVisible(!m_prefVehicle->text().isEmpty());
    const bool assigned = m_zugeordnete_fahrzeuge.rowCount() > 0;
    m_image3->setVisible(assigned);
    m_image5->setVisible(assigned);
}

void Tfirmaanlegen::reload()
{
    const QString id = m_art->text();
    setArt(QString());
    setArt(id);
}

void Tfirmaanlegen::Button1Click()
{
    if (!m_kunde->isChecked() && !m_lieferant->isChecked()) {
        Prompt::instance().message(QStringLiteral("Es muss Kunde oder Lieferant gewählt werden!"));
        return;
    }
    if (m_name->text().isEmpty()) {
        Prompt::instance().message(QStringLiteral("Der Firmennamen muss ausgefüllt sein!"));
        return;
    }
    Companies::Data d;
    d.name = m_name->text();
    d.address = m_address->text();
    d.plz = m_plz->text();
    d.ort = m_ort->text();
    d.rfid = m_rfid->text();
    d.trigger = m_trigger->currentText();
    d.inactive = m_inaktiv->isChecked();
    d.kunde = m_kunde->isChecked();
    d.lieferant = m_lieferant->isChecked();
    try {
        if (m_art->text() == QLatin1String("neu")) {
            const qint64 id = Companies::insert(m_db, d);
            // The row just inserted, by its own key, in edit mode; the editor stays open.
            setArt(QString());
            setArt(QString::number(id));
        } else {
            Companies::update(m_db, companyId(), d);
            accept();
        }
    } catch (const DatabaseError& e) {
        Prompt::instance().message(e.statement());
    }
}

void Tfirmaanlegen::Button2Click()
{
    if (m_art->text() == QLatin1String("neu") || !m_firmendetails.hasCurrentRow())
        return;
    if (!Prompt::instance().confirm(
            QStringLiteral("Es werden alle Datensätze von ") + m_name->text() +
            QStringLiteral(" gelöscht, dieser Vorgang kann nicht rückgängig gemacht werden!!!")))
        return;
    try {
        Companies::erase(m_db, companyId(), m_photoDir);
    } catch (const DatabaseError& e) {
        Prompt::instance().message(QStringLiteral("Die Firma wurde nicht gelöscht.\n\n") + e.text());
        return;
    }
    m_firmendetails.close();
    setArt(QString());
    accept();
}

void Tfirmaanlegen::runAssignment(const std::function<void(qint64 company)>& action)
{
    if (!m_firmendetails.hasCurrentRow())
        return;
    try {
        action(companyId());
    } catch (const DatabaseError&) {
        return; // nothing changed, nothing to reload
    }
    reload();
}

namespace {
// The key of the selected entry of a list, or throws when there is none.
qint64 selected(const QListView* view, const QueryModel& model, const Query& q, const char* column)
{
    const int row = model.queryRow(Ui::currentRow(view));
    if (row < 0)
        throw DatabaseError(QStringLiteral("Kein Eintrag gewählt."));
    return q.field(row, q.columnIndex(QString::fromLatin1(column))).asInt();
}
} // namespace

void Tfirmaanlegen::Image1Click()
{
    runAssignment([this](qint64 c) {
        Companies::setPreferredArticle(m_db, c, selected(m_products, m_productModel, m_verfuegbare_produkte, "id"));
    });
}

void Tfirmaanlegen::Image4Click()
{
    runAssignment([this](qint64 c) { Companies::setPreferredArticle(m_db, c, 0); });
}

void Tfirmaanlegen::Image2Click()
{
    runAssignment([this](qint64 c) {
        Companies::assignVehicle(m_db, c, selected(m_vehicles, m_vehicleModel, m_fahrzeugstamm, "id"));
    });
}

void Tfirmaanlegen::Image3Click()
{
    runAssignment([this](qint64 c) {
        Companies::removeVehicle(m_db, c,
                                 selected(m_assigned, m_assignedModel, m_zugeordnete_fahrzeuge, "fahrzeug_id"));
    });
}

void Tfirmaanlegen::Image5Click()
{
    runAssignment([this](qint64 c) {
        Companies::setPreferredVehicle(m_db, c,
                                       selected(m_assigned, m_assignedModel, m_zugeordnete_fahrzeuge, "fahrzeug_id"));
    });
}

void Tfirmaanlegen::Image6Click()
{
    runAssignment([this](qint64 c) { Companies::setPreferredVehicle(m_db, c, 0); });
}

#include "SearchWindows.h"

#include "Database.h"
#include "DatabaseError.h"
#include "ErrorBoundary.h"
#include "ItemWindows.h"
#include "Modal.h"
#include "Prompt.h"
#include "Selection.h"
#include "Tfirmaanlegen.h"
#include "Ui.h"
#include "Vehicles.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using ErrorBoundary::guard;
using Ui::buddy;
using Ui::named;

SearchWindow::SearchWindow(Database& db, const char* name, const QString& caption, const char* gridName,
                           std::vector<QueryModel::Column> columns, QWidget* parent)
    : QDialog(parent), m_db(db), m_query(db), m_model(m_query, std::move(columns)),
      m_grid(named(new QTableView, gridName))
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    m_grid->setModel(&m_model);
    Ui::setupGrid(m_grid, caption);
    resize(820, 560);
}

void SearchWindow::search()
{
    buildStatement(m_query);
    try {
        m_query.open();
    } catch (const DatabaseError& e) {
        m_query.close();
        m_model.reload();
        Prompt::instance().message(e.statement());
        return;
    }
    m_model.reload();
    Ui::selectRow(m_grid, 0);
}

bool SearchWindow::hasSelection() const
{
    return m_model.queryRow(Ui::currentRow(m_grid)) >= 0;
}

Field SearchWindow::selectedField(const QString& name) const
{
    return m_query.field(m_model.queryRow(Ui::currentRow(m_grid)), m_query.columnIndex(name));
}

void SearchWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ErrorBoundary::run([this] { search(); });
}

TFirmenauswahlmaske::TFirmenauswahlmaske(Database& db, Selection& selection, Tfirmaanlegen& editor, QWidget* parent)
    : SearchWindow(db, "Firmenauswahlmaske", QStringLiteral("Firmenauswahlmaske"), "firmen",
                   {{QStringLiteral("Firmenname"), QStringLiteral("Firmenname")},
                    {QStringLiteral("Adresse"), QStringLiteral("Adresse")},
                    {QStringLiteral("plz"), QStringLiteral("plz")},
                    {QStringLiteral("ort"), QStringLiteral("Ort")},
                    {QStringLiteral("netto_ein"), QStringLiteral("Eingang kg")},
                    {QStringLiteral("netto_aus"), QStringLiteral("Ausgang kg")}},
                   parent),
      m_selection(selection), m_editor(editor)
{
    auto* g = new QGridLayout(this);
    m_edit1 = named(new QLineEdit, "Edit1");
    m_edit2 = named(new QLineEdit, "Edit2");
    m_edit3 = named(new QLineEdit, "Edit3");
    m_edit4 = named(new QLineEdit, "Edit4");
    const char* captions[] = {"Firmenname", "Adresse", "Plz", "Ort"};
    QLineEdit* edits[] = {m_edit1, m_edit2, m_edit3, m_edit4};
    for (int i = 0; i < 4; ++i) {
        edits[i]->setPlaceholderText(QString::fromLatin1(captions[i]));
        edits[i]->setAccessibleName(QString::fromLatin1(captions[i]));
        g->addWidget(edits[i], 0, i);
        connect(edits[i], &QLineEdit::returnPressed, this, guard([this] { search(); }));
    }
    m_inactive = named(new QCheckBox(QStringLiteral("Inaktive anzeigen")), "RadioButton1");
    m_kunde = named(new QCheckBox(QStringLiteral("Kunde")), "kunde");
    m_lieferant = named(new QCheckBox(QStringLiteral("Lieferant")), "lieferant");
    m_kunde->setChecked(true);
    m_lieferant->setChecked(true);
    auto* search = named(new QPushButton(QStringLiteral("suchen")), "Button1");
    g->addWidget(m_inactive, 1, 0);
    g->addWidget(m_kunde, 1, 1);
    g->addWidget(m_lieferant, 1, 2);
    g->addWidget(search, 1, 3);
    g->addWidget(m_grid, 2, 0, 1, 4);
    auto* create = named(new QPushButton(QStringLiteral("Neue Firma anlegen")), "Button2");
    auto* change = named(new QPushButton(QStringLiteral("Firma anpassen")), "Button3");
    auto* take = named(new QPushButton(QStringLiteral("Firma übernehmen")), "Button4");
    take->setDefault(true);
    take->setMinimumHeight(40);
    g->addWidget(create, 3, 0);
    g->addWidget(change, 3, 1);
    g->addWidget(take, 3, 2, 1, 2);

    connect(search, &QPushButton::clicked, this, guard([this] { this->search(); }));
    connect(m_kunde, &QCheckBox::clicked, this, guard([this] { this->search(); }));
    connect(m_lieferant, &QCheckBox::clicked, this, guard([this] { this->search(); }));
    connect(create, &QPushButton::clicked, this, guard([this] { Button2Click(); }));
    connect(change, &QPushButton::clicked, this, guard([this] { Button3Click(); }));
    connect(take, &QPushButton::clicked, this, guard([this] { Button4Click(); }));
    connect(m_grid, &QTableView::doubleClicked, this, guard([this] { Button4Click(); }));
}

void TFirmenauswahlmaske::buildStatement(Query& q)
{
    Companies::Filter f;
    f.name = m_edit1->text();
    f.address = m_edit2->text();
    f.plz = m_edit3->text();
    f.ort = m_edit4->text();
    f.inactive = m_inactive->isChecked();
    f.kunde = m_kunde->isChecked();
    f.lieferant = m_lieferant->isChecked();
    Companies::buildSearch(q, f);
}

void TFirmenauswahlmaske::edit(const QString& art)
{
    m_editor.setArt(art);
    Modal::run(&m_editor);
    // However the editor was closed, the grid shows what it changed.
    search();
}

void TFirmenauswahlmaske::Button2Click()
{
    edit(QStringLiteral("neu"));
}

void TFirmenauswahlmaske::Button3Click()
{
    if (hasSelection())
        edit(selectedField(QStringLiteral("id")).asText());
}

void TFirmenauswahlmaske::Button4Click()
{
    if (!hasSelection())
        return;
    auto t = [this](const char* c) { return selectedField(QString::fromLatin1(c)).asText(); };
    m_selection.setCompany(selectedField(QStringLiteral("id")).asInt(), t("Firmenname"), t("Adresse"), t("plz"),
                           t("ort"), true);
    m_selection.applyPreferences(m_db, selectedField(QStringLiteral("RFID_Material")).asInt(),
                                 selectedField(QStringLiteral("RFID_Fahrzeug")).asInt(), true);
    accept();
}

ItemSearchWindow::ItemSearchWindow(Database& db, Selection& selection, const char* name, const QString& caption,
                                   const char* gridName, const QString& noun, const QString& nameColumn,
                                   QDialog& create, QDialog& edit, std::function<void(const QString&)> setEditId,
                                   QWidget* parent)
    : SearchWindow(db, name, caption, gridName,
                   {{nameColumn, nameColumn},
                    {QStringLiteral("netto_ein"), QStringLiteral("Eingang kg")},
                    {QStringLiteral("netto_aus"), QStringLiteral("Ausgang kg")}},
                   parent),
      m_selection(selection), m_create(create), m_edit(edit), m_setEditId(std::move(setEditId))
{
    auto* g = new QGridLayout(this);
    m_filter = named(new QLineEdit, "Edit1");
    m_filter->setAccessibleName(noun);
    auto* search = named(new QPushButton(QStringLiteral("suchen")), "Button1");
    m_inactive = named(new QCheckBox(QStringLiteral("Inaktive anzeigen")), "CheckBox1");
    g->addWidget(buddy(noun + QLatin1Char(':'), m_filter), 0, 0);
    g->addWidget(m_filter, 0, 1);
    g->addWidget(search, 0, 2);
    g->addWidget(m_inactive, 1, 1);
    g->addWidget(m_grid, 2, 0, 1, 3);
    auto* change = named(new QPushButton(noun + QStringLiteral(" anpassen")), "Button3");
    auto* add = named(new QPushButton(QStringLiteral("Neues ") + noun + QStringLiteral(" anlegen")), "Button2");
    auto* take = named(new QPushButton(noun + QStringLiteral(" übernehmen")), "Button4");
    take->setDefault(true);
    take->setMinimumHeight(40);
    g->addWidget(change, 3, 0);
    g->addWidget(add, 3, 1);
    g->addWidget(take, 3, 2);
    // Changing "Inaktive anzeigen" alone does not search.
    connect(search, &QPushButton::clicked, this, guard([this] { this->search(); }));
    connect(m_filter, &QLineEdit::returnPressed, this, guard([this] { this->search(); }));
    connect(add, &QPushButton::clicked, this, guard([this] { Button2Click(); }));
    connect(change, &QPushButton::clicked, this, guard([this] { Button3Click(); }));
    connect(take, &QPushButton::clicked, this, guard([this] { Button4Click(); }));
    connect(m_grid, &QTableView::doubleClicked, this, guard([this] { Button4Click(); }));
}

QString ItemSearchWindow::filterText() const
{
    return m_filter->text();
}

bool ItemSearchWindow::showInactive() const
{
    return m_inactive->isChecked();
}

void ItemSearchWindow::Button2Click()
{
    if (Modal::run(&m_create) == QDialog::Accepted)
        search();
}

void ItemSearchWindow::Button3Click()
{
    if (!hasSelection())
        return;
    m_setEditId(selectedField(QStringLiteral("id")).asText());
    if (Modal::run(&m_edit) == QDialog::Accepted)
        search();
}

TFahrzeugauswahlmaske::TFahrzeugauswahlmaske(Database& db, Selection& selection, Tfahrzeuganlegen& create,
                                             Tfahrzeuganpassen& edit, QWidget* parent)
    : ItemSearchWindow(
          db, selection, "Fahrzeugauswahlmaske", QStringLiteral("Fahrzeugauswahlmaske"), "fahrzeug",
          QStringLiteral("Fahrzeug"), QStringLiteral("Fahrzeugbeschreibung"), create, edit,
          [&edit](const QString& id) { edit.setId(id); }, parent)
{
}

void TFahrzeugauswahlmaske::buildStatement(Query& q)
{
    Vehicles::buildSearch(q, filterText(), showInactive());
}

void TFahrzeugauswahlmaske::Button4Click()
{
    if (!hasSelection())
        return;
    // The tare of the weight panel stays: only the company take-over and a tag bring a tare.
    m_selection.setVehicle(selectedField(QStringLiteral("id")).asInt(),
                           selectedField(QStringLiteral("Fahrzeugbeschreibung")).asText(), true);
    accept();
}

Tproduktauswahlmaske::Tproduktauswahlmaske(Database& db, Selection& selection, Tproduktanlegen& create,
                                           Tproduktanpassen& edit, QWidget* parent)
    : ItemSearchWindow(
          db, selection, "produktauswahlmaske", QStringLiteral("Produktauswahlmaske"), "produkt",
          QStringLiteral("Produkt"), QStringLiteral("Artikelbezeichnung"), create, edit,
          [&edit](const QString& id) { edit.setId(id); }, parent)
{
}

void Tproduktauswahlmaske::buildStatement(Query& q)
{
    Products::buildSearch(q, filterText(), showInactive());
}

void Tproduktauswahlmaske::Button4Click()
{
    if (!hasSelection())
        return;
    m_selection.setProduct(selectedField(QStringLiteral("id")).asInt(),
                           selectedField(QStringLiteral("Artikelbezeichnung")).asText(), true);
    accept();
}

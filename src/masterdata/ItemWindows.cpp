#include "ItemWindows.h"

#include "Database.h"
#include "DatabaseError.h"
#include "ErrorBoundary.h"
#include "GermanText.h"
#include "Prompt.h"
#include "Ui.h"
#include "Vehicles.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

using ErrorBoundary::guard;
using Ui::buddy;
using Ui::named;

namespace {

QPushButton* addButton(QDialog* d, QGridLayout* g, int row, const QString& text)
{
    auto* b = named(new QPushButton(text), "Button1");
    b->setDefault(true);
    g->addWidget(b, row, 1, Qt::AlignRight);
    return b;
}

QString notANumber(const QString& text)
{
    return QStringLiteral("Fehlerhaftes tara: \"%1\" ist keine Zahl.").arg(text);
}

} // namespace

Tfahrzeuganlegen::Tfahrzeuganlegen(Database& db, QWidget* parent) : QDialog(parent), m_db(db)
{
    setObjectName(QStringLiteral("fahrzeuganlegen"));
    setWindowTitle(QStringLiteral("Fahrzeuganlegen"));
    auto* g = new QGridLayout(this);
    m_description = named(new QLineEdit, "beschreibung");
    m_tara = named(new QLineEdit, "tara");
    Ui::filterNumberKeys(m_tara, QStringLiteral(".,"));
    g->addWidget(buddy(QStringLiteral("Beschreibung:"), m_description), 0, 0);
    g->addWidget(m_description, 0, 1);
    g->addWidget(buddy(QStringLiteral("Tara:"), m_tara), 1, 0);
    g->addWidget(m_tara, 1, 1);
    connect(addButton(this, g, 2, QStringLiteral("Fahrzeug hinzufügen")), &QPushButton::clicked, this,
            guard([this] { Button1Click(); }));
    resize(420, 140);
}

void Tfahrzeuganlegen::Button1Click()
{
    double tara = 0;
    if (!Vehicles::parseTara(m_tara->text(), tara)) {
        Prompt::instance().message(notANumber(m_tara->text()));
        return;
    }
    try {
        Vehicles::insert(m_db, m_description->text(), tara);
    } catch (const DatabaseError& e) {
        Prompt::instance().message(QStringLiteral("Fehlerhaftes tara:") + e.statement());
        return;
    }
    accept();
}

Tfahrzeuganpassen::Tfahrzeuganpassen(Database& db, QWidget* parent) : QDialog(parent), m_db(db), m_fahrzeug(db)
{
    setObjectName(QStringLiteral("fahrzeuganpassen"));
    setWindowTitle(QStringLiteral("Fahrzeuganpassen"));
    auto* g = new QGridLayout(this);
    m_id = named(new QLineEdit(this), "Edit1");
    m_id->hide();
    connect(m_id, &QLineEdit::textChanged, this, guard([this](const QString& t) { load(t); }));
    m_description = named(new QLineEdit, "DBEdit1");
    m_tara = named(new QLineEdit, "DBEdit2");
    m_inactive = named(new QCheckBox(QStringLiteral("inaktiv")), "DBCheckBox1");
    g->addWidget(buddy(QStringLiteral("Beschreibung:"), m_description), 0, 0);
    g->addWidget(m_description, 0, 1);
    g->addWidget(buddy(QStringLiteral("Tara:"), m_tara), 1, 0);
    g->addWidget(m_tara, 1, 1);
    g->addWidget(m_inactive, 2, 1);
    connect(addButton(this, g, 3, QStringLiteral("Änderung speichern")), &QPushButton::clicked, this,
            guard([this] { Button1Click(); }));
    resize(420, 160);
}

void Tfahrzeuganpassen::setId(const QString& id)
{
    m_id->setText(id);
}

void Tfahrzeuganpassen::load(const QString& id)
{
    if (id.isEmpty())
        return;
    m_fahrzeug.setSql(QStringLiteral("select * from fahrzeugstamm where id=?"), {id.toLongLong()});
    m_fahrzeug.open();
    m_description->setText(m_fahrzeug.field(QStringLiteral("Fahrzeugbeschreibung")).asText());
    m_tara->setText(m_fahrzeug.field(QStringLiteral("Tara")).asText());
    m_inactive->setChecked(m_fahrzeug.field(QStringLiteral("inaktiv")).asBool());
}

void Tfahrzeuganpassen::Button1Click()
{
    if (m_description->text().isEmpty() || !m_fahrzeug.hasCurrentRow())
        return;
    double tara = 0;
    if (!Vehicles::parseTara(m_tara->text(), tara)) {
        Prompt::instance().message(notANumber(m_tara->text()));
        return;
    }
    Vehicles::update(m_db, m_fahrzeug.field(QStringLiteral("id")).asInt(), m_description->text(), tara,
                     m_inactive->isChecked());
    accept();
}

Tproduktanlegen::Tproduktanlegen(Database& db, QWidget* parent) : QDialog(parent), m_db(db)
{
    setObjectName(QStringLiteral("produktanlegen"));
    setWindowTitle(QStringLiteral("Produktanlegen"));
    auto* g = new QGridLayout(this);
    m_name = named(new QLineEdit, "beschreibung");
    g->addWidget(buddy(QStringLiteral("Artikelbezeichnung:"), m_name), 0, 0);
    g->addWidget(m_name, 0, 1);
    connect(addButton(this, g, 1, QStringLiteral("Artikel hinzufügen")), &QPushButton::clicked, this,
            guard([this] { Button1Click(); }));
    resize(420, 110);
}

void Tproduktanlegen::Button1Click()
{
    try {
        Products::insert(m_db, m_name->text());
    } catch (const DatabaseError& e) {
        Prompt::instance().message(QStringLiteral("Fehlerhaft:") + e.statement());
        return;
    }
    accept();
}

Tproduktanpassen::Tproduktanpassen(Database& db, QWidget* parent) : QDialog(parent), m_db(db), m_produkt(db)
{
    setObjectName(QStringLiteral("produktanpassen"));
    setWindowTitle(QStringLiteral("Produktanpassen"));
    auto* g = new QGridLayout(this);
    m_id = named(new QLineEdit(this), "Edit1");
    m_id->hide();
    connect(m_id, &QLineEdit::textChanged, this, guard([this](const QString& t) { load(t); }));
    m_name = named(new QLineEdit, "DBEdit1");
    m_inactive = named(new QCheckBox(QStringLiteral("inaktiv")), "DBCheckBox1");
    g->addWidget(buddy(QStringLiteral("Artikelbezeichnung"), m_name), 0, 0);
    g->addWidget(m_name, 0, 1);
    g->addWidget(m_inactive, 1, 1);
    connect(addButton(this, g, 2, QStringLiteral("Änderung speichern")), &QPushButton::clicked, this,
            guard([this] { Button1Click(); }));
    resize(420, 130);
}

void Tproduktanpassen::setId(const QString& id)
{
    m_id->setText(id);
}

void Tproduktanpassen::load(const QString& id)
{
    if (id.isEmpty())
        return;
    m_produkt.setSql(QStringLiteral("select * from produktstamm where id=?"), {id.toLongLong()});
    m_produkt.open();
    m_name->setText(m_produkt.field(QStringLiteral("Artikelbezeichnung")).asText());
    m_inactive->setChecked(m_produkt.field(QStringLiteral("inaktiv")).asBool());
}

void Tproduktanpassen::Button1Click()
{
    if (m_name->text().isEmpty() || !m_produkt.hasCurrentRow())
        return;
    Products::update(m_db, m_produkt.field(QStringLiteral("id")).asInt(), m_name->text(), m_inactive->isChecked());
    accept();
}

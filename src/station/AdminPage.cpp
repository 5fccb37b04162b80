#include "AdminPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

namespace {

template <typename W> W* named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* buddy(const QString& text, QWidget* w)
{
    auto* l = new QLabel(text);
    l->setBuddy(w);
    return l;
}

QPlainTextEdit* memo(const char* name, const QString& accessible)
{
    auto* m = named(new QPlainTextEdit, name);
    m->setAccessibleName(accessible);
    m->setMaximumHeight(60);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    return m;
}

QTableView* grid(const char* name, const QString& accessible)
{
    auto* g = named(new QTableView, name);
    g->setAccessibleName(accessible);
    g->setSortingEnabled(true);
    g->horizontalHeader()->setStretchLastSection(true);
    g->setMinimumHeight(90);
    return g;
}

} // namespace

AdminPage::AdminPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QGridLayout(this);

    auto* scaleBox = new QGroupBox(QStringLiteral("Waage"));
    auto* sg = new QGridLayout(scaleBox);
    waagenanfrage = named(new QLineEdit(QStringLiteral("READ")), "Waagenanfrage");
    gewichtsprotokoll = named(new QCheckBox(QStringLiteral("Gewicht im Serverfenster anzeigen")), "gewichtsprotokoll");
    wiegeart = named(new QLineEdit, "wiegeart");
    ausloeser = memo("waage_antwort_ausloeser", QStringLiteral("Waagenantwort Wiegung"));
    laufend = memo("waage_antwort_laufend", QStringLiteral("Waagenantwort laufend"));
    memo1 = memo("Memo1", QStringLiteral("Memo"));
    alibitext = named(new QLineEdit, "Alibitext");
    simulationAlibi = named(new QPushButton(QStringLiteral("Simulation Alibi")), "Button13");
    simulationWeight = named(new QPushButton(QStringLiteral("Simulation Weight only")), "Button12");
    dauertest = named(new QCheckBox(QStringLiteral("Waage dauertest")), "CheckBox1");
    sg->addWidget(buddy(QStringLiteral("Waagenanfrage:"), waagenanfrage), 0, 0);
    sg->addWidget(waagenanfrage, 0, 1);
    sg->addWidget(gewichtsprotokoll, 0, 2);
    sg->addWidget(buddy(QStringLiteral("Wiegeart:"), wiegeart), 1, 0);
    sg->addWidget(wiegeart, 1, 1);
    auto* replyLabel = buddy(QStringLiteral("Waagenantwort:"), ausloeser);
    sg->addWidget(replyLabel, 2, 0, Qt::AlignTop);
    sg->addWidget(ausloeser, 2, 1);
    sg->addWidget(laufend, 2, 2);
    sg->addWidget(memo1, 3, 1, 1, 2);
    sg->addWidget(buddy(QStringLiteral("Alibinr:"), alibitext), 4, 0);
    sg->addWidget(alibitext, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(simulationAlibi);
    buttons->addWidget(simulationWeight);
    buttons->addWidget(dauertest);
    sg->addLayout(buttons, 4, 2);
    layout->addWidget(scaleBox, 0, 0, 1, 2);

    auto* readerBox = new QGroupBox(QStringLiteral("RFID und Bildschirm"));
    auto* rg = new QGridLayout(readerBox);
    graireader = named(new QLineEdit, "graireader");
    fehllesung = named(new QPushButton(QStringLiteral("Fehllesung")), "Button15");
    blockauslesen = named(new QPushButton(QStringLiteral("Blockauslesen")), "Button14");
    koordinaten = named(new QLabel(QStringLiteral("x/Y")), "Label33");
    abfragen = named(new QPushButton(QStringLiteral("abfragen")), "Button17");
    rg->addWidget(buddy(QStringLiteral("Grai Reader:"), graireader), 0, 0);
    rg->addWidget(graireader, 0, 1);
    rg->addWidget(fehllesung, 0, 2);
    rg->addWidget(blockauslesen, 0, 3);
    auto* coordLabel = new QLabel(QStringLiteral("Bildschirmkoordinaten:"));
    coordLabel->setBuddy(abfragen);
    rg->addWidget(coordLabel, 1, 0);
    rg->addWidget(koordinaten, 1, 1);
    rg->addWidget(abfragen, 1, 2);
    layout->addWidget(readerBox, 1, 0, 1, 2);

    schnelleingabeGrid = grid("DBGrid1", QStringLiteral("Schnelleingabe"));
    benutzerGrid = grid("cxGrid1", QStringLiteral("Benutzer"));
    layout->addWidget(schnelleingabeGrid, 2, 0);
    layout->addWidget(benutzerGrid, 2, 1);
    layout->setRowStretch(2, 1);
}

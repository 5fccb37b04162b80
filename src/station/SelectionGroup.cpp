#include "SelectionGroup.h"

#include "PictureButton.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* valueLabel(const char* name, const QString& accessible, bool bold = false)
{
    auto* l = new QLabel;
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(accessible);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (bold)
        l->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 13pt;"));
    return l;
}

QLabel* hidden(const char* name, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->hide();
    return l;
}

} // namespace

SelectionGroup::SelectionGroup(QWidget* parent) : QGroupBox(QStringLiteral("Auswahl"), parent)
{
    setObjectName(QStringLiteral("GroupBox1"));
    auto* g = new QGridLayout(this);
    image1 =
        new PictureButton(QStringLiteral("Image1"), Icons::Kind::Company, QStringLiteral("Firma wählen"), false, 44);
    image2 =
        new PictureButton(QStringLiteral("Image2"), Icons::Kind::Product, QStringLiteral("Produkt wählen"), false, 44);
    image3 =
        new PictureButton(QStringLiteral("Image3"), Icons::Kind::Vehicle, QStringLiteral("Fahrzeug wählen"), false, 44);
    image4 = new PictureButton(QStringLiteral("Image4"), Icons::Kind::Reset, QStringLiteral("Auswahl zurücksetzen"),
                               true, 32);

    firmaGewaehlt = valueLabel("firma_gewaehlt", QStringLiteral("Firma"), true);
    firmaAdresse = valueLabel("firma_adresse", QStringLiteral("Adresse"));
    firmaPlzOrt = valueLabel("Firma_plz_ort", QStringLiteral("Postleitzahl und Ort"));
    produktGewaehlt = valueLabel("produkt_gewaehlt", QStringLiteral("Produkt"), true);
    fahrzeugGewaehlt = valueLabel("Fahrzeug_gewaehlt", QStringLiteral("Fahrzeug"), true);

    auto caption = [](const QString& text, QWidget* value) {
        auto* l = new QLabel(text);
        l->setStyleSheet(QStringLiteral("color: #555;"));
        l->setBuddy(value);
        return l;
    };
    auto* firmaBox = new QVBoxLayout;
    firmaBox->addWidget(caption(QStringLiteral("Firma:"), firmaGewaehlt));
    firmaBox->addWidget(firmaGewaehlt);
    firmaBox->addWidget(firmaAdresse);
    firmaBox->addWidget(firmaPlzOrt);
    auto* produktBox = new QVBoxLayout;
    produktBox->addWidget(caption(QStringLiteral("Produkt:"), produktGewaehlt));
    produktBox->addWidget(produktGewaehlt);
    auto* fahrzeugBox = new QVBoxLayout;
    fahrzeugBox->addWidget(caption(QStringLiteral("Fahrzeug:"), fahrzeugGewaehlt));
    fahrzeugBox->addWidget(fahrzeugGewaehlt);
    g->addWidget(image1, 0, 0, Qt::AlignTop);
    g->addLayout(firmaBox, 0, 1, Qt::AlignTop);
    g->addWidget(image2, 1, 0, Qt::AlignTop);
    g->addLayout(produktBox, 1, 1, Qt::AlignTop);
    g->addWidget(image3, 2, 0, Qt::AlignTop);
    g->addLayout(fahrzeugBox, 2, 1, Qt::AlignTop);
    g->setColumnStretch(1, 1);
    g->setVerticalSpacing(18);
    g->setRowStretch(3, 1);
    g->addWidget(image4, 4, 0, 1, 2);

    kennwortAendern = new QPushButton(QStringLiteral("Kennwort ändern"));
    kennwortAendern->setObjectName(QStringLiteral("kennwort_aendern"));
    kennwortAendern->hide();
    g->addWidget(kennwortAendern, 5, 0, 1, 2);

    firmaId = hidden("firma_gewaehlt_id", this);
    produktId = hidden("produkt_gewaehlt_id", this);
    fahrzeugId = hidden("fahrzeug_gewaehlt_id", this);
    firmaHand = hidden("firma_hand", this);
    produktHand = hidden("produkt_hand", this);
    fahrzeugHand = hidden("fahrzeug_hand", this);
}

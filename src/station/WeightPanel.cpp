#include "WeightPanel.h"

#include "PictureButton.h"
#include "Ui.h"
#include "WeightDisplay.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

WeightPanel::WeightPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::StyledPanel);
    setStyleSheet(QStringLiteral("#Panel1 { background: #10202e; border-radius: 6px; }"
                                 " #Panel1 QLabel, #Panel1 QRadioButton, #Panel1 QGroupBox { color: white; }"));
    auto* h = new QHBoxLayout(this);
    gewicht = Ui::named(new WeightDisplay, "gewicht");
    auto* kg = Ui::named(new QLabel(QStringLiteral("kg")), "Label1");
    kg->setStyleSheet(QStringLiteral("font-size: 20pt;"));
    image7 = new PictureButton(QStringLiteral("Image7"), Icons::Kind::Zero, QStringLiteral("Null stellen"), false, 40);

    tara = Ui::named(new QLineEdit(QStringLiteral("0")), "Tara");
    tara->setFixedWidth(100);
    tara->setStyleSheet(QStringLiteral("font-size: 14pt;"));
    // Digits and the decimal point only; Delete and the arrow keys still work.
    Ui::filterNumberKeys(tara, QStringLiteral("."));
    auto* taraLabel = Ui::buddy(QStringLiteral("Tara:"), tara);

    auto* direction = Ui::named(new QGroupBox(QStringLiteral("Ein Aus")), "einzelwiegungsart");
    direction->setStyleSheet(QStringLiteral("QGroupBox { background: #f4f7fa; border-radius: 4px; margin-top: 14px; }"
                                            " QGroupBox::title { subcontrol-origin: margin; left: 4px; color: white; }"
                                            " QRadioButton { color: black; }"));
    auto* dl = new QVBoxLayout(direction);
    ein = new QRadioButton(QStringLiteral("Ein"));
    aus = new QRadioButton(QStringLiteral("Aus"));
    ein->setChecked(true);
    dl->addWidget(ein);
    dl->addWidget(aus);

    image11 = new PictureButton(QStringLiteral("Image11"), Icons::Kind::SingleWeighing, QStringLiteral("Einzelwiegung"),
                                true, 40);
    image11->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    image11->setStyleSheet(QStringLiteral("color: black;"));

    h->addWidget(gewicht, 1);
    h->addWidget(kg);
    h->addWidget(image7);
    h->addSpacing(4);
    h->addWidget(taraLabel);
    h->addWidget(tara);
    h->addWidget(direction);
    h->addWidget(image11);
}

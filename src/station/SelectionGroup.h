#pragma once

#include <QGroupBox>

class PictureButton;
class QLabel;
class QPushButton;

// The group "Auswahl": the chosen company, product and vehicle with their hidden ids and quick-entry
// markers, the three picture buttons that open the entry panels and the one that clears the choice.
class SelectionGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit SelectionGroup(QWidget* parent = nullptr);

    PictureButton *image1, *image2, *image3, *image4;
    QLabel *firmaGewaehlt, *firmaAdresse, *firmaPlzOrt, *produktGewaehlt, *fahrzeugGewaehlt;
    QLabel *firmaId, *produktId, *fahrzeugId, *firmaHand, *produktHand, *fahrzeugHand;
    QPushButton* kennwortAendern;
};

#pragma once

#include <QFrame>

class PictureButton;
class QLineEdit;
class QRadioButton;
class WeightDisplay;

// The weight panel at the top of the main window: the weight, zeroing, the tare and direction of a
// single weighing and its button.
class WeightPanel : public QFrame
{
    Q_OBJECT
public:
    explicit WeightPanel(QWidget* parent = nullptr);

    WeightDisplay* gewicht;
    PictureButton* image7;
    QLineEdit* tara;
    QRadioButton* ein;
    QRadioButton* aus;
    PictureButton* image11;
};

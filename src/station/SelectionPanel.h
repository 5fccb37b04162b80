#pragma once

#include <QFrame>

class QLineEdit;
class QPushButton;

// One of the three entry panels over the centre: an edit for quick entry with "Auswahl" (search
// window), "Einfügen" (quick entry, also Enter) and "x Abbruch".
class SelectionPanel : public QFrame
{
    Q_OBJECT
public:
    SelectionPanel(const char* name, const QString& caption, const char* editName, const char* searchName,
                   const char* insertName, const char* cancelName, QWidget* parent = nullptr);

    QLineEdit* edit;
    QPushButton *search, *insert, *cancel;
};

#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// The page "Administration": the scale's request and replies, the pending kind, the alibi number,
// the tag reader and the quick-entry and user grids.
class AdminPage : public QWidget
{
    Q_OBJECT
public:
    explicit AdminPage(QWidget* parent = nullptr);

    QLineEdit* waagenanfrage;
    QCheckBox* gewichtsprotokoll;
    QLineEdit* wiegeart;
    QPlainTextEdit* ausloeser;
    QPlainTextEdit* laufend;
    QPlainTextEdit* memo1;
    QLineEdit* alibitext;
    QPushButton* simulationAlibi;
    QPushButton* simulationWeight;
    QCheckBox* dauertest;
    QLineEdit* graireader;
    QPushButton* fehllesung;
    QPushButton* blockauslesen;
    QLabel* koordinaten;
    QPushButton* abfragen;
    QTableView* schnelleingabeGrid;
    QTableView* benutzerGrid;
};

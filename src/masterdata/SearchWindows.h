#pragma once

#include "Companies.h"
#include "Query.h"
#include "QueryModel.h"

#include <functional>
#include <QDialog>

class Database;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableView;
class Selection;
class Tfirmaanlegen;
class Tfahrzeuganlegen;
class Tfahrzeuganpassen;
class Tproduktanlegen;
class Tproduktanpassen;

// What the three search windows share: a grid over their query that is searched at every showing,
// and the selected row.
class SearchWindow : public QDialog
{
    Q_OBJECT
public:
    SearchWindow(Database& db, const char* name, const QString& caption, const char* gridName,
                 std::vector<QueryModel::Column> columns, QWidget* parent);

    // Runs the window's statement; a failing one shows its text and leaves the grid empty.
    void search();
    QTableView* grid() const { return m_grid; }
    // The selected row's field, or a NULL field without a selection.
    Field selectedField(const QString& name) const;
    bool hasSelection() const;

protected:
    virtual void buildStatement(Query& q) = 0;
    void showEvent(QShowEvent* event) override;

    Database& m_db;
    Query m_query;
    QueryModel m_model;
    QTableView* m_grid;
};

class TFirmenauswahlmaske : public SearchWindow
{
    Q_OBJECT
public:
    TFirmenauswahlmaske(Database& db, Selection& selection, Tfirmaanlegen& editor, QWidget* parent = nullptr);

    void Button2Click(); // "Neue Firma anlegen"
    void Button3Click(); // "Firma anpassen"
    void Button4Click(); // "Firma übernehmen"

protected:
    void buildStatement(Query& q) override;

private:
    void edit(const QString& art);

    Selection& m_selection;
    Tfirmaanlegen& m_editor;
    QLineEdit *m_edit1, *m_edit2, *m_edit3, *m_edit4;
    QCheckBox *m_inactive, *m_kunde, *m_lieferant;
};

// The vehicle and product search: one filter, "Inaktive anzeigen", and the create and edit windows.
class ItemSearchWindow : public SearchWindow
{
    Q_OBJECT
public:
    void Button2Click();             // create
    void Button3Click();             // edit the selected row
    virtual void Button4Click() = 0; // take over

protected:
    ItemSearchWindow(Database& db, Selection& selection, const char* name, const QString& caption, const char* gridName,
                     const QString& noun, const QString& nameColumn, QDialog& create, QDialog& edit,
                     std::function<void(const QString& id)> setEditId, QWidget* parent);
    QString filterText() const;
    bool showInactive() const;

    Selection& m_selection;

private:
    QDialog& m_create;
    QDialog& m_edit;
    std::function<void(const QString&)> m_setEditId;
    QLineEdit* m_filter;
    QCheckBox* m_inactive;
};

class TFahrzeugauswahlmaske : public ItemSearchWindow
{
    Q_OBJECT
public:
    TFahrzeugauswahlmaske(Database& db, Selection& selection, Tfahrzeuganlegen& create, Tfahrzeuganpassen& edit,
                          QWidget* parent = nullptr);
    void Button4Click() override;

protected:
    void buildStatement(Query& q) override;
};

class Tproduktauswahlmaske : public ItemSearchWindow
{
    Q_OBJECT
public:
    Tproduktauswahlmaske(Database& db, Selection& selection, Tproduktanlegen& create, Tproduktanpassen& edit,
                         QWidget* parent = nullptr);
    void Button4Click() override;

protected:
    void buildStatement(Query& q) override;
};

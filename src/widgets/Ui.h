#pragma once

#include <functional>
#include <QLabel>
#include <QObject>
#include <QString>

class QAbstractItemView;
class QLineEdit;
class QTableView;

// Small helpers for building the windows: named controls, labels as buddies, grids and key filters.
namespace Ui {

template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

inline QLabel* buddy(const QString& text, QWidget* widget)
{
    auto* l = new QLabel(text);
    l->setBuddy(widget);
    return l;
}

// A read-only grid that selects whole rows, sorts by a click on a column header and hides `hidden`.
void setupGrid(QTableView* grid, const QString& accessibleName);
// The row of the view's current index, -1 without one.
int currentRow(const QAbstractItemView* view);
// Makes row the current one (the first row after a load).
void selectRow(QAbstractItemView* view, int row);

// Lets only digits and the decimal marks in `marks` be typed into edit; every other typed character,
// backspace included, is discarded. Keys without a character (Delete, arrows) and pasting still work.
void filterNumberKeys(QLineEdit* edit, const QString& marks);

// Runs fn on a double-click into a widget that has no such signal (a line edit).
void onDoubleClick(QWidget* widget, std::function<void()> fn);

} // namespace Ui

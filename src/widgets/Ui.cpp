#include "Ui.h"

#include <functional>
#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

namespace Ui {

namespace {

class KeyFilter : public QObject
{
public:
    KeyFilter(const QString& marks, QObject* parent) : QObject(parent), m_marks(marks) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(e)->text();
            if (text.isEmpty())
                return false;
            if (static_cast<QKeyEvent*>(e)->modifiers() & Qt::ControlModifier)
                return false; // shortcuts such as paste
            for (QChar c : text) {
                if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && !m_marks.contains(c))
                    return true;
            }
        }
        return QObject::eventFilter(o, e);
    }

private:
    QString m_marks;
};

class DoubleClickFilter : public QObject
{
public:
    DoubleClickFilter(std::function<void()> fn, QObject* parent) : QObject(parent), m_fn(std::move(fn)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonDblClick) {
            m_fn();
            return true;
        }
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void()> m_fn;
};

} // namespace

void setupGrid(QTableView* grid, const QString& accessibleName)
{
    grid->setAccessibleName(accessibleName);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The statement's own order first; a click on a header sorts by that column.
    grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    grid->setSortingEnabled(true);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->hide();
    grid->setWordWrap(false);
    // The name column takes the room, the others fit their contents.
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QObject::connect(grid->horizontalHeader(), &QHeaderView::sectionCountChanged, grid, [grid](int, int count) {
        if (count > 0)
            grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    });
    if (grid->horizontalHeader()->count() > 0)
        grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid->horizontalHeader()->setSortIndicatorShown(true);
}

int currentRow(const QAbstractItemView* view)
{
    const QModelIndex i = view->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void selectRow(QAbstractItemView* view, int row)
{
    if (!view->model() || row < 0 || row >= view->model()->rowCount()) {
        view->setCurrentIndex({});
        return;
    }
    view->setCurrentIndex(view->model()->index(row, 0));
    view->selectionModel()->select(view->currentIndex(),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void filterNumberKeys(QLineEdit* edit, const QString& marks)
{
    edit->installEventFilter(new KeyFilter(marks, edit));
}

void onDoubleClick(QWidget* widget, std::function<void()> fn)
{
    widget->installEventFilter(new DoubleClickFilter(std::move(fn), widget));
}

} // namespace Ui

#pragma once

#include "QueryModel.h"
#include "TodayLists.h"

#include <memory>
#include <QTabWidget>

class QAction;
class QLabel;
class QListView;
class QMenu;

// The notebook of today's weighings: each page shows its list by company name, three data labels
// of the selected entry and a pop-up menu that acts on the entry selected last.
class TodayListsView : public QTabWidget
{
    Q_OBJECT
public:
    explicit TodayListsView(TodayLists& lists, QWidget* parent = nullptr);

    // Shows what the list's query holds now, the first row selected.
    void reload(TodayLists::List list);
    void reloadAll();
    // Selects an entry as the operator does with the mouse or the keyboard.
    void select(TodayLists::List list, int row);
    QMenu* menu(TodayLists::List list) const { return m_pages[list].menu; }
    QWidget* image12() const { return m_image12; }

Q_SIGNALS:
    void ticketRequested(TodayLists::List list);
    void photosRequested(TodayLists::List list);
    void deleteRequested(TodayLists::List list);

private:
    void showCurrent(TodayLists::List list);

    struct Page
    {
        QListView* list = nullptr;
        QLabel* number = nullptr;
        QLabel* product = nullptr;
        QLabel* vehicle = nullptr;
        QMenu* menu = nullptr;
        std::unique_ptr<QueryModel> model;
    };
    TodayLists& m_lists;
    Page m_pages[3];
    QWidget* m_image12 = nullptr;
};

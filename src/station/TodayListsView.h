#pragma once

#include <QTabWidget>

class QLabel;
class QListView;
class QMenu;

// The notebook of today's weighings: open first weighings, single weighings and completed pairs of
// the last 24 hours, each with its list, three data labels and its pop-up menu.
class TodayListsView : public QTabWidget
{
    Q_OBJECT
public:
    explicit TodayListsView(QWidget* parent = nullptr);

    struct Page
    {
        QListView* list = nullptr;
        QLabel* number = nullptr;
        QLabel* product = nullptr;
        QLabel* vehicle = nullptr;
        QMenu* menu = nullptr;
    };
    Page pages[3];
    QWidget* image12 = nullptr;
};

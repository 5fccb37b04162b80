#include "TodayListsView.h"

#include "ErrorBoundary.h"
#include "PictureButton.h"
#include "Ui.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>

using ErrorBoundary::guard;

namespace {

struct PageNames
{
    const char* tab;
    const char* group;
    const char* list;
    const char* labels[3];
    const char* values[3];
    const char* menu;
    const char* items[3][2]; // caption, handler; in the order ticket, photos, delete
};

const PageNames Names[3] = {
    {"Eingangswiegung",
     "Eingangswiegung",
     "DBLookupListBox1",
     {"Label37", "Label38", "Label39"},
     {"DBText1", "DBText2", "DBText3"},
     "popup_eingang",
     {{"Wiegeschein", "Wiegeschein1"}, {"Verwiegefotos", "Verwiegefotos1"}, {nullptr, nullptr}}},
    {"Einzelwiegung Heute",
     "Einzelwiegungen Heute",
     "DBLookupListBox2",
     {"Label10", "Label11", "Label12"},
     {"DBText4", "DBText5", "DBText6"},
     "popup_einzel_heute",
     {{"Wiegeschein", "MenuItem1"}, {"Verwiegefotos", "MenuItem2"}, {"Wiegung löschen", "Wiegunglschen1"}}},
    {"Ein-Ausgang Heute",
     "Ein-Ausgang Heute",
     "DBLookupListBox3",
     {"Label40", "Label41", "Label42"},
     {"DBText7", "DBText8", "DBText9"},
     "popup_summe_heute",
     {{"Wiegeschein", "MenuItem3"}, {"Verwiegefotos", "MenuItem4"}, {"Wiegung löschen", "MenuItem5"}}},
};

const char* const Captions[3] = {"Wiegenr.:", "Produkt:", "KFZ:"};

// A right click opens the menu but does not move the selection: the menu acts on the entry
// selected last.
class KeepSelectionOnRightClick : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if ((e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease ||
             e->type() == QEvent::MouseButtonDblClick) &&
            static_cast<QMouseEvent*>(e)->button() == Qt::RightButton)
            return true;
        return QObject::eventFilter(o, e);
    }
};

} // namespace

TodayListsView::TodayListsView(TodayLists& lists, QWidget* parent) : QTabWidget(parent), m_lists(lists)
{
    setObjectName(QStringLiteral("TabbedNotebook1"));
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 3px; font-size: 9pt; }"));
    for (int i = 0; i < 3; ++i) {
        const auto list = TodayLists::List(i);
        const PageNames& n = Names[i];
        auto* page = new QWidget;
        auto* outer = new QVBoxLayout(page);
        auto* group = new QGroupBox(QString::fromUtf8(n.group));
        auto* g = new QGridLayout(group);
        Page& p = m_pages[i];
        p.model = std::make_unique<QueryModel>(
            lists.query(list), std::vector<QueryModel::Column>{{QStringLiteral("namegesamt"), QString()}});
        p.list = Ui::named(new QListView, n.list);
        p.list->setModel(p.model.get());
        p.list->setAccessibleName(QString::fromUtf8(n.tab));
        p.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        p.list->setContextMenuPolicy(Qt::CustomContextMenu);
        p.list->viewport()->installEventFilter(new KeepSelectionOnRightClick(p.list));
        connect(p.list->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, list](const QModelIndex& current) {
                    m_lists.query(list).seek(m_pages[list].model->queryRow(current.row()));
                    showCurrent(list);
                });
        g->addWidget(p.list, 0, 0, 1, 2);
        QLabel** values[3] = {&p.number, &p.product, &p.vehicle};
        for (int r = 0; r < 3; ++r) {
            auto* caption = Ui::named(new QLabel(QString::fromUtf8(Captions[r])), n.labels[r]);
            auto* value = Ui::named(new QLabel, n.values[r]);
            value->setAccessibleName(caption->text());
            value->setStyleSheet(QStringLiteral("font-weight: bold;"));
            caption->setBuddy(p.list);
            g->addWidget(caption, r + 1, 0);
            g->addWidget(value, r + 1, 1);
            *values[r] = value;
        }
        g->setColumnStretch(1, 1);
        outer->addWidget(group);
        if (i == 0) {
            m_image12 = new PictureButton(QStringLiteral("Image12"), Icons::Kind::Delete,
                                          QStringLiteral("Erstwiegung löschen"), false, 28);
            outer->addWidget(m_image12, 0, Qt::AlignRight);
        }
        p.menu = Ui::named(new QMenu(this), n.menu);
        void (TodayListsView::*const requests[3])(TodayLists::List) = {
            &TodayListsView::ticketRequested, &TodayListsView::photosRequested, &TodayListsView::deleteRequested};
        for (int k = 0; k < 3; ++k) {
            if (!n.items[k][0])
                continue; // the open first weighings have no delete
            QAction* a = p.menu->addAction(QString::fromUtf8(n.items[k][0]));
            a->setObjectName(QString::fromLatin1(n.items[k][1]));
            connect(a, &QAction::triggered, this, [this, list, request = requests[k]] {
                Q_EMIT(this->*request)(list);
            });
        }
        connect(p.list, &QListView::customContextMenuRequested, this, [this, list](const QPoint& pos) {
            m_pages[list].menu->popup(m_pages[list].list->viewport()->mapToGlobal(pos));
        });
        addTab(page, QString::fromUtf8(n.tab));
    }
}

void TodayListsView::reload(TodayLists::List list)
{
    Page& p = m_pages[list];
    p.model->reload();
    {
        const QSignalBlocker block(p.list->selectionModel());
        Ui::selectRow(p.list, 0);
    }
    m_lists.query(list).first();
    showCurrent(list);
}

void TodayListsView::reloadAll()
{
    for (int i = 0; i < 3; ++i)
        reload(TodayLists::List(i));
}

void TodayListsView::select(TodayLists::List list, int row)
{
    Ui::selectRow(m_pages[list].list, m_pages[list].model->modelRow(row));
}

void TodayListsView::showCurrent(TodayLists::List list)
{
    const Query& q = m_lists.query(list);
    Page& p = m_pages[list];
    p.number->setText(q.field(QStringLiteral("wiegenummer")).asText());
    p.product->setText(q.field(QStringLiteral("produktgesamt")).asText());
    p.vehicle->setText(q.field(QStringLiteral("fahrzeuggesamt")).asText());
}

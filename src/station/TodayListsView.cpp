#include "TodayListsView.h"

#include "PictureButton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>

namespace {

struct PageNames
{
    const char* tab;
    const char* group;
    const char* list;
    const char* labels[3];
    const char* values[3];
    const char* menu;
};

const PageNames Names[3] = {
    {"Eingangswiegung", "Eingangswiegung", "DBLookupListBox1", {"Label37", "Label38", "Label39"},
     {"DBText1", "DBText2", "DBText3"}, "popup_eingang"},
    {"Einzelwiegung Heute", "Einzelwiegungen Heute", "DBLookupListBox2", {"Label10", "Label11", "Label12"},
     {"DBText4", "DBText5", "DBText6"}, "popup_einzel_heute"},
    {"Ein-Ausgang Heute", "Ein-Ausgang Heute", "DBLookupListBox3", {"Label40", "Label41", "Label42"},
     {"DBText7", "DBText8", "DBText9"}, "popup_summe_heute"},
};

const char* const Captions[3] = {"Wiegenr.:", "Produkt:", "KFZ:"};

} // namespace

TodayListsView::TodayListsView(QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("TabbedNotebook1"));
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 3px; font-size: 9pt; }"));
    for (int i = 0; i < 3; ++i) {
        const PageNames& n = Names[i];
        auto* page = new QWidget;
        auto* outer = new QVBoxLayout(page);
        auto* group = new QGroupBox(QString::fromUtf8(n.group));
        auto* g = new QGridLayout(group);
        Page& p = pages[i];
        p.list = new QListView;
        p.list->setObjectName(QString::fromLatin1(n.list));
        p.list->setAccessibleName(QString::fromUtf8(n.tab));
        p.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        p.list->setContextMenuPolicy(Qt::CustomContextMenu);
        g->addWidget(p.list, 0, 0, 1, 2);
        QLabel** values[3] = {&p.number, &p.product, &p.vehicle};
        for (int r = 0; r < 3; ++r) {
            auto* caption = new QLabel(QString::fromUtf8(Captions[r]));
            caption->setObjectName(QString::fromLatin1(n.labels[r]));
            auto* value = new QLabel;
            value->setObjectName(QString::fromLatin1(n.values[r]));
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
            auto* del = new PictureButton(QStringLiteral("Image12"), Icons::Kind::Delete,
                                          QStringLiteral("Erstwiegung löschen"), false, 28);
            outer->addWidget(del, 0, Qt::AlignRight);
            image12 = del;
        }
        p.menu = new QMenu(this);
        p.menu->setObjectName(QString::fromLatin1(n.menu));
        addTab(page, QString::fromUtf8(n.tab));
    }
}

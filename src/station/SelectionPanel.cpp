#include "SelectionPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SelectionPanel::SelectionPanel(const char* name, const QString& caption, const char* editName, const char* searchName,
                               const char* insertName, const char* cancelName, QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(caption);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setStyleSheet(
        QStringLiteral("SelectionPanel { background: #eef4fb; border: 2px solid #216ebe; border-radius: 6px; }"));
    auto* g = new QGridLayout(this);
    auto* title = new QLabel(caption);
    title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14pt;"));
    edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(editName));
    title->setBuddy(edit);
    search = new QPushButton(QStringLiteral("Auswahl"));
    search->setObjectName(QString::fromLatin1(searchName));
    insert = new QPushButton(QStringLiteral("Einfügen"));
    insert->setObjectName(QString::fromLatin1(insertName));
    cancel = new QPushButton(QStringLiteral("x Abbruch"));
    cancel->setObjectName(QString::fromLatin1(cancelName));
    g->addWidget(title, 0, 0, 1, 3);
    g->addWidget(edit, 1, 0, 1, 3);
    g->addWidget(search, 2, 0);
    g->addWidget(insert, 2, 1);
    g->addWidget(cancel, 2, 2);
    hide();
}

#include "LoginPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LoginPanel::LoginPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("login"));
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("LoginPanel { background: white; }"));
    auto* outer = new QGridLayout(this);
    auto* box = new QFrame;
    box->setFrameShape(QFrame::StyledPanel);
    box->setFixedWidth(380);
    auto* g = new QGridLayout(box);

    auto* logo = new QLabel;
    logo->setObjectName(QStringLiteral("Image10"));
    logo->setFixedHeight(90);
    logo->setStyleSheet(
        QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #216ebe, stop:1 #2e9646);"
                       " border-radius: 8px;"));
    auto* title = new QLabel(QStringLiteral("PDMR"), logo);
    title->setObjectName(QStringLiteral("Label16"));
    title->setStyleSheet(QStringLiteral("color: white; font-size: 32pt; font-weight: bold; background: transparent;"));
    title->setGeometry(16, 36, 300, 52);

    benutzername = new QLineEdit;
    benutzername->setObjectName(QStringLiteral("benutzername"));
    kennwort = new QLineEdit;
    kennwort->setObjectName(QStringLiteral("kennwort"));
    kennwort->setEchoMode(QLineEdit::Password);
    auto* userLabel = new QLabel(QStringLiteral("Benutzername:"));
    userLabel->setObjectName(QStringLiteral("Label17"));
    userLabel->setBuddy(benutzername);
    auto* passLabel = new QLabel(QStringLiteral("Kennwort:"));
    passLabel->setObjectName(QStringLiteral("Label18"));
    passLabel->setBuddy(kennwort);
    login = new QPushButton(QStringLiteral("Login"));
    login->setObjectName(QStringLiteral("Button11"));
    auto* path = new QLabel(QStringLiteral("____________________"));
    path->setObjectName(QStringLiteral("DBpfad"));

    g->addWidget(logo, 0, 0, 1, 2);
    g->addWidget(userLabel, 1, 0);
    g->addWidget(benutzername, 1, 1);
    g->addWidget(passLabel, 2, 0);
    g->addWidget(kennwort, 2, 1);
    g->addWidget(login, 3, 1);
    g->addWidget(path, 4, 0, 1, 2);
    outer->addWidget(box, 0, 0, Qt::AlignCenter);
    hide();
}

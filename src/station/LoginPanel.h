#pragma once

#include <QFrame>

class QLineEdit;
class QPushButton;

// The panel that covers the whole main window until a user has logged in.
class LoginPanel : public QFrame
{
    Q_OBJECT
public:
    explicit LoginPanel(QWidget* parent = nullptr);

    QLineEdit* benutzername;
    QLineEdit* kennwort;
    QPushButton* login;
};

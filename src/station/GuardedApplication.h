#pragma once

#include <QApplication>

// The last net under every event handler: an exception that reaches the event loop is shown in a
// message box and the program goes on.
class GuardedApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

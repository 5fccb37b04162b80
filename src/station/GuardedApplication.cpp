#include "GuardedApplication.h"

#include "ErrorBoundary.h"

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    ErrorBoundary::run([&] { result = QApplication::notify(receiver, event); });
    return result;
}

#pragma once

#include <QDateTime>

// The station's notion of "now": the system clock, or a time that tests set. The database function
// now() reads it too, so the 24-hour lists can be tested at any moment.
class Clock
{
public:
    static QDateTime now();
    static void set(const QDateTime& fixed);
    static void reset();
};

#pragma once

#include <QDateTime>

#include <optional>

// The one place the program reads the time of day from, so that tests can fix it.
class Clock
{
public:
    static QDateTime now();
    // A fixed time for tests; nullopt returns to the system clock.
    static void fix(std::optional<QDateTime> time);
};

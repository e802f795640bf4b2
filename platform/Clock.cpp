#include "platform/Clock.h"

namespace {
std::optional<QDateTime> &fixed()
{
    static std::optional<QDateTime> time;
    return time;
}
} // namespace

QDateTime Clock::now()
{
    return fixed() ? *fixed() : QDateTime::currentDateTime();
}

void Clock::fix(std::optional<QDateTime> time)
{
    fixed() = std::move(time);
}

#include "platform/Clock.h"
#include <chrono>

std::uint64_t SteadyClock::Counter()
{
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

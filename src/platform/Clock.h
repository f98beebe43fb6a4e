#pragma once
#include <cstdint>

// The high-resolution counter that seeds the card generator. The real one is the steady
// clock in nanoseconds; batch printing with a seed puts a deterministic sequence in its place.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t Counter() = 0;
};

class SteadyClock final : public Clock {
public:
    std::uint64_t Counter() override;
};

#ifndef PASSCOUNTERS_H
#define PASSCOUNTERS_H

#include <cstdint>

// Slot numbers that the next kept segment of each numbered family receives.
// They start at 0 with every pass and only rise.
struct PassCounters
{
    std::int32_t m = 0;
    std::int32_t r = 0;
    std::int32_t s = 0;
    std::int32_t t = 0;
};

#endif // PASSCOUNTERS_H

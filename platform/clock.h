#pragma once

#include "core/dates.h"

namespace pickwise {

class Clock
{
public:
    virtual ~Clock() = default;
    virtual Date today() = 0;
    // Seconds since midnight, with fraction.
    virtual double timeOfDay() = 0;
};

// Uniform random numbers in [0, 1). Seeded once per run.
class Random
{
public:
    virtual ~Random() = default;
    virtual double next() = 0;
};

} // namespace pickwise

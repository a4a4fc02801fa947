#include "CWaitScale.h"

#include <atomic>

namespace {
// Read by every thread that waits; written only by a test program before its jobs start.
std::atomic<int> s_divisor{1};
} // namespace

int CWaitScale::ms(int programMs)
{
    const int d = s_divisor.load(std::memory_order_relaxed);
    if (d <= 1 || programMs <= 0)
        return programMs;
    const int scaled = programMs / d;
    return scaled < 1 ? 1 : scaled;
}

void CWaitScale::setDivisor(int divisor)
{
    s_divisor.store(divisor < 1 ? 1 : divisor, std::memory_order_relaxed);
}

int CWaitScale::divisor()
{
    return s_divisor.load(std::memory_order_relaxed);
}

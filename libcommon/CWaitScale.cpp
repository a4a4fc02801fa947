#include "CWaitScale.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <atomic>

namespace {
// The longest a stoppable sleep goes without looking at its stop flag.
const qint64 SLEEP_SLICE_MS = 100;
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

bool CWaitScale::sleepUnlessStopped(int programMs, const std::atomic<bool> &stop)
{
    const int total = ms(programMs);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (stop.load())
            return false;
        const qint64 left = total - clock.elapsed();
        if (left <= 0)
            return true;
        QThread::msleep(unsigned(std::min(SLEEP_SLICE_MS, left)));
    }
}

#ifndef CWAITSCALE_H
#define CWAITSCALE_H

#include <atomic>

// The one place where the program's real waits can be shortened.
//
// Every wait that lets real time pass (a QTimer interval, a QThread::msleep, a socket wait, the
// pauses between repeated broadcasts) takes its length through CWaitScale::ms(). While the
// divisor is 1, which is all the program itself ever uses, ms() returns its argument unchanged.
//
// Test programs call setDivisor() once, before any job starts, to run the same code many times
// faster: the waits shrink, but everything the program counts stays as it is. Only the length of
// a real wait goes through ms(); never a counted value (an elapsed sum that grows by 500 per
// tick, a percentage, a remaining time, a bar value, a time-out that a count is compared with).
// So a job that times out after 250 ticks and 125000 counted milliseconds still does exactly
// that; it only reaches that point sooner on the clock.
//
// Nothing in the program sets the divisor: there is no option, environment variable or setting
// for it.
class CWaitScale
{
public:
    // The real wait for a wait the program asks for, in milliseconds: programMs itself while the
    // divisor is 1, else programMs / divisor but at least 1. 0 and -1 (no limit) and other
    // negative values are returned unchanged.
    static int ms(int programMs);

    // Sleeps the real wait for programMs on the calling thread, in slices of at most 100 ms, and
    // stops early once `stop` is true. True when the whole wait passed, false when stopped.
    static bool sleepUnlessStopped(int programMs, const std::atomic<bool> &stop);

    // Sets the divisor (values below 1 count as 1). For test programs only, before any wait runs.
    static void setDivisor(int divisor);
    static int divisor();

private:
    CWaitScale() = delete;
};

#endif // CWAITSCALE_H

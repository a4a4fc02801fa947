// The one limit of the tests' waits for something that must come (a signal, a reply, a process's
// end, a window): a hang guard that a correct program never comes near on a slow, busy machine.
// Such a wait still ends as soon as its event arrives; it only gives up after guardMs().
//
// Waits that prove something does NOT happen within a time, and the program's own time-outs, are
// no hang guards: they keep their real times and do not use this.
//
// An assertion on an elapsed time is no wait either: it never compares with guardMs(). Its bound
// is the program's own wait that the fault it names would show, given by name through before().
#ifndef HANGGUARD_H
#define HANGGUARD_H

#include <QtTest>

#include <atomic>
#include <memory>

namespace tsup {

// How many times slower than the release build this build runs: the sanitizer build (ASan and
// UBSan, without optimisation) and a test built with ThreadSanitizer run several times slower.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int kSlowness = 3;
#else
constexpr int kSlowness = 1;
#endif

// The hang guard of a wait that was given `stepMs` (what the step was once thought to need, or
// nothing): a minute, or the time given when that is longer, times the build's slowness.
constexpr int guardMs(int stepMs = 0)
{
    return (stepMs > 60000 ? stepMs : 60000) * kSlowness;
}

// The bound of an assertion on an elapsed time: the program's own wait (a stop wait, a ping
// window, a send time-out) that the fault the assertion names would spend, given by its name,
// e.g. `QVERIFY(t.elapsed() < tsup::before(CThreadNetInstall::STOP_WAIT_MS))`. It is not scaled
// for slow builds: the fault takes that wait in every build. Where a busy machine could make the
// right path as slow as the wait, the test observes the cause instead (the event, log line,
// counter or state only the fault produces), or makes the program's wait far longer through a
// seam the code offers so that the bound has room.
constexpr qint64 before(qint64 programWaitMs)
{
    return programWaitMs;
}

// How long `stop` (a call that ends the thread and waits for it) went on after the thread had
// ended, in ms (-1: it had not ended by then). A stop whose wait ends with the thread returns at
// once, however long the thread's last turn took; one that waits out its whole wait does not.
template <typename Stop>
qint64 msPastEnd(QThread *thread, Stop stop)
{
    QElapsedTimer clock;
    clock.start();
    const auto endedAt = std::make_shared<std::atomic<qint64>>(-1); // set on the ending thread
    const QMetaObject::Connection seen = QObject::connect(
        thread, &QThread::finished, thread, [clock, endedAt] { *endedAt = clock.elapsed(); },
        Qt::DirectConnection);
    stop();
    QObject::disconnect(seen);
    return *endedAt < 0 ? -1 : clock.elapsed() - *endedAt;
}

} // namespace tsup

// A QTRY_ check whose condition never came true has waited a whole hang guard already; it fails
// at once instead of waiting twice that again to tell whether a longer time would have done.
#undef QTRY_TIMEOUT_DEBUG_IMPL
#define QTRY_TIMEOUT_DEBUG_IMPL(expr, timeoutValue, step)

#endif // HANGGUARD_H

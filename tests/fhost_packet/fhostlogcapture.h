// Collects the discovery library's log lines of both levels for the codec tests.
#ifndef FHOSTLOGCAPTURE_H
#define FHOSTLOGCAPTURE_H

#include <QByteArray>
#include <QList>
#include <QRegularExpression>

#include "fhost.h"

struct LogCapture {
    static QList<QByteArray> &lines(int level)
    {
        static QList<QByteArray> l1, l2;
        return level == 1 ? l1 : l2;
    }
    static int outL1(const char *text)
    {
        lines(1).append(QByteArray(text));
        return 0;
    }
    static int outL2(const char *text)
    {
        lines(2).append(QByteArray(text));
        return 0;
    }

    FHOSTLOGCTX ctx;
    LogCapture()
    {
        ctx = FHOSTLOGCTX();
        ctx.pfnOutputL1 = outL1;
        ctx.pfnOutputL2 = outL2;
        clear();
    }
    void clear()
    {
        lines(1).clear();
        lines(2).clear();
    }
    int count() const { return lines(1).size() + lines(2).size(); }
    // Number of lines of a level matching a regular expression.
    static int matching(int level, const char *pattern)
    {
        QRegularExpression re(QString::fromLatin1(pattern));
        int n = 0;
        for (const QByteArray &line : lines(level)) {
            if (re.match(QString::fromLatin1(line)).hasMatch())
                ++n;
        }
        return n;
    }
    static QByteArray dump()
    {
        QByteArray all;
        for (int level = 1; level <= 2; ++level)
            for (const QByteArray &line : lines(level))
                all += "L" + QByteArray::number(level) + ": " + line;
        return all;
    }
};

#endif // FHOSTLOGCAPTURE_H

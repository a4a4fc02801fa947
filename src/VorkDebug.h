#ifndef VORKDEBUG_H
#define VORKDEBUG_H

#include <QtGlobal>
#include <QString>

// The program's debug lines read "<source unit>:<line> <expression>=[<value>]". They go through
// Qt's message handler, which writes them into the debug file when debugging is switched on
// (options -d / -D). `source` is the unit's name inside the source tree, for example
// "src/WOL/CVorkWOL", never a build path.
#define VORK_DEBUG_STR(source, expr, value) \
    qDebug("%s:%d %s=[%s]\n", source, __LINE__, expr, qPrintable(QString(value)))
#define VORK_DEBUG_INT(source, expr, value) \
    qDebug("%s:%d %s=[%d]\n", source, __LINE__, expr, static_cast<int>(value))

// Output function of the discovery library's log context: a non-null text goes to qDebug as it
// stands (never as a format, so a '%' in a library line is printed, not interpreted); a null
// text is ignored. Always returns 0.
int findhostPrintSink(const char *text);

#endif // VORKDEBUG_H

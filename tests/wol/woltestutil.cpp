#include "woltestutil.h"

#include "platforms.h"

namespace {

QStringList g_debugLines;
QtMessageHandler g_previousHandler = nullptr;
QStringList g_libraryLines;
PFNFHOSTLOGOUTPUT g_previousOutput = nullptr;

void collectDebug(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg)
        g_debugLines << message;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

int collectLibrary(const char *text)
{
    if (text)
        g_libraryLines << QString::fromUtf8(text);
    return 0;
}

bool anyContains(const QStringList &lines, const QString &part)
{
    for (const QString &line : lines)
        if (line.contains(part))
            return true;
    return false;
}

} // namespace

DebugLines::DebugLines()
{
    g_debugLines.clear();
    g_previousHandler = qInstallMessageHandler(collectDebug);
}

DebugLines::~DebugLines()
{
    qInstallMessageHandler(g_previousHandler);
}

QStringList DebugLines::lines() const
{
    return g_debugLines;
}

bool DebugLines::contains(const QString &part) const
{
    return anyContains(g_debugLines, part);
}

LibraryLines::LibraryLines()
{
    g_libraryLines.clear();
    g_previousOutput = gpFHOSTLogCtx->pfnOutputL1;
    FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_ERROR, collectLibrary);
}

LibraryLines::~LibraryLines()
{
    FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_ERROR, g_previousOutput);
}

QStringList LibraryLines::lines() const
{
    return g_libraryLines;
}

bool LibraryLines::contains(const QString &part) const
{
    return anyContains(g_libraryLines, part);
}

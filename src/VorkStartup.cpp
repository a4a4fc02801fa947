#include "VorkStartup.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <getopt.h>

#include "CFindHostUDP.h"
#include "VorkDebug.h"
#include "fhost.h"

bool gblDebug = false;
char gszDebugFilePath[VORK_PATH_BUFFER] = "mydebug.txt";
bool gblFont = true;
int gnFontSize = 0;
QString gstrLanguageHint;
char gszPatchCopyDir[VORK_PATH_BUFFER] = "";
bool gblPatchCopy = false;

namespace {

// Copies at most VORK_PATH_BUFFER - 1 bytes and always terminates.
void copyPath(char (&target)[VORK_PATH_BUFFER], const char *source)
{
    memset(target, 0, sizeof(target));
    if (source)
        strncpy(target, source, sizeof(target) - 1);
}

} // namespace

void resetStartupOptions()
{
    gblDebug = false;
    copyPath(gszDebugFilePath, "mydebug.txt");
    gblFont = true;
    gnFontSize = 0;
    gstrLanguageHint.clear();
    copyPath(gszPatchCopyDir, "");
    gblPatchCopy = false;
}

void parseStartupOptions(int argc, char **argv)
{
    // 0 makes glibc's getopt start a fresh scan (it also re-reads its settings).
    optind = 0;
    int option;
    while ((option = getopt(argc, argv, "adFs:D:L:P:")) != -1) {
        switch (option) {
        case 'd':
            gblDebug = true;
            break;
        case 'D':
            copyPath(gszDebugFilePath, optarg);
            gblDebug = true;
            break;
        case 'F':
            gblFont = false;
            break;
        case 's':
            gnFontSize = int(strtol(optarg, nullptr, 10));
            break;
        case 'L':
            gstrLanguageHint = QString::fromLocal8Bit(optarg);
            break;
        case 'P':
            copyPath(gszPatchCopyDir, optarg);
            gblPatchCopy = true;
            break;
        case 'a':
        default:
            // -a is accepted and ignored; getopt has already reported an unknown option.
            break;
        }
    }
}

void debugMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    Q_UNUSED(context);
    // In the C locale: the stamp is in ASCII digits whatever the desktop's locale.
    const QByteArray stamp =
        QLocale::c()
            .toString(QDateTime::currentDateTime(), QStringLiteral("MM-dd hh:mm:ss"))
            .toLocal8Bit();
    FILE *file = fopen(gszDebugFilePath, "a+");
    if (!file)
        return;

    const char *level = nullptr;
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        level = "Debug";
        break;
    case QtWarningMsg:
        level = "Warning";
        break;
    case QtFatalMsg:
        level = "Fatal";
        break;
    case QtCriticalMsg:
        break;
    }
    if (level) {
        // The whole line goes out in one write, so lines of different threads never mix.
        QByteArray line = stamp;
        line += ' ';
        line += level;
        line += ": ";
        line += text.toLocal8Bit();
        line += '\n';
        fwrite(line.constData(), 1, size_t(line.size()), file);
    }
    if (type == QtFatalMsg) {
        fflush(file);
        abort();
    }
    fflush(file);
    fclose(file);
}

void startDebugLog()
{
    remove(gszDebugFilePath);
    qInstallMessageHandler(debugMessageHandler);
    FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_ERROR, findhostPrintSink);
    FHOSTLogSetOutput(gpFHOSTLogCtx, FHOST_LOG_DETAIL, findhostPrintSink);
}

#ifndef CTOOLRUN_H
#define CTOOLRUN_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>

class QProcess;

// One run of an external converter tool (ImageMagick, the RAW script, ffmpeg, qt-faststart).
//
// The tool is started with an argument vector (never through a shell) and polled every
// `CToolRun::PollMs` milliseconds until it ends by itself or the owner's stop flag is seen set, in
// which case it is killed and reaped. There is no overall time limit. A tool that fails to start
// or fails at its work still counts as a completed run: callers judge the files it was to write.
class CToolRun
{
public:
    // Which stream of the tool is read once it has ended.
    enum Output { NoOutput, StandardOutput, StandardError };

    // Expression texts of the debug lines of one kind of run (see VORK_DEBUG_STR). `output` may be
    // null: the stream named by `Request::read` is then returned but not logged.
    struct DebugTexts {
        const char* source;     // source unit, e.g. "src/PhotoUploader/CImageConverter"
        const char* program;    // "Program: " + path
        const char* arguments;  // the argument text
        const char* kill;       // the kill message
        const char* output;     // "Out " + output
    };

    struct Request {
        QString program;
        QStringList arguments;
        QString killMessage;        // logged when a stop kills the tool
        QString programLine;        // logged in place of "Program: " + program when not empty
        QString workingDirectory;   // empty: the program's own
        // A file the tool reads as its standard input (empty: none). A tool that is handed its
        // input this way never sees the file's name, so no character of it can mean anything to
        // the tool. A file that cannot be opened keeps the tool from starting.
        QString inputFile;
        Output read = StandardOutput;
        DebugTexts texts;
    };

    struct Result {
        bool stopped = false;      // the stop flag was seen: the tool was killed, nothing was read
        QByteArray output;         // the whole stream named by Request::read (completed runs)
        int exitCode = -1;         // the tool's exit code when it exited by itself, else -1
        bool exitedNormally = false; // started and exited by itself (no crash, no start failure)
    };

    static const int PollMs = 100;
    // Upper bound on reaping a killed tool before its process object is deleted anyway.
    static const int ReapMs = 5000;

    // Runs the tool. While it runs, `process` holds its process object (owned by this call; null
    // again on return), so that an owner can see that a tool is running. `stop` is tested before
    // every wait, including the first one right after the start.
    static Result run(const Request& request, QProcess*& process, const std::atomic<bool>& stop);

    // Every argument followed by one blank: "" for no arguments.
    static QString argumentText(const QStringList& arguments);
    // The bytes up to the first zero byte, as Latin-1 text.
    static QString outputText(const QByteArray& bytes);
    // `path` as an absolute path, so that a tool never takes a relative name that begins with "-"
    // for an option, nor resolves it against a working folder of its own.
    static QString absolutePath(const QString& path);
    // True when `path` is a file of at least one byte: the tools' exit codes say little, and a step
    // has made its output exactly when that output is such a file.
    static bool isMade(const QString& path);
    // Removes `path` when it is an empty file (a tool that failed after creating its output, or a
    // shell redirection in front of a tool that wrote nothing). True when it removed the file.
    static bool removeIfEmpty(const QString& path);
};

#endif // CTOOLRUN_H

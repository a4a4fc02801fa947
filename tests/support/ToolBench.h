#ifndef TOOLBENCH_H
#define TOOLBENCH_H

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <thread>

// The converter tools of a test binary. The converters look their tools up beside the running
// binary (QCoreApplication::applicationDirPath()), so every test binary that runs them has its own
// output folder, and a test case sets up the tools it wants there:
//  - installReal(): the build's layout (links to Debian's tools, a copy of our RAW script), made
//    from the same list that cmake/VorkTools.cmake places beside the program;
//  - installFake(): the recording stand-in (fake_tool.cpp) under a tool's name, driven by a plan.
// Tool names are paths under the binary's folder, as the converters use them: "ImageMagick/convert",
// "dcraw/dcraw", "dcraw_LNX.sh".
class ToolBench
{
public:
    struct Call {
        QStringList args;
        QString cwd;
        QString input; // the file the standard input reads (resolved path), or "pipe:[...]"
        qint64 pid = 0;
    };

    ToolBench();

    // Writes a JPEG photo of the given size with some structure, so that the coder has real work
    // to do. False when it could not be written.
    static bool writePhoto(const QString &path, int width, int height);

    QString appDir() const { return m_appDir; }
    QString toolPath(const QString& tool) const { return m_appDir + "/" + tool; }

    // Removes every tool, plan and record of every registered tool set.
    bool clear();
    // Installs the real tools of the named sets ("image", "raw", ...; all when empty).
    // Fails, naming the Debian package, when a tool is not installed on this machine.
    bool installReal(const QStringList& sets = QStringList(), QString* error = nullptr);
    // Installs the stand-in under a tool's name, with an optional plan (one line per run).
    bool installFake(const QString& tool, const QStringList& plan = QStringList());
    bool setPlan(const QString& tool, const QStringList& plan);

    // The recorded runs of a stand-in, oldest first.
    QList<Call> calls(const QString& tool) const;
    // Waits (event loop running) until the stand-in has recorded at least `count` runs, or the
    // hang guard (tsup::guardMs(timeoutMs)) is up.
    bool waitForCalls(const QString& tool, int count, int timeoutMs = 0) const;

    // The Debian package that provides a real tool file ("imagemagick", "dcraw"), for messages.
    static QString packageOf(const QString& realFile);

private:
    struct Entry {
        QString set;
        QString path;
        bool link;
        QString file;
    };
    static QList<Entry> entries();

    QString m_appDir;
};

// A FIFO given to a tool as its input file, which keeps the tool blocked for as long as it lives:
// nobody ever writes to it. The FIFO itself tells when a tool has opened it and when every process
// that had it open for reading is gone, so a test waits on these events rather than looking for
// processes by name. A thread of its own blocks in opening the write end, which returns once a
// reader has opened the FIFO; from then on the write end reports an error once no reader is left.
// While the write end is open a reader is not at the end of its file: it blocks in its first read
// instead of its open.
class ToolFifo
{
public:
    // Makes the FIFO (mode 0600) at `path`; see isValid().
    explicit ToolFifo(const QString& path);
    // Closes the write end, so that a reader that is still there reads the end of its file and
    // can end, and removes the FIFO.
    ~ToolFifo();
    ToolFifo(const ToolFifo&) = delete;
    ToolFifo& operator=(const ToolFifo&) = delete;

    bool isValid() const { return m_valid; }
    QString path() const { return m_path; }

    // Waits (event loop running) until a process has opened the FIFO for reading, or the hang
    // guard (tsup::guardMs(timeoutMs)) is up.
    bool waitForReader(int timeoutMs);
    // Waits (event loop running) until, after a reader came, no process has the FIFO open for
    // reading any more, or the hang guard is up; with 0, says whether that is so now.
    bool waitForNoReader(int timeoutMs);

private:
    bool readerGone() const;

    QString m_path;
    bool m_valid = false;
    int m_writeEnd = -1;
    std::atomic<bool> m_opened{false};
    std::atomic<bool> m_finishing{false};
    std::thread m_watcher;
};

#endif // TOOLBENCH_H

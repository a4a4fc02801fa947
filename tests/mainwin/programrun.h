// Runs the real program in a test: its own temporary directory (which also separates single
// instances), settings and home, a working directory, and a stop by signal.
#ifndef PROGRAMRUN_H
#define PROGRAMRUN_H

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <sys/types.h>

#include "mainwintest.h"

namespace mwt {

// One isolated place for program runs: TMPDIR, XDG_CONFIG_HOME and HOME below one directory.
// Short paths, because the single-instance socket lives in TMPDIR.
class ProgramPlace
{
public:
    ProgramPlace() : m_dir(QDir::tempPath() + QStringLiteral("/vork-mw-XXXXXX"))
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("tmp"));
        QDir(m_dir.path()).mkpath(QStringLiteral("cfg/Quenlori"));
        QDir(m_dir.path()).mkpath(QStringLiteral("work"));
    }
    bool isValid() const { return m_dir.isValid(); }
    QString path(const QString &name = QString()) const
    {
        return name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
    }
    QString tmpDir() const { return path(QStringLiteral("tmp")); }
    QString workDir() const { return path(QStringLiteral("work")); }
    QString settingsFile() const { return path(QStringLiteral("cfg/Quenlori/VRVornakeeper.conf")); }

    // Writes the settings file (INI text).
    void setSettings(const QByteArray &ini) const
    {
        QFile f(settingsFile());
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(ini);
    }
    QByteArray settings() const
    {
        QFile f(settingsFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QProcessEnvironment environment(const QString &tmpDir = QString()) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), tmpDir.isEmpty() ? this->tmpDir() : tmpDir);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("cfg")));
        env.insert(QStringLiteral("HOME"), path());
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
        return env;
    }

private:
    QTemporaryDir m_dir;
};

// One run of the program.
class ProgramRun
{
public:
    ProgramRun(const ProgramPlace &place, const QStringList &args,
               const QString &tmpDir = QString())
    {
        m_process.setProcessEnvironment(place.environment(tmpDir));
        m_process.setWorkingDirectory(place.workDir());
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(QStringLiteral(VORK_PROGRAM), args);
        m_process.waitForStarted(tsup::guardMs());
    }
    ~ProgramRun()
    {
        if (running()) {
            m_process.kill();
            m_process.waitForFinished(tsup::guardMs());
        }
    }

    bool running() const { return m_process.state() != QProcess::NotRunning; }
    qint64 pid() const { return m_process.processId(); }

    // Waits for the end while this process's event loop runs.
    bool waitForEnd(int timeoutMs)
    {
        return waitFor([this] { return !running(); }, timeoutMs);
    }
    // Still running after the whole time.
    bool staysRunning(int ms)
    {
        return !tsup::comesWithin([this] { return !running(); }, ms);
    }
    bool signal(int sig)
    {
        return running() && ::kill(pid_t(m_process.processId()), sig) == 0;
    }
    bool stop()
    {
        signal(SIGTERM);
        return waitForEnd(10000);
    }
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }

private:
    QProcess m_process;
};

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Waits until the file holds every one of the texts.
inline bool waitForLog(const QString &path, const QStringList &texts, int timeoutMs)
{
    return waitFor(
        [&] {
            const QString log = QString::fromLocal8Bit(readFile(path));
            for (const QString &t : texts)
                if (!log.contains(t))
                    return false;
            return true;
        },
        timeoutMs);
}

inline const QRegularExpression &debugLine()
{
    static const QRegularExpression re(
        QStringLiteral("^\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d (Debug|Warning): "));
    return re;
}

inline QStringList threeUnitAnswers()
{
    return {QStringLiteral("BResponse from VarnestorNorth"),
            QStringLiteral("BResponse from VarnestorSouth"),
            QStringLiteral("BResponse from VarnestorWest")};
}

} // namespace mwt

#endif // PROGRAMRUN_H

#include "CToolRun.h"

#include "VorkDebug.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

QString CToolRun::argumentText(const QStringList& arguments)
{
    QString text;
    for (const QString& argument : arguments) {
        text += argument;
        text += QLatin1Char(' ');
    }
    return text;
}

QString CToolRun::outputText(const QByteArray& bytes)
{
    // fromLatin1 with a plain char pointer stops at the first zero byte.
    return QString::fromLatin1(bytes.constData());
}

QString CToolRun::absolutePath(const QString& path)
{
    return QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path);
}

bool CToolRun::isMade(const QString& path)
{
    const QFileInfo file(path);
    return file.isFile() && file.size() > 0;
}

bool CToolRun::removeIfEmpty(const QString& path)
{
    const QFileInfo file(path);
    return file.isFile() && file.size() == 0 && QFile::remove(path);
}

CToolRun::Result CToolRun::run(const Request& request, QProcess*& process, const std::atomic<bool>& stop)
{
    const DebugTexts& t = request.texts;
    Result result;

    VORK_DEBUG_STR(t.source, t.program,
                   request.programLine.isEmpty() ? QString("Program: " + request.program) : request.programLine);
    VORK_DEBUG_STR(t.source, t.arguments, argumentText(request.arguments));

    process = new QProcess();
    if (!request.workingDirectory.isEmpty())
        process->setWorkingDirectory(request.workingDirectory);
    if (!request.inputFile.isEmpty())
        process->setStandardInputFile(request.inputFile);
    process->start(request.program, request.arguments, QIODevice::ReadWrite);

    while (process->state() != QProcess::NotRunning) {
        if (stop.load()) {
            VORK_DEBUG_STR(t.source, t.kill, request.killMessage);
            process->kill();
            // Reap the killed tool, so that neither a zombie nor a still-running child is left
            // behind when its process object goes.
            process->waitForFinished(ReapMs);
            delete process;
            process = nullptr;
            result.stopped = true;
            return result;
        }
        // Returns as soon as the tool has ended, so the poll adds no time to a run.
        process->waitForFinished(PollMs);
    }

    if (request.read == StandardOutput)
        result.output = process->readAllStandardOutput();
    else if (request.read == StandardError)
        result.output = process->readAllStandardError();
    if (request.read != NoOutput && t.output)
        VORK_DEBUG_STR(t.source, t.output, QString("Out " + outputText(result.output)));

    result.exitedNormally = process->error() != QProcess::FailedToStart
                            && process->exitStatus() == QProcess::NormalExit;
    if (result.exitedNormally)
        result.exitCode = process->exitCode();

    delete process;
    process = nullptr;
    return result;
}

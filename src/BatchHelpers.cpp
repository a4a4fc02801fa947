#include "BatchHelpers.h"

#include <QDir>
#include <QFileInfo>

#include "NasinfoText.h"

QString expandServerNameTemplate(const QString &name, unsigned int n)
{
    const int count = name.count(QLatin1Char('#'));
    if (name.isEmpty() || count == 0)
        return name;
    QString expanded = name;
    expanded.remove(QLatin1Char('#'));
    if (count == 1)
        return expanded + QString::number(n);
    return expanded + QStringLiteral("%1").arg(n, count, 10, QLatin1Char('0'));
}

namespace {

// The build number a patch file's name carries; *isNumber false when the rest is no number.
unsigned long buildOfPatchName(const QString &fileName, const QString &modelId, bool *isNumber)
{
    QString rest = fileName;
    rest.remove(modelId + QLatin1Char('_'), Qt::CaseInsensitive);
    rest.remove(QStringLiteral(".pat"), Qt::CaseInsensitive);
    const unsigned long build = rest.toULong(isNumber, 10);
    return *isNumber ? build : 0;
}

} // namespace

QString findNewestPatchFile(const QString &directory, const NASINFO *pnasInfo)
{
    if (directory.isEmpty() || !pnasInfo)
        return QString();
    const QString modelId = nasinfoText(pnasInfo->szModelId);
    const QDir dir(directory);
    // QDir's name filters ignore letter case unless told otherwise: "m_1200.PAT" counts.
    const QFileInfoList files = dir.entryInfoList(QStringList(modelId + QStringLiteral("*.pat")),
                                                  QDir::Files, QDir::Unsorted);

    // The greatest build wins. Comparing the names as texts would put "M_999.pat" above
    // "M_1000.pat" and pick an older build, so the names only break ties.
    const QFileInfo *newest = nullptr;
    unsigned long newestBuild = 0;
    bool newestIsNumber = false;
    for (const QFileInfo &file : files) {
        bool isNumber = false;
        const unsigned long build = buildOfPatchName(file.fileName(), modelId, &isNumber);
        bool better;
        if (!newest)
            better = true;
        else if (isNumber != newestIsNumber)
            better = isNumber;
        else if (build != newestBuild)
            better = build > newestBuild;
        else
            better = QString::localeAwareCompare(file.fileName(), newest->fileName()) > 0;
        if (better) {
            newest = &file;
            newestBuild = build;
            newestIsNumber = isNumber;
        }
    }
    if (!newest)
        return QString();
    if (newestBuild < pnasInfo->ulBuild)
        return QString::number(pnasInfo->ulBuild);
    return newest->absoluteFilePath();
}

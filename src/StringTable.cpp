#include "StringTable.h"

#include <QCoreApplication>

#include <mutex>

#include "VorkDebug.h"

// s_stringKeyData and s_stringTextData, generated from translations/strings.tsv.
#include "StringTableData.inc"

const char *gszStringKeys[VORK_STRING_COUNT];
const char *gszStringTexts[VORK_STRING_COUNT];

namespace {
std::once_flag s_tableFilled;
}

void initStringTable()
{
    std::call_once(s_tableFilled, [] {
        for (int i = 0; i < VORK_STRING_COUNT; ++i) {
            gszStringKeys[i] = s_stringKeyData[i];
            gszStringTexts[i] = s_stringTextData[i];
        }
    });
}

QString getString(int index)
{
    if (index < 0 || index >= VORK_STRING_COUNT) {
        VORK_DEBUG_INT("src/StringTable", "index out of range", index);
        return QString();
    }
    initStringTable();
    // Translate first: the catalogues are keyed by the stored text, escapes included.
    QString text = QCoreApplication::translate("global", gszStringTexts[index]);
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\\t"), QLatin1String("\t"));
    return text;
}

int findStringKey(const QString &key)
{
    initStringTable();
    const QByteArray local = key.toLocal8Bit();
    for (int i = 0; i < VORK_STRING_COUNT; ++i) {
        if (qstricmp(local.constData(), gszStringKeys[i]) == 0)
            return i;
    }
    return -1;
}

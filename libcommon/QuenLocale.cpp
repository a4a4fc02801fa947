#include "QuenLocale.h"

#include <QFile>
#include <QLocale>
#include <QtDebug>

// Debug lines in the program's usual "<unit>:<line> <expression>=[<value>]" form.
#define QUENLOCALE_DEBUG(expr, value) \
    qDebug("%s:%d %s=[%s]\n", "libcommon/QuenLocale", __LINE__, expr, qPrintable(QString(value)))

const char *const gszLanguageCodes[21] = {
    "enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
    "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy",
    nullptr,
};

const QString QuenLocale::s_defaultLanguage = QStringLiteral("enu");

namespace {

// Language part of a locale name -> interface language code.
struct LanguageMapEntry {
    const char *lang;
    const char *code;
};

const LanguageMapEntry s_languageMap[] = {
    {"en", "enu"}, {"zh", "chs"}, {"ja", "jpn"}, {"de", "deu"}, {"ko", "krn"},
    {"fr", "fra"}, {"it", "ita"}, {"es", "esn"}, {"pt", "ptb"}, {"tr", "trk"},
    {"ru", "rus"}, {"da", "dan"}, {"no", "nor"}, {"nb", "nor"}, {"nn", "nor"},
    {"sv", "sve"}, {"nl", "nld"}, {"pl", "plk"}, {"hu", "hun"}, {"cs", "csy"},
};

QString mapLanguage(const QString &lang)
{
    QString english;
    for (const LanguageMapEntry &e : s_languageMap) {
        if (lang == QLatin1String(e.lang))
            return QLatin1String(e.code);
        if (qstrcmp(e.lang, "en") == 0)
            english = QLatin1String(e.code);
    }
    return english;
}

} // namespace

QString QuenLocale::getDefaultLanguage()
{
    return s_defaultLanguage;
}

QStringList QuenLocale::getAllLanguages()
{
    QStringList codes;
    for (int i = 0; gszLanguageCodes[i]; ++i)
        codes.append(QLatin1String(gszLanguageCodes[i]));
    return codes;
}

bool QuenLocale::isLanguageFileExist(const QString &code)
{
    const QString file = QStringLiteral(":/") + code + QStringLiteral(".qm");
    if (!QFile::exists(file))
        return false;
    QUENLOCALE_DEBUG("file", file);
    return true;
}

QString QuenLocale::getSystemLanguage()
{
    const QString name = QLocale::system().name().toLower();
    QUENLOCALE_DEBUG("name", name);
    const QString lang = name.section(QLatin1Char('_'), 0, 0);

    QString result;
    if (name == QLatin1String("zh_tw") || name == QLatin1String("zh_hk")
        || name == QLatin1String("zh_mo")) {
        result = QStringLiteral("cht");
    } else if (name == QLatin1String("pt") || name == QLatin1String("pt_pt")) {
        result = QStringLiteral("ptg");
    } else {
        result = mapLanguage(lang);
    }
    if (!isLanguageFileExist(result))
        result = getDefaultLanguage();
    QUENLOCALE_DEBUG("result", result);
    return result;
}

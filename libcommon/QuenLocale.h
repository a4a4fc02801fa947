#ifndef QUENLOCALE_H
#define QUENLOCALE_H

#include <QString>
#include <QStringList>

// The user-interface language codes, in table order, followed by a null end marker. Each code
// has a translation catalogue ":/<code>.qm" and a language name "IDS_LANGUAGE_<CODE>".
extern const char *const gszLanguageCodes[21];

// The program's interface languages and the mapping of the system locale onto one of them.
class QuenLocale
{
public:
    // "enu".
    static QString getDefaultLanguage();
    // The 20 codes of gszLanguageCodes in table order.
    static QStringList getAllLanguages();
    // Whether the resource ":/" + code + ".qm" exists.
    static bool isLanguageFileExist(const QString &code);
    // The interface language for the system locale; "enu" for a locale the program has no
    // catalogue for.
    static QString getSystemLanguage();

private:
    static const QString s_defaultLanguage;
};

#endif // QUENLOCALE_H

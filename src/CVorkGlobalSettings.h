#ifndef CVORKGLOBALSETTINGS_H
#define CVORKGLOBALSETTINGS_H

#include <QFont>
#include <QString>

#include "fhost.h"

class QSettings;

// Program-wide facts many windows need: the interface language (stored choice, effective
// language, catalogue path), names and version, the default administrator name, a server's
// web-administration port, which optional features a found server offers, and a guess of the
// local time zone. Each object owns its own QSettings, so it reads the stored values anew.
class CVorkGlobalSettings
{
public:
    // One row of the time-zone table: the key sent to the server and the text shown.
    struct TimezoneEntry {
        const char *key;
        const char *text;
    };
    // Rows in the time-zone table, without its empty end row.
    static const int TIMEZONE_COUNT = 66;
    // TIMEZONE_COUNT rows followed by one end row whose two texts are empty.
    static const TimezoneEntry s_timezoneTable[TIMEZONE_COUNT + 1];

    CVorkGlobalSettings();
    ~CVorkGlobalSettings();
    CVorkGlobalSettings(const CVorkGlobalSettings &) = delete;
    CVorkGlobalSettings &operator=(const CVorkGlobalSettings &) = delete;

    // Servers after build 559 accept long passwords.
    static bool isLongPasswordSupported(const NASINFO *pnasInfo);
    // Port of the server's web administration, over HTTPS when `secure`.
    static int getWebPort(const NASINFO *pnasInfo, bool secure);
    // Optional features: a range of builds is trusted as is, later builds announce the feature
    // in their service bitmap. A null record offers nothing.
    static bool isMemTestSupported(const NASINFO *pnasInfo);
    static bool isPhotoUploadSupported(const NASINFO *pnasInfo);
    static bool isRsrcMonSupported(const NASINFO *pnasInfo);

    static QString getRightsNotice();
    static QString getAppName();
    static QString getProductName();
    static QString getDefaultAdminName();
    static QString getVersion();

    // Whether the catalogue ":/<code>.qm" is in the resources.
    bool isLangFileExist(const QString &code) const;
    // "Global/UILanguage" when it names a language with a catalogue, otherwise "def".
    QString getUILanguageSetting() const;
    // The language in effect: the stored one, or the system's for "def".
    QString getLanguage() const;
    // ":/" + getLanguage() + ".qm".
    QString getTranslatorPath() const;
    // The application font, unchanged for every language.
    QFont getLanguageFont(bool fontFlag, int size) const;

    // Time-zone key guessed from the clock's standard-time offset and the system country. An
    // offset without a row keeps the last guess ("Dublin" at first).
    static QString GetSuggestedTimezone();
    // Row of GetSuggestedTimezone() in the time-zone table (case-insensitive), 0 when none.
    static int getSuggestedTimezoneIndex();

    // Row of `key` in the time-zone table, compared without regard to case; 0 when none.
    static int findTimezoneIndex(const QString &key);
    // Key and display text of a row; empty outside 0..TIMEZONE_COUNT-1.
    static QString timezoneKey(int row);
    static QString timezoneText(int row);

private:
    static const QString s_strDefault;    // stored language meaning "follow the system"
    static const QString s_strEnglish;    // the default language code
    static QString s_strTimezoneKey;      // the last time-zone guess

    QSettings *m_pSettings;
};

#endif // CVORKGLOBALSETTINGS_H

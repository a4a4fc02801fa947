#include "CVorkGlobalSettings.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QSettings>

#include <ctime>

#include "QuenLocale.h"
#include "StringTable.h"
#include "VorkDebug.h"

const QString CVorkGlobalSettings::s_strDefault = QStringLiteral("def");
const QString CVorkGlobalSettings::s_strEnglish = QStringLiteral("enu");
QString CVorkGlobalSettings::s_strTimezoneKey = QStringLiteral("Dublin");

const CVorkGlobalSettings::TimezoneEntry
    CVorkGlobalSettings::s_timezoneTable[CVorkGlobalSettings::TIMEZONE_COUNT + 1] = {
    {"Kwajalein", "(UTC-12:00) Eniwetok, Kwajalein"},
    {"Midway", "(UTC-11:00) Midway Is., Samoa Standard Time"},
    {"Hawaii", "(UTC-10:00) Hawaii Standard Time"},
    {"Alaska", "(UTC-09:00) Alaska Standard Time"},
    {"Pacific", "(UTC-08:00) Pacific Time (US & Canada); Tijuana"},
    {"Mountain", "(UTC-07:00) Mountain Time (US & Canada)"},
    {"Arizona", "(UTC-07:00) Arizona"},
    {"Central", "(UTC-06:00) Central Time (US & Canada)"},
    {"MexicoCity", "(UTC-06:00) Mexico City; Tegucigalpa"},
    {"Saskatchewan", "(UTC-06:00) Saskatchewan"},
    {"EastIndiana", "(UTC-05:00) Indiana (East)"},
    {"Eastern", "(UTC-05:00) Eastern Time (US & Canada)"},
    {"Bogota", "(UTC-05:00) Bogota, Lima, Quito"},
    {"Atlantic", "(UTC-04:00) Atlantic Time (Canada)"},
    {"Caracas", "(UTC-04:00) Caracas, La Paz"},
    {"Santiago", "(UTC-04:00) Santiago"},
    {"Newfoundland", "(UTC-04:00) Newfoundland"},
    {"BuenosAires", "(UTC-03:00) Buenos Aires, Georgetown"},
    {"Brasilia", "(UTC-03:00) Brasilia"},
    {"South_Georgia", "(UTC-02:00) Mid-Atlantic Standard Time"},
    {"Azores", "(UTC-01:00) Azores Standard Time"},
    {"CapeVerde", "(UTC-01:00) Cape Verde Is."},
    {"Casablanc", "(UTC) GMT Standard Time; Casablanc, Monrovia"},
    {"Dublin", "(UTC) GMT Standard Time; Dublin, Edinburgh, Lisbon, London"},
    {"WAT", "(UTC+01:00) Western Africa Time"},
    {"Amsterdam", "(UTC+01:00) Amsterdam, Berlin, Rome, Stockholm, Vienna"},
    {"Belgrade", "(UTC+01:00) Belgrade, Bratislava, Budapest, Prague"},
    {"Brussels", "(UTC+01:00) Brussels, Copenhagen, Madrid, Paris"},
    {"Sarajevo", "(UTC+01:00) Sarajevo, Skopie, Sofija, Warsaw, Zagreb"},
    {"CAT", "(UTC+02:00) Central Africa Time"},
    {"EET", "(UTC+02:00) Eastern Europe Standard Time"},
    {"Egypt", "(UTC+02:00) Egypt Standard Time, Cairo"},
    {"Harare", "(UTC+02:00) Harare, Pretoria"},
    {"Athens", "(UTC+02:00) Athens, Istanbul, Minsk"},
    {"Helsinki", "(UTC+02:00) Helsinki, Riga, Tallinn"},
    {"Israel", "(UTC+02:00) Israel Standard Time; Jerusalem"},
    {"Moscow", "(UTC+03:00) Moscow, St. Petersburg, Kazan, Volgograd"},
    {"Baghdad", "(UTC+03:00) Baghdad"},
    {"Nairobi", "(UTC+03:00) Nairobi"},
    {"Kuwait", "(UTC+03:00) Kuwait, Ridyadh"},
    {"Tehran", "(UTC+03:30) Iran Standard Time, Tehran"},
    {"Muscat", "(UTC+04:00) Abu Dhabi, Muscat"},
    {"Tbilisi", "(UTC+04:00) Tbilisi, Baku"},
    {"Kabul", "(UTC+04:30) Afghanistan Standard Time; Kabul"},
    {"Ekaterinburg", "(UTC+05:00) Ekaterinburg"},
    {"Karachi", "(UTC+05:00) Karachi, Islamabad, Tashkent"},
    {"Calcutta", "(UTC+05:30) Bombay, Calcutta, Madras, New Delhi, Colombo"},
    {"Almaty", "(UTC+06:00) Almaty, Dhaka, Astana"},
    {"Jakarta", "(UTC+07:00) Bankok Standard Time; Hanoi, Jakarta"},
    {"Taipei", "(UTC+08:00) Taipei"},
    {"Beijing", "(UTC+08:00) Beijing, Chongqing, Hong Kong, Urumqi"},
    {"Perth", "(UTC+08:00) Perth"},
    {"Singapore", "(UTC+08:00) Singapore"},
    {"Tokyo", "(UTC+09:00) Tokyo, Osaka, Sapporo"},
    {"Seoul", "(UTC+09:00) Seoul"},
    {"Yakutsk", "(UTC+09:00) Yakutsk"},
    {"Darwin", "(UTC+09:30) Darwin"},
    {"Adelaide", "(UTC+09:30) Adelaide"},
    {"Brisbane", "(UTC+10:00) Brisbane"},
    {"Melbourne", "(UTC+10:00) Melbourne, Sydney, Canberra"},
    {"Guam", "(UTC+10:00) Guam, Port Moresby"},
    {"Tasmania", "(UTC+10:00) Tasmania Standard Time, Hobart"},
    {"Vladivostok", "(UTC+10:00) Vladivostok"},
    {"Magadan", "(UTC+11:00) Magadan, Solomon Is., New Caledonia"},
    {"Auckland", "(UTC+12:00) Auckland, Wellington"},
    {"Fiji", "(UTC+12:00) Fiji, Kamchatka, Marshall Is."},
    {"", ""},
};

namespace {

// The time-zone guess: for a standard-time offset (minutes east of UTC) the first row whose
// countries include the system country applies; a row without countries takes any country.
struct TimezoneChoice {
    int minutes;
    QLocale::Country countries[5];   // ends at the first AnyCountry; none at all = any country
    const char *key;
};

const TimezoneChoice s_timezoneChoices[] = {
    {-720, {}, "Kwajalein"},
    {-660, {}, "Midway"},
    {-600, {}, "Hawaii"},
    {-540, {}, "Alaska"},
    {-480, {}, "Pacific"},
    {-420, {QLocale::Canada}, "Mountain"},
    {-420, {}, "Arizona"},
    {-360, {QLocale::Mexico}, "MexicoCity"},
    {-360, {QLocale::Canada}, "Saskatchewan"},
    {-360, {}, "Central"},
    {-300, {QLocale::Colombia, QLocale::Ecuador, QLocale::Peru}, "Bogota"},
    {-300, {}, "Eastern"},
    {-240, {QLocale::Chile}, "Santiago"},
    {-240, {QLocale::Bolivia, QLocale::Venezuela}, "Caracas"},
    {-240, {}, "Atlantic"},
    {-180, {QLocale::Guyana, QLocale::Argentina}, "BuenosAires"},
    {-180, {}, "Brasilia"},
    {-120, {}, "South_Georgia"},
    {-60, {QLocale::CapeVerde}, "CapeVerde"},
    {-60, {}, "Azores"},
    {0, {QLocale::Liberia, QLocale::Morocco}, "Casablanc"},
    {0, {}, "Dublin"},
    {60, {QLocale::CzechRepublic, QLocale::Hungary}, "Belgrade"},
    {60, {QLocale::Germany, QLocale::Netherlands, QLocale::Sweden, QLocale::Italy, QLocale::Austria},
     "Amsterdam"},
    {60, {QLocale::Poland, QLocale::Bulgaria, QLocale::BosniaAndHerzegowina, QLocale::Croatia},
     "Sarajevo"},
    {60, {}, "Brussels"},
    {120, {QLocale::Egypt}, "Egypt"},
    {120, {QLocale::SouthAfrica, QLocale::Zimbabwe}, "Harare"},
    {120, {QLocale::Turkey, QLocale::Greece, QLocale::Belarus}, "Athens"},
    {120, {QLocale::Latvia, QLocale::Finland, QLocale::Estonia}, "Helsinki"},
    {120, {QLocale::Israel}, "Israel"},
    {120, {}, "EET"},
    {180, {QLocale::Iraq}, "Baghdad"},
    {180, {QLocale::Kenya}, "Nairobi"},
    {180, {QLocale::Kuwait}, "Kuwait"},
    {180, {}, "Moscow"},
    {210, {}, "Tehran"},
    {240, {QLocale::Georgia, QLocale::Azerbaijan}, "Tbilisi"},
    {240, {QLocale::UnitedArabEmirates}, "Muscat"},
    {240, {}, "Moscow"},
    {270, {}, "Kabul"},
    {300, {}, "Karachi"},
    {330, {}, "Calcutta"},
    {360, {}, "Almaty"},
    {420, {}, "Jakarta"},
    {480, {QLocale::Taiwan}, "Taipei"},
    {480, {QLocale::Australia}, "Perth"},
    {480, {QLocale::Malaysia, QLocale::Singapore}, "Singapore"},
    {480, {}, "Beijing"},
    {540, {QLocale::NorthKorea, QLocale::SouthKorea}, "Seoul"},
    {540, {}, "Tokyo"},
    {570, {}, "Darwin"},
    {600, {QLocale::PapuaNewGuinea, QLocale::Guam}, "Guam"},
    {600, {QLocale::Russia}, "Vladivostok"},
    {600, {}, "Melbourne"},
    {660, {}, "Magadan"},
    {720, {QLocale::Fiji}, "Fiji"},
    {720, {}, "Auckland"},
};

bool choiceMatches(const TimezoneChoice &choice, int minutes, QLocale::Country country)
{
    if (choice.minutes != minutes)
        return false;
    if (choice.countries[0] == QLocale::AnyCountry)
        return true;
    for (const QLocale::Country c : choice.countries) {
        if (c == QLocale::AnyCountry)
            break;
        if (c == country)
            return true;
    }
    return false;
}

} // namespace

CVorkGlobalSettings::CVorkGlobalSettings()
    : m_pSettings(new QSettings())
{
}

CVorkGlobalSettings::~CVorkGlobalSettings()
{
    delete m_pSettings;
}

bool CVorkGlobalSettings::isLongPasswordSupported(const NASINFO *pnasInfo)
{
    return pnasInfo && pnasInfo->ulBuild > 559;
}

int CVorkGlobalSettings::getWebPort(const NASINFO *pnasInfo, bool secure)
{
    if (!pnasInfo)
        return secure ? 5001 : 5000;
    if (secure)
        return pnasInfo->ulHttpsPort != 0 ? int(pnasInfo->ulHttpsPort) : 5001;
    if (pnasInfo->ulHttpPort != 0)
        return int(pnasInfo->ulHttpPort);
    // Old servers and servers without the new-port flag serve their pages on port 80.
    if (pnasInfo->ulField48 == 0 || pnasInfo->ulBuild <= 171)
        return 80;
    return 5000;
}

namespace {
// Builds first..last offer the feature as they are; later builds only with its service bit.
bool featureOffered(const NASINFO *pnasInfo, uint32_t first, uint32_t last, int service)
{
    if (!pnasInfo || pnasInfo->ulBuild < first)
        return false;
    if (pnasInfo->ulBuild <= last)
        return true;
    return FHOSTServiceIsSet(nullptr, pnasInfo, service) > 0;
}
} // namespace

bool CVorkGlobalSettings::isMemTestSupported(const NASINFO *pnasInfo)
{
    return featureOffered(pnasInfo, 908, 1251, FHOST_SERVICE_MEMTEST);
}

bool CVorkGlobalSettings::isPhotoUploadSupported(const NASINFO *pnasInfo)
{
    return featureOffered(pnasInfo, 1093, 1239, FHOST_SERVICE_PHOTO);
}

bool CVorkGlobalSettings::isRsrcMonSupported(const NASINFO *pnasInfo)
{
    return featureOffered(pnasInfo, 911, 1239, FHOST_SERVICE_RSRCMON);
}

QString CVorkGlobalSettings::getRightsNotice()
{
    return getString(IDS_ABOUT_COPYRIGHT);
}

QString CVorkGlobalSettings::getAppName()
{
    return getString(IDS_VORNAKEEPER_NAME);
}

QString CVorkGlobalSettings::getProductName()
{
    return getString(IDS_PRODUCT_NAME);
}

QString CVorkGlobalSettings::getDefaultAdminName()
{
    return QStringLiteral("admin");
}

QString CVorkGlobalSettings::getVersion()
{
    return QStringLiteral("5.0-4448");
}

bool CVorkGlobalSettings::isLangFileExist(const QString &code) const
{
    const QString file = QStringLiteral(":/") + code + QStringLiteral(".qm");
    if (!QFile::exists(file))
        return false;
    VORK_DEBUG_STR("src/CVorkGlobalSettings", "file", file);
    return true;
}

QString CVorkGlobalSettings::getUILanguageSetting() const
{
    const QString lang = m_pSettings->value(QStringLiteral("Global/UILanguage")).toString();
    if (!lang.isEmpty() && isLangFileExist(lang))
        return lang;
    return s_strDefault;
}

QString CVorkGlobalSettings::getLanguage() const
{
    const QString lang = getUILanguageSetting();
    if (!lang.isEmpty() && lang != s_strDefault)
        return lang;
    return QuenLocale::getSystemLanguage();
}

QString CVorkGlobalSettings::getTranslatorPath() const
{
    return QStringLiteral(":/") + getLanguage() + QStringLiteral(".qm");
}

QFont CVorkGlobalSettings::getLanguageFont(bool fontFlag, int size) const
{
    // The application font serves every language, the Chinese, Japanese and Korean ones
    // included: fontconfig picks the glyphs those need.
    Q_UNUSED(fontFlag);
    Q_UNUSED(size);
    return QApplication::font();
}

QString CVorkGlobalSettings::GetSuggestedTimezone()
{
    tzset();
    // `timezone` is the standard-time offset in seconds west of UTC; summer time is ignored.
    const int minutes = int(-::timezone / 60);
    const QLocale::Country country = QLocale::system().country();
    for (const TimezoneChoice &choice : s_timezoneChoices) {
        if (choiceMatches(choice, minutes, country)) {
            s_strTimezoneKey = QLatin1String(choice.key);
            return s_strTimezoneKey;
        }
    }
    qDebug("GetSuggestedTimezone(): default reached, minutes = %d\n", minutes);
    return s_strTimezoneKey;
}

int CVorkGlobalSettings::getSuggestedTimezoneIndex()
{
    return findTimezoneIndex(GetSuggestedTimezone());
}

int CVorkGlobalSettings::findTimezoneIndex(const QString &key)
{
    for (int row = 0; row < TIMEZONE_COUNT; ++row) {
        if (key.compare(QLatin1String(s_timezoneTable[row].key), Qt::CaseInsensitive) == 0)
            return row;
    }
    return 0;
}

QString CVorkGlobalSettings::timezoneKey(int row)
{
    if (row < 0 || row >= TIMEZONE_COUNT)
        return QString();
    return QLatin1String(s_timezoneTable[row].key);
}

QString CVorkGlobalSettings::timezoneText(int row)
{
    if (row < 0 || row >= TIMEZONE_COUNT)
        return QString();
    return QLatin1String(s_timezoneTable[row].text);
}

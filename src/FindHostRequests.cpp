#include "FindHostRequests.h"

#include <QByteArray>
#include <QRegularExpression>

#include <cstring>

#include "CFindHostUDP.h"
#include "CNasConfig.h"
#include "CVorkGlobalSettings.h"
#include "platforms.h"
#include "scramble.h"

namespace {

// Copies at most maxBytes of `bytes` into a zeroed text slot, always leaving its NUL.
void copyText(char *slot, size_t slotSize, const QByteArray &bytes, int maxBytes)
{
    size_t n = size_t(qMin(bytes.size(), maxBytes));
    if (n > slotSize - 1)
        n = slotSize - 1;
    memset(slot, 0, slotSize);
    memcpy(slot, bytes.constData(), n);
}

// The target's MAC text into the request's MAC slot.
void copyMac(NASINFO *pnasInfo, const NASINFO *target)
{
    memcpy(pnasInfo->szMac, target->szMac, sizeof(pnasInfo->szMac));
    pnasInfo->szMac[sizeof(pnasInfo->szMac) - 1] = '\0';
}

// A zeroed record and request of the given packet type.
void startRequest(NASINFO *pnasInfo, FHOSTSEND *pfhostSend, uint32_t type)
{
    memset(pnasInfo, 0, sizeof(*pnasInfo));
    memset(pfhostSend, 0, sizeof(*pfhostSend));
    pfhostSend->pnasInfo = pnasInfo;
    pnasInfo->ulPacketType = type;
    pnasInfo->ulFindHostVersion = FHOST_FINDHOST_VERSION;
}

// Both bitmaps cleared, then the services set in bitmap A and in bitmap B alike.
void setServices(NASINFO *pnasInfo, std::initializer_list<int> services)
{
    FHOSTServiceClear(gpFHOSTLogCtx, pnasInfo);
    FHOSTServiceMaskClear(gpFHOSTLogCtx, pnasInfo);
    for (int service : services) {
        FHOSTServiceSet(gpFHOSTLogCtx, pnasInfo, service);
        FHOSTServiceMaskSet(gpFHOSTLogCtx, pnasInfo, service);
    }
}

// The scrambled password into the record's password slot (left empty when the result is).
void setPassword(NASINFO *pnasInfo, const QString &password)
{
    char scrambled[FINDHOST_PASSWORD_BUFFER];
    memset(pnasInfo->szPassword, 0, sizeof(pnasInfo->szPassword));
    if (findhostScramblePassword(password, scrambled) > 0)
        memcpy(pnasInfo->szPassword, scrambled, sizeof(scrambled));
}

// Dotted text to the address slot in network order; an empty text leaves the slot unchanged.
void setAddress(uint32_t *slot, const QString &text)
{
    ipStringToNetAddr(slot, text);
}

void setAddresses(NASINFO *pnasInfo, const CNasConfig *config)
{
    setAddress(&pnasInfo->ulIP, config->getIP());
    setAddress(&pnasInfo->ulMask, config->getNetmask());
    setAddress(&pnasInfo->ulGateway, config->getGateway());
    setAddress(&pnasInfo->ulDNS, config->getDNS());
}

} // namespace

int findhostScramblePassword(const QString &password, char out[FINDHOST_PASSWORD_BUFFER])
{
    memset(out, 0, FINDHOST_PASSWORD_BUFFER);
    // Bytes up to the first NUL are what the scrambler sees; the cut keeps the result in the
    // buffer whatever the password holds.
    QByteArray plain = password.toUtf8().left(FINDHOST_PASSWORD_UTF8_MAX);
    const int length = scrambleEncode(plain.constData(), out);
    if (length <= 0) {
        memset(out, 0, FINDHOST_PASSWORD_BUFFER);
        return 0;
    }
    return length;
}

bool findhostBuildSearch(NASINFO *pnasInfo, FHOSTSEND *pfhostSend)
{
    if (!pnasInfo || !pfhostSend)
        return false;
    startRequest(pnasInfo, pfhostSend, FHOST_PKT_QUERY);
    pnasInfo->ulFieldA6 = FINDHOST_FIELD_A6;
    setServices(pnasInfo, {FHOST_SERVICE_6, FHOST_SERVICE_QBV, FHOST_SERVICE_FSCK_SKIP});
    return FHOSTSendAddIds(gpFHOSTLogCtx, pfhostSend, 0xa4, 0xa6, 0x01, 0) == 3 &&
           FHOSTSendAddServiceIds(gpFHOSTLogCtx, pfhostSend, 1, 1) == 4;
}

bool findhostBuildCancelFsck(NASINFO *pnasInfo, FHOSTSEND *pfhostSend, const NASINFO *target)
{
    if (!pnasInfo || !pfhostSend || !target)
        return false;
    startRequest(pnasInfo, pfhostSend, FHOST_PKT_QUERY);
    pnasInfo->ulFieldA6 = FINDHOST_FIELD_A6;
    copyMac(pnasInfo, target);
    setServices(pnasInfo, {FHOST_SERVICE_FSCK_SKIP, FHOST_SERVICE_9});
    return FHOSTSendAddIds(gpFHOSTLogCtx, pfhostSend, 0xa4, 0xa6, 0x01, 0x19, 0) == 4 &&
           FHOSTSendAddServiceIds(gpFHOSTLogCtx, pfhostSend, 1, 1) == 4;
}

bool findhostBuildSysRecovery(NASINFO *pnasInfo, FHOSTSEND *pfhostSend)
{
    if (!pnasInfo || !pfhostSend)
        return false;
    startRequest(pnasInfo, pfhostSend, FHOST_PKT_SYSRECOVERY);
    pnasInfo->ulFieldA6 = FINDHOST_FIELD_A6;
    return FHOSTSendAddIds(gpFHOSTLogCtx, pfhostSend, 0xa4, 0xa6, 0x01, 0) == 3;
}

bool findhostBuildMemTest(NASINFO *pnasInfo, FHOSTSEND *pfhostSend, const QString &password,
                          const NASINFO *target)
{
    if (!pnasInfo || !pfhostSend || !target)
        return false;
    startRequest(pnasInfo, pfhostSend, FHOST_PKT_MEMTEST);
    pnasInfo->ulFieldA6 = FINDHOST_FIELD_A6;
    copyMac(pnasInfo, target);
    setPassword(pnasInfo, password);
    copyText(pnasInfo->szAccount, sizeof(pnasInfo->szAccount),
             CVorkGlobalSettings::getDefaultAdminName().toUtf8(), int(sizeof(pnasInfo->szAccount)));
    return FHOSTSendAddIds(gpFHOSTLogCtx, pfhostSend, 0xa4, 0xa6, 0x01, 0x19, 0x2a, 0x4a, 0) == 6;
}

bool findhostBuildQuickConf(NASINFO *pnasInfo, FHOSTSEND *pfhostSend, const CNasConfig *config,
                            const NASINFO *target)
{
    if (!pnasInfo || !pfhostSend || !config || !target)
        return false;
    startRequest(pnasInfo, pfhostSend, FHOST_PKT_QCF);
    pnasInfo->ulFieldA6 = FINDHOST_FIELD_A6;
    copyMac(pnasInfo, target);
    setPassword(pnasInfo, config->getPassword());
    pnasInfo->ulDHCP = config->isDHCP() ? 1 : 0;
    copyText(pnasInfo->szServerName, sizeof(pnasInfo->szServerName),
             config->getServerName().toUtf8(), 35);
    setAddresses(pnasInfo, config);

    QString dateTime = config->getDateTime();
    dateTime.replace(QRegularExpression(QStringLiteral("[: /]")), QStringLiteral("-"));
    copyText(pnasInfo->szDateTime, sizeof(pnasInfo->szDateTime), dateTime.toUtf8(), 19);

    // A row outside the table sends an empty key rather than reading past it.
    const unsigned long row = config->getTimezoneIndex();
    const QString timezone = row < unsigned(CVorkGlobalSettings::TIMEZONE_COUNT)
                                 ? CVorkGlobalSettings::timezoneKey(int(row))
                                 : QString();
    copyText(pnasInfo->szTimezone, sizeof(pnasInfo->szTimezone), timezone.toUtf8(), 131);

    copyText(pnasInfo->szLanguage, sizeof(pnasInfo->szLanguage), config->getServerLang().toUtf8(), 35);
    copyText(pnasInfo->szSecondLanguage, sizeof(pnasInfo->szSecondLanguage),
             config->getSecondLang().toUtf8(), 35);
    pnasInfo->ulCodepage = uint32_t(config->getCodepageNumber());
    pnasInfo->ulLanguage = uint32_t(config->getLangNumber());
    if (config->isDoQBV()) {
        FHOSTServiceSet(gpFHOSTLogCtx, pnasInfo, FHOST_SERVICE_QBV);
        FHOSTServiceMaskSet(gpFHOSTLogCtx, pnasInfo, FHOST_SERVICE_QBV);
    }
    return FHOSTSendAddIds(gpFHOSTLogCtx, pfhostSend, 0xa4, 0xa6, 0x01, 0x19, 0x2a, 0x20, 0x21,
                           0x22, 0x23, 0x24, 0x25, 0x31, 0x32, 0x37, 0x39, 0x40, 0x42, 0) == 17 &&
           FHOSTSendAddServiceIds(gpFHOSTLogCtx, pfhostSend, 1, 1) == 4;
}

bool findhostBuildNetSetting(NASINFO *pnasInfo, FHOSTSEND *pfhostSend, const CNasConfig *config,
                             const NASINFO *target)
{
    if (!pnasInfo || !pfhostSend || !config || !target)
        return false;
    // The command goes out with the target's own values in every slot it does not change.
    memcpy(pnasInfo, target, sizeof(*pnasInfo));
    memset(pfhostSend, 0, sizeof(*pfhostSend));
    pfhostSend->pnasInfo = pnasInfo;
    pnasInfo->ulPacketType = FHOST_PKT_NETSET;
    pnasInfo->ulFindHostVersion = FHOST_FINDHOST_VERSION;
    pnasInfo->szMac[sizeof(pnasInfo->szMac) - 1] = '\0';
    pnasInfo->szServerName[sizeof(pnasInfo->szServerName) - 1] = '\0';

    if (FHOSTSendAddIds(gpFHOSTLogCtx, pfhostSend, 0x01, 0xa4, 0x29, 0) != 3)
        return false;
    if (pnasInfo->szServerName[0] != '\0' && FHOSTSendAddIds(gpFHOSTLogCtx, pfhostSend, 0x21, 0) != 1)
        return false;
    pnasInfo->ulDHCP = config->isDHCP() ? 1 : 0;
    if (FHOSTSendAddIds(gpFHOSTLogCtx, pfhostSend, 0x20, 0) != 1)
        return false;
    if (config->isDHCP()) {
        pnasInfo->ulIP = 0;
        pnasInfo->ulMask = 0;
        pnasInfo->ulGateway = 0;
        pnasInfo->ulDNS = 0;
    } else {
        // As in the quick configuration, an empty text sends 0, not the target's old value.
        pnasInfo->ulIP = 0;
        pnasInfo->ulMask = 0;
        pnasInfo->ulGateway = 0;
        pnasInfo->ulDNS = 0;
        setAddresses(pnasInfo, config);
        if (FHOSTSendAddIds(gpFHOSTLogCtx, pfhostSend, 0x22, 0x23, 0x24, 0x25, 0) != 4)
            return false;
    }
    setPassword(pnasInfo, config->getPassword());
    if (FHOSTSendAddIds(gpFHOSTLogCtx, pfhostSend, 0x2a, 0) != 1)
        return false;
    if (pnasInfo->ulField1B != 0 && FHOSTSendAddIds(gpFHOSTLogCtx, pfhostSend, 0x2b, 0) != 1)
        return false;
    return true;
}

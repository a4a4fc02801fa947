/*
 * iface.c - the platform-neutral half of interface enumeration: the key-value reader used for
 * every configuration file, the entry points and the dump of everything to the log.
 */
#include "fhostpriv.h"

#include <arpa/inet.h>
#include <errno.h>
#include <stdlib.h>
#include <string.h>

uint32_t gulDNS = FHOST_DNS_NONE;

const FHOSTIFACEPATHS gFHOSTIfaceSysPaths = {
    "/etc/resolv.conf",
    "/proc/net/dev",
    "/etc/NetworkManager/system-connections",
    "/etc/sysconfig/network-scripts",
    "/etc/network/interfaces",
};

static int IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

static int IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

static int IsDelim(char c, const char *pszDelim)
{
    return c != '\0' && strchr(pszDelim, c) != NULL;
}

int FHOSTReadKeyValue(FHOSTLOGCTX *pCtx, FILE *pFile, const char *pszKey, char *pszValue,
                      const char *pszDelim)
{
    char *pszLine = NULL;
    size_t cbLine = 0;
    size_t cbKey;
    int result = 0;

    FHOST_CHECK_PTR(pCtx, pFile, -1);
    FHOST_CHECK_PTR(pCtx, pszKey, -1);
    FHOST_CHECK_PTR(pCtx, pszValue, -1);
    FHOST_CHECK_PTR(pCtx, pszDelim, -1);

    rewind(pFile);
    cbKey = strlen(pszKey);
    while (getline(&pszLine, &cbLine, pFile) != -1) {
        char *p = pszLine;
        char *pKeyEnd;
        char *pValue;
        size_t cbValue;

        while (IsBlank(*p)) {
            p++;
        }
        if (*p == '\0' || *p == '\n' || *p == '\r' || *p == '#') {
            continue;
        }

        /* The key runs to the first delimiter; trailing blanks and delimiters are not part of it. */
        pKeyEnd = p + strcspn(p, pszDelim);
        pValue = pKeyEnd;
        while (pKeyEnd > p && (IsSpace(pKeyEnd[-1]) || IsDelim(pKeyEnd[-1], pszDelim))) {
            pKeyEnd--;
        }
        if ((size_t)(pKeyEnd - p) != cbKey || memcmp(p, pszKey, cbKey) != 0) {
            continue;
        }

        while (IsBlank(*pValue) || IsDelim(*pValue, pszDelim)) {
            pValue++;
        }
        cbValue = strlen(pValue);
        while (cbValue > 0 && IsSpace(pValue[cbValue - 1])) {
            cbValue--;
        }
        if (cbValue >= 2 && pValue[0] == '"' && pValue[cbValue - 1] == '"') {
            pValue++;
            cbValue -= 2;
        }
        if (cbValue + 1 > FHOST_KEYVALUE_LEN) {
            FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d buffer len %d, requires %d\n", FHOST_SRC,
                     __LINE__, FHOST_KEYVALUE_LEN, (int)(cbValue + 1));
            result = -1;
            break;
        }
        memcpy(pszValue, pValue, cbValue);
        pszValue[cbValue] = '\0';
        result = 1;
        break;
    }
    if (result == 0 && ferror(pFile)) {
        result = -1;
    }
    free(pszLine);
    return result;
}

int FHOSTReadKeyValueFile(FHOSTLOGCTX *pCtx, const char *pszPath, const char *pszKey,
                          char *pszValue, const char *pszDelim)
{
    FILE *pFile;
    int result;

    FHOST_CHECK_PTR(pCtx, pszPath, -1);
    pFile = fopen(pszPath, "re");
    if (pFile == NULL) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d failed to open file %s error:(%d)\n", FHOST_SRC,
                 __LINE__, pszPath, errno);
        return -1;
    }
    result = FHOSTReadKeyValue(pCtx, pFile, pszKey, pszValue, pszDelim);
    fclose(pFile);
    return result;
}

int FHOSTIfaceInit(FHOSTLOGCTX *pCtx, NETIF *pNetIf, int max)
{
    gulDNS = FHOST_DNS_NONE;
    return FHOSTIfaceEnum(pCtx, pNetIf, max);
}

int FHOSTIfaceEnum(FHOSTLOGCTX *pCtx, NETIF *pNetIf, int max)
{
    return FHOSTIfaceEnumFrom(pCtx, &gFHOSTIfaceSysPaths, pNetIf, max);
}

int FHOSTIfaceEnumNames(FHOSTLOGCTX *pCtx, NETIF *pNetIf, int max)
{
    return FHOSTIfaceEnumNamesFrom(pCtx, gFHOSTIfaceSysPaths.pszProcNetDev, pNetIf, max);
}

static const char *AddrText(uint32_t ulAddr, char *pszBuf, size_t cbBuf)
{
    struct in_addr addr;
    addr.s_addr = ulAddr;
    if (inet_ntop(AF_INET, &addr, pszBuf, (socklen_t)cbBuf) == NULL) {
        pszBuf[0] = '\0';
    }
    return pszBuf;
}

int FHOSTIfaceDump(FHOSTLOGCTX *pCtx)
{
    NETIF rgNetIf[FHOST_IFACE_MAX];
    char szAddr[INET_ADDRSTRLEN];
    int count;
    int i;

    memset(rgNetIf, 0, sizeof(rgNetIf));
    count = FHOSTIfaceInit(pCtx, rgNetIf, FHOST_IFACE_MAX);
    if (count == -1) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d fail to enum IP\n", FHOST_SRC, __LINE__);
        return -1;
    }
    FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d Global DNS:\t%s\n", FHOST_SRC, __LINE__,
             AddrText(gulDNS, szAddr, sizeof(szAddr)));
    for (i = 0; i < count; ++i) {
        const NETIF *p = &rgNetIf[i];
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d [%s]\n", FHOST_SRC, __LINE__, p->szName);
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d Mac Address:\t%02X:%02X:%02X:%02X:%02X:%02X\n",
                 FHOST_SRC, __LINE__, p->byMac[0], p->byMac[1], p->byMac[2], p->byMac[3],
                 p->byMac[4], p->byMac[5]);
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d IP:\t%s\n", FHOST_SRC, __LINE__,
                 AddrText(p->ulIP, szAddr, sizeof(szAddr)));
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d Mask:\t%s\n", FHOST_SRC, __LINE__,
                 AddrText(p->ulMask, szAddr, sizeof(szAddr)));
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d ulBroadCast:\t%s\n", FHOST_SRC, __LINE__,
                 AddrText(p->ulBroadCast, szAddr, sizeof(szAddr)));
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d ulGateway:\t%s\n", FHOST_SRC, __LINE__,
                 AddrText(p->ulGateway, szAddr, sizeof(szAddr)));
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d DNS:\t%s\n", FHOST_SRC, __LINE__,
                 AddrText(p->ulDNS, szAddr, sizeof(szAddr)));
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d DHCP:\t%s\n", FHOST_SRC, __LINE__,
                 p->ulStatic ? "NO" : "YES");
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d Active:\t%s\n", FHOST_SRC, __LINE__,
                 p->ulActive ? "YES" : "NO");
    }
    return 0;
}

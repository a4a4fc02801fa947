/*
 * iface_lnx.c - interface enumeration on Linux: names from /proc/net/dev, flags and addresses
 * through socket ioctls, and the host's own configuration files (resolv.conf, NetworkManager
 * key files, RedHat ifcfg files, the Debian interfaces file).
 */
#include "fhostpriv.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <errno.h>
#include <limits.h>
#include <net/if.h>
#include <netinet/in.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

/* /proc/net/dev is read in lines of at most this many bytes. */
#define PROC_LINE_LEN 512

static const char *PathOr(const char *pszPath, const char *pszDefault)
{
    return pszPath != NULL ? pszPath : pszDefault;
}

/* Dotted IPv4 text to a network-order address: 1 when it parses. */
static int ParseDotted(const char *pszText, uint32_t *pulAddr)
{
    struct in_addr addr;
    if (inet_pton(AF_INET, pszText, &addr) != 1) {
        return 0;
    }
    *pulAddr = addr.s_addr;
    return 1;
}

/* A configuration file's word against a lower-case keyword, ASCII letter case ignored: 1 when
 * they match. Not strcasecmp, which folds case by the locale the program runs in: under a
 * Turkish one, "STATIC" is not "static" to it. */
static int IsKeyword(const char *pszWord, const char *pszKeyword)
{
    for (; *pszWord != '\0'; ++pszWord, ++pszKeyword) {
        char c = *pszWord;
        if (c >= 'A' && c <= 'Z') {
            c = (char)(c - 'A' + 'a');
        }
        if (c != *pszKeyword) {
            return 0;
        }
    }
    return *pszKeyword == '\0';
}

static NETIF *FindByName(NETIF *pNetIf, int count, const char *pszName)
{
    int i;
    for (i = 0; i < count; ++i) {
        if (strcmp(pNetIf[i].szName, pszName) == 0) {
            return &pNetIf[i];
        }
    }
    return NULL;
}

/* ---------------------------------------------------------------------------------------- */
/* Names, flags and addresses                                                               */
/* ---------------------------------------------------------------------------------------- */

int FHOSTIfaceFlagsUsable(unsigned int flags)
{
    if ((flags & IFF_UP) && (flags & IFF_RUNNING) &&
        !(flags & (IFF_LOOPBACK | IFF_POINTOPOINT | IFF_SLAVE))) {
        return 0;
    }
    return -1;
}

/* Copies an interface name into an ioctl request (at most IFNAMSIZ - 1 characters). */
static void SetRequestName(struct ifreq *pReq, const char *pszName)
{
    memset(pReq, 0, sizeof(*pReq));
    memcpy(pReq->ifr_name, pszName, strnlen(pszName, IFNAMSIZ - 1));
}

int FHOSTIfaceIsUsable(FHOSTLOGCTX *pCtx, const char *pszName)
{
    struct ifreq req;
    int fd;

    FHOST_CHECK_PTR(pCtx, pszName, -1);
    fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d Open socket error:(%d)\n", FHOST_SRC, __LINE__, errno);
        return -1;
    }
    SetRequestName(&req, pszName);
    if (ioctl(fd, SIOCGIFFLAGS, &req) < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d ioctl(SIOCGIFFLAGS) error:(%d)\n", FHOST_SRC,
                 __LINE__, errno);
        close(fd);
        return -1;
    }
    close(fd);
    return FHOSTIfaceFlagsUsable((unsigned short)req.ifr_flags);
}

int FHOSTIfaceGetInfo(FHOSTLOGCTX *pCtx, NETIF *pNetIf)
{
    struct ifreq req;
    int fd;

    FHOST_CHECK_PTR(pCtx, pNetIf, -1);
    fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d Open socket error:(%d)\n", FHOST_SRC, __LINE__, errno);
        return -1;
    }

    SetRequestName(&req, pNetIf->szName);
    if (ioctl(fd, SIOCGIFHWADDR, &req) < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d ioctl SIOCGIFHWADDR %s error:(%d)\n", FHOST_SRC,
                 __LINE__, pNetIf->szName, errno);
        close(fd);
        return -1;
    }
    memcpy(pNetIf->byMac, req.ifr_hwaddr.sa_data, sizeof(pNetIf->byMac));

    SetRequestName(&req, pNetIf->szName);
    if (ioctl(fd, SIOCGIFADDR, &req) < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d ioctl SIOCGIFADDR %s error:(%d)\n", FHOST_SRC,
                 __LINE__, pNetIf->szName, errno);
        close(fd);
        return -1;
    }
    pNetIf->ulIP = ((struct sockaddr_in *)&req.ifr_addr)->sin_addr.s_addr;

    SetRequestName(&req, pNetIf->szName);
    if (ioctl(fd, SIOCGIFBRDADDR, &req) < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d ioctl SIOCGIFBRDADDR %s error:(%d)\n", FHOST_SRC,
                 __LINE__, pNetIf->szName, errno);
        close(fd);
        return -1;
    }
    pNetIf->ulBroadCast = ((struct sockaddr_in *)&req.ifr_broadaddr)->sin_addr.s_addr;

    SetRequestName(&req, pNetIf->szName);
    if (ioctl(fd, SIOCGIFNETMASK, &req) < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d ioctl SIOCGIFNETMASK %s error:(%d)\n", FHOST_SRC,
                 __LINE__, pNetIf->szName, errno);
        close(fd);
        return -1;
    }
    pNetIf->ulMask = ((struct sockaddr_in *)&req.ifr_netmask)->sin_addr.s_addr;

    close(fd);
    return 0;
}

int FHOSTIfaceEnumNamesFrom(FHOSTLOGCTX *pCtx, const char *pszProcNetDev, NETIF *pNetIf, int max)
{
    char szLine[PROC_LINE_LEN];
    FILE *pFile;
    int count = 0;
    int i;

    FHOST_CHECK_PTR(pCtx, pszProcNetDev, -1);
    FHOST_CHECK_PTR(pCtx, pNetIf, -1);
    FHOST_CHECK(pCtx, 0 < max, -1);

    pFile = fopen(pszProcNetDev, "re");
    if (pFile == NULL) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d failed to open file %s error:(%d)\n", FHOST_SRC,
                 __LINE__, pszProcNetDev, errno);
        return -1;
    }
    /* Two header lines. */
    for (i = 0; i < 2; ++i) {
        if (fgets(szLine, sizeof(szLine), pFile) == NULL) {
            break;
        }
    }
    while (fgets(szLine, sizeof(szLine), pFile) != NULL) {
        char *pColon = strchr(szLine, ':');
        char *pName = szLine;

        if (pColon == NULL) {
            continue;
        }
        if (count >= max) {
            break;
        }
        *pColon = '\0';
        while (*pName == ' ' || *pName == '\t') {
            pName++;
        }
        if (FHOSTIfaceIsUsable(pCtx, pName) != 0) {
            continue;
        }
        memset(pNetIf[count].szName, 0, sizeof(pNetIf[count].szName));
        memcpy(pNetIf[count].szName, pName, strnlen(pName, FHOST_IFACE_NAME_LEN - 1));
        pNetIf[count].ulActive = 1;
        count++;
    }
    if (ferror(pFile)) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d failed to read file %s error:(%d)\n", FHOST_SRC,
                 __LINE__, pszProcNetDev, errno);
        count = -1;
    }
    fclose(pFile);
    return count;
}

/* ---------------------------------------------------------------------------------------- */
/* Configuration files                                                                      */
/* ---------------------------------------------------------------------------------------- */

int FHOSTIfaceReadResolvConf(FHOSTLOGCTX *pCtx, const char *pszPath)
{
    char szValue[FHOST_KEYVALUE_LEN];
    uint32_t ulAddr;
    int ret;

    FHOST_CHECK_PTR(pCtx, pszPath, -1);
    if (access(pszPath, F_OK) != 0) {
        return 0; /* no resolver configuration: no DNS server */
    }
    ret = FHOSTReadKeyValueFile(pCtx, pszPath, "nameserver", szValue, " \t");
    if (ret != 1) {
        return ret;
    }
    if (!ParseDotted(szValue, &ulAddr)) {
        return 0;
    }
    gulDNS = ulAddr;
    return 1;
}

/* One NetworkManager key file, already open. */
static void ReadNMFile(FHOSTLOGCTX *pCtx, FILE *pFile, NETIF *pNetIf, int count)
{
    char szValue[FHOST_KEYVALUE_LEN];
    unsigned int mac[6];
    NETIF *pEntry = NULL;
    uint32_t ulAddr;
    int i;
    int j;

    if (FHOSTReadKeyValue(pCtx, pFile, "mac-address", szValue, "=") != 1) {
        return;
    }
    if (sscanf(szValue, "%x:%x:%x:%x:%x:%x", &mac[0], &mac[1], &mac[2], &mac[3], &mac[4],
               &mac[5]) != 6) {
        return;
    }
    for (i = 0; i < count && pEntry == NULL; ++i) {
        for (j = 0; j < 6 && pNetIf[i].byMac[j] == mac[j]; ++j) {
        }
        if (j == 6) {
            pEntry = &pNetIf[i];
        }
    }
    if (pEntry == NULL) {
        return;
    }

    if (FHOSTReadKeyValue(pCtx, pFile, "method", szValue, "=") == 1 &&
        IsKeyword(szValue, "manual")) {
        pEntry->ulStatic = 1;
    }

    if (FHOSTReadKeyValue(pCtx, pFile, "dns", szValue, "=") == 1) {
        size_t cb = strlen(szValue);
        if (cb > 0 && szValue[cb - 1] == ';') {
            szValue[cb - 1] = '\0';
        }
        /* A list of several servers does not parse and is left alone. */
        if (ParseDotted(szValue, &ulAddr)) {
            pEntry->ulDNS = ulAddr;
            if (gulDNS == FHOST_DNS_NONE) {
                gulDNS = ulAddr;
            }
        }
    }

    if (FHOSTReadKeyValue(pCtx, pFile, "addresses1", szValue, "=") == 1) {
        /* address;prefix;gateway - runs of ';' count as one separator. */
        char *pSave = NULL;
        char *pToken = strtok_r(szValue, ";", &pSave);
        for (i = 1; pToken != NULL && i < 3; ++i) {
            pToken = strtok_r(NULL, ";", &pSave);
        }
        if (pToken != NULL && ParseDotted(pToken, &ulAddr)) {
            pEntry->ulGateway = ulAddr;
        }
    }
}

int FHOSTIfaceReadNMKeyfile(FHOSTLOGCTX *pCtx, const char *pszDir, NETIF *pNetIf, int count)
{
    struct dirent *pEnt;
    DIR *pDir;

    FHOST_CHECK_PTR(pCtx, pszDir, -1);
    FHOST_CHECK_PTR(pCtx, pNetIf, -1);
    FHOST_CHECK(pCtx, 0 <= count, -1);

    pDir = opendir(pszDir);
    if (pDir == NULL) {
        return 0; /* no NetworkManager connections */
    }
    while ((pEnt = readdir(pDir)) != NULL) {
        char szPath[PATH_MAX];
        struct stat st;
        FILE *pFile;
        int cb;

        if (strcmp(pEnt->d_name, ".") == 0 || strcmp(pEnt->d_name, "..") == 0) {
            continue;
        }
        cb = snprintf(szPath, sizeof(szPath), "%s/%s", pszDir, pEnt->d_name);
        if (cb < 0 || (size_t)cb >= sizeof(szPath)) {
            continue;
        }
        pFile = fopen(szPath, "re");
        if (pFile == NULL) {
            continue;
        }
        if (fstat(fileno(pFile), &st) == 0 && S_ISREG(st.st_mode)) {
            ReadNMFile(pCtx, pFile, pNetIf, count);
        }
        fclose(pFile);
    }
    closedir(pDir);
    return 0;
}

int FHOSTIfaceReadIfcfg(FHOSTLOGCTX *pCtx, const char *pszPath, NETIF *pNetIf)
{
    char szValue[FHOST_KEYVALUE_LEN];
    uint32_t ulAddr;
    FILE *pFile;

    FHOST_CHECK_PTR(pCtx, pszPath, -1);
    FHOST_CHECK_PTR(pCtx, pNetIf, -1);
    pFile = fopen(pszPath, "re");
    if (pFile == NULL) {
        return -1;
    }
    if (FHOSTReadKeyValue(pCtx, pFile, "BOOTPROTO", szValue, "=") == 1 &&
        (IsKeyword(szValue, "none") || IsKeyword(szValue, "static"))) {
        pNetIf->ulStatic = 1;
    }
    /* A gateway counts only for an address set by hand. */
    if (pNetIf->ulStatic && FHOSTReadKeyValue(pCtx, pFile, "GATEWAY", szValue, "=") == 1 &&
        ParseDotted(szValue, &ulAddr)) {
        pNetIf->ulGateway = ulAddr;
    }
    fclose(pFile);
    return 0;
}

int FHOSTIfaceReadRedHatCfg(FHOSTLOGCTX *pCtx, const char *pszDir, NETIF *pNetIf, int count)
{
    int i;

    FHOST_CHECK_PTR(pCtx, pszDir, -1);
    FHOST_CHECK_PTR(pCtx, pNetIf, -1);
    FHOST_CHECK(pCtx, 0 <= count, -1);

    for (i = 0; i < count; ++i) {
        NETIF *p = &pNetIf[i];
        char szPath[PATH_MAX];
        int cb;

        cb = snprintf(szPath, sizeof(szPath), "%s/ifcfg-%s", pszDir, p->szName);
        if (cb > 0 && (size_t)cb < sizeof(szPath) && FHOSTIfaceReadIfcfg(pCtx, szPath, p) == 0) {
            continue;
        }
        /* The MAC bytes are printed space-padded ("%2x"), as the file names are made. */
        cb = snprintf(szPath, sizeof(szPath), "%s/ifcfg-%s-%2x:%2x:%2x:%2x:%2x:%2x", pszDir,
                      p->szName, p->byMac[0], p->byMac[1], p->byMac[2], p->byMac[3], p->byMac[4],
                      p->byMac[5]);
        if (cb > 0 && (size_t)cb < sizeof(szPath)) {
            FHOSTIfaceReadIfcfg(pCtx, szPath, p);
        }
    }
    return 0;
}

int FHOSTIfaceReadDebian(FHOSTLOGCTX *pCtx, const char *pszPath, NETIF *pNetIf, int count)
{
    NETIF *pCurrent = NULL;
    char *pszLine = NULL;
    size_t cbLine = 0;
    FILE *pFile;

    FHOST_CHECK_PTR(pCtx, pszPath, -1);
    FHOST_CHECK_PTR(pCtx, pNetIf, -1);
    FHOST_CHECK(pCtx, 0 <= count, -1);

    pFile = fopen(pszPath, "re");
    if (pFile == NULL) {
        return 0; /* no interfaces file */
    }
    while (getline(&pszLine, &cbLine, pFile) != -1) {
        static const char szSep[] = " \t\r\n";
        char *p = pszLine;
        char *pSave = NULL;

        while (*p == ' ' || *p == '\t') {
            p++;
        }
        if (*p == '\0' || *p == '\n' || *p == '\r' || *p == '#') {
            continue;
        }
        if (strncmp(p, "iface", 5) == 0 && strchr(szSep, p[5]) != NULL && p[5] != '\0') {
            /* iface <name> <family> <method> */
            char *pName;
            char *pMethod;
            strtok_r(p, szSep, &pSave);
            pName = strtok_r(NULL, szSep, &pSave);
            strtok_r(NULL, szSep, &pSave);
            pMethod = strtok_r(NULL, szSep, &pSave);
            pCurrent = pName != NULL ? FindByName(pNetIf, count, pName) : NULL;
            if (pCurrent != NULL && pMethod != NULL && IsKeyword(pMethod, "static")) {
                pCurrent->ulStatic = 1;
            }
        } else if (strncmp(p, "gateway", 7) == 0 && strchr(szSep, p[7]) != NULL && p[7] != '\0') {
            char *pWord;
            uint32_t ulAddr;
            strtok_r(p, szSep, &pSave);
            pWord = strtok_r(NULL, szSep, &pSave);
            if (pCurrent != NULL && pWord != NULL && ParseDotted(pWord, &ulAddr)) {
                pCurrent->ulGateway = ulAddr;
            }
        }
    }
    free(pszLine);
    fclose(pFile);
    return 0;
}

int FHOSTIfaceReadConfig(FHOSTLOGCTX *pCtx, const FHOSTIFACEPATHS *pPaths, NETIF *pNetIf, int count)
{
    const FHOSTIFACEPATHS *pSys = &gFHOSTIfaceSysPaths;
    const char *pszRedHat;
    struct stat st;

    FHOST_CHECK_PTR(pCtx, pNetIf, -1);
    FHOST_CHECK(pCtx, 0 <= count, -1);
    if (pPaths == NULL) {
        pPaths = pSys;
    }
    FHOSTIfaceReadNMKeyfile(pCtx, PathOr(pPaths->pszNMDir, pSys->pszNMDir), pNetIf, count);
    pszRedHat = PathOr(pPaths->pszRedHatDir, pSys->pszRedHatDir);
    if (stat(pszRedHat, &st) == 0 && S_ISDIR(st.st_mode)) {
        FHOSTIfaceReadRedHatCfg(pCtx, pszRedHat, pNetIf, count);
    } else {
        FHOSTIfaceReadDebian(pCtx, PathOr(pPaths->pszDebianFile, pSys->pszDebianFile), pNetIf, count);
    }
    return 0;
}

/* ---------------------------------------------------------------------------------------- */
/* Enumeration                                                                              */
/* ---------------------------------------------------------------------------------------- */

int FHOSTIfaceEnumFrom(FHOSTLOGCTX *pCtx, const FHOSTIFACEPATHS *pPaths, NETIF *rgNetIf, int numNetIf)
{
    const FHOSTIFACEPATHS *pSys = &gFHOSTIfaceSysPaths;
    int count;
    int i;

    FHOST_CHECK_PTR(pCtx, rgNetIf, -1);
    FHOST_CHECK(pCtx, 0 < numNetIf, -1);
    FHOST_CHECK(pCtx, FHOST_IFACE_MAX >= numNetIf, -1);
    if (pPaths == NULL) {
        pPaths = pSys;
    }

    gulDNS = FHOST_DNS_NONE;
    FHOSTIfaceReadResolvConf(pCtx, PathOr(pPaths->pszResolvConf, pSys->pszResolvConf));

    count = FHOSTIfaceEnumNamesFrom(pCtx, PathOr(pPaths->pszProcNetDev, pSys->pszProcNetDev),
                                    rgNetIf, numNetIf);
    if (count < 0) {
        return -1;
    }
    for (i = 0; i < count; ++i) {
        if (rgNetIf[i].ulActive && FHOSTIfaceGetInfo(pCtx, &rgNetIf[i]) != 0) {
            rgNetIf[i].ulActive = 0; /* listed, but skipped by every caller */
        }
    }
    FHOSTIfaceReadConfig(pCtx, pPaths, rgNetIf, count);
    return count;
}

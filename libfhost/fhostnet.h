/*
 * fhostnet.h - the discovery library's network side: local interface enumeration, the host's
 * own network configuration, one-datagram sends, the broadcast of a request on every interface
 * and the listening loop. Included by fhost.h; callers include fhost.h only.
 */
#ifndef FHOSTNET_H
#define FHOSTNET_H

#include <stdint.h>
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------------------------------ */
/* Local interfaces                                                                           */
/* ------------------------------------------------------------------------------------------ */

/* At most this many interfaces are listed. */
#define FHOST_IFACE_MAX 8
/* Width of an interface name in NETIF; names are copied with at most 63 characters. */
#define FHOST_IFACE_NAME_LEN 64
/* Value buffer of the key-value reader, terminating NUL included. */
#define FHOST_KEYVALUE_LEN 128
/* gulDNS when no DNS server is known. */
#define FHOST_DNS_NONE 0xFFFFFFFFu

/* One local interface. Callers hold arrays of at most FHOST_IFACE_MAX, zeroed before the call.
 * Addresses are in network order. */
typedef struct _NETIF {
    char szName[FHOST_IFACE_NAME_LEN]; /* as listed in /proc/net/dev */
    uint8_t byMac[6];                  /* hardware address */
    uint32_t ulIP;                     /* IPv4 address */
    uint32_t ulMask;                   /* netmask */
    uint32_t ulBroadCast;              /* broadcast address */
    uint32_t ulGateway;                /* default gateway from the configuration files, or 0 */
    uint32_t ulDNS;                    /* DNS server from a NetworkManager connection, or 0 */
    uint32_t ulStatic;                 /* 1 = address set by hand, 0 = DHCP */
    uint32_t ulActive;                 /* 1 = usable and fully queried; 0 = skip this entry */
} NETIF;

/* The host's DNS server (network order), FHOST_DNS_NONE when none; reset by every enumeration. */
extern uint32_t gulDNS;

/* Where the enumeration reads the host's configuration. The public functions use
 * gFHOSTIfaceSysPaths (the real system files); tests point the readers at files of their own. */
typedef struct _FHOSTIFACEPATHS {
    const char *pszResolvConf; /* "/etc/resolv.conf" */
    const char *pszProcNetDev; /* "/proc/net/dev" */
    const char *pszNMDir;      /* "/etc/NetworkManager/system-connections" */
    const char *pszRedHatDir;  /* "/etc/sysconfig/network-scripts" */
    const char *pszDebianFile; /* "/etc/network/interfaces" */
} FHOSTIFACEPATHS;

extern const FHOSTIFACEPATHS gFHOSTIfaceSysPaths;

/* Resets gulDNS and enumerates up to max (1..FHOST_IFACE_MAX) interfaces into pNetIf.
 * Returns the number of entries filled, active or not, or -1. */
int FHOSTIfaceInit(FHOSTLOGCTX *pCtx, NETIF *pNetIf, int max);
/* The enumeration itself over the system files. Same result. */
int FHOSTIfaceEnum(FHOSTLOGCTX *pCtx, NETIF *pNetIf, int max);
/* The enumeration over the given files (null members fall back to the system files). */
int FHOSTIfaceEnumFrom(FHOSTLOGCTX *pCtx, const FHOSTIFACEPATHS *pPaths, NETIF *pNetIf, int max);

/* Fills names of usable interfaces from /proc/net/dev (or pszProcNetDev) and sets their active
 * flag. Returns the count, or -1 when the file cannot be opened or read. */
int FHOSTIfaceEnumNames(FHOSTLOGCTX *pCtx, NETIF *pNetIf, int max);
int FHOSTIfaceEnumNamesFrom(FHOSTLOGCTX *pCtx, const char *pszProcNetDev, NETIF *pNetIf, int max);

/* 0 when the named interface is up, running, and neither loopback, point-to-point nor a bonding
 * slave; -1 otherwise. */
int FHOSTIfaceIsUsable(FHOSTLOGCTX *pCtx, const char *pszName);
/* The same rule on interface flags (IFF_*): 0 usable, -1 not. */
int FHOSTIfaceFlagsUsable(unsigned int flags);
/* Fills MAC, address, broadcast and mask of pNetIf->szName. 0, or -1 at the first failed query. */
int FHOSTIfaceGetInfo(FHOSTLOGCTX *pCtx, NETIF *pNetIf);

/* Key-value reader for the configuration files. pszDelim holds the delimiter characters; the
 * value buffer holds FHOST_KEYVALUE_LEN bytes. 1 found and copied, 0 not found, -1 error. */
int FHOSTReadKeyValue(FHOSTLOGCTX *pCtx, FILE *pFile, const char *pszKey, char *pszValue,
                      const char *pszDelim);
int FHOSTReadKeyValueFile(FHOSTLOGCTX *pCtx, const char *pszPath, const char *pszKey,
                          char *pszValue, const char *pszDelim);

/* "nameserver" from a resolv.conf: a dotted address becomes gulDNS. 1 taken, 0 none, -1 error. */
int FHOSTIfaceReadResolvConf(FHOSTLOGCTX *pCtx, const char *pszPath);
/* Every regular file of a NetworkManager key-file directory: static flag, gateway and DNS of the
 * entry with the file's MAC. A missing directory is no error. Returns 0, or -1 on bad arguments. */
int FHOSTIfaceReadNMKeyfile(FHOSTLOGCTX *pCtx, const char *pszDir, NETIF *pNetIf, int count);
/* ifcfg-<name>, else ifcfg-<name>-<MAC>, of a RedHat network-scripts directory, for every entry.
 * Returns 0, or -1 on bad arguments. */
int FHOSTIfaceReadRedHatCfg(FHOSTLOGCTX *pCtx, const char *pszDir, NETIF *pNetIf, int count);
/* One ifcfg file for one entry: 0 read, -1 when it cannot be opened. */
int FHOSTIfaceReadIfcfg(FHOSTLOGCTX *pCtx, const char *pszPath, NETIF *pNetIf);
/* A Debian interfaces file: static methods and gateways of the named entries. A missing file is
 * no error. Returns 0, or -1 on bad arguments. */
int FHOSTIfaceReadDebian(FHOSTLOGCTX *pCtx, const char *pszPath, NETIF *pNetIf, int count);
/* The configuration step of the enumeration: NetworkManager files, then the RedHat files when
 * their directory exists, else the Debian file. Returns 0, or -1 on bad arguments. */
int FHOSTIfaceReadConfig(FHOSTLOGCTX *pCtx, const FHOSTIFACEPATHS *pPaths, NETIF *pNetIf, int count);

/* Enumerates and logs every interface at level 1. 0, or -1. */
int FHOSTIfaceDump(FHOSTLOGCTX *pCtx);

/* ------------------------------------------------------------------------------------------ */
/* UDP transport                                                                              */
/* ------------------------------------------------------------------------------------------ */

/* Source port of sends bound to an interface. */
#define FHOST_UDP_SRC_PORT 1234
/* Datagram buffer for building and receiving. */
#define FHOST_UDP_BUF_LEN 8192
/* Receive buffer of the listening socket: never less than the system's default, nor than this
 * floor where the system allows it. */
#define FHOST_UDP_RCVBUF 65536
/* What the listening socket asks for: enough for a few thousand answers arriving at once. The
 * kernel caps the request at net.core.rmem_max unless the process may exceed it. */
#define FHOST_UDP_RCVBUF_WANT (4 * 1024 * 1024)
/* Datagrams the listening loop takes from its socket with one receive call. */
#define FHOST_UDP_BATCH 64
/* Wait for a datagram per turn of the listening loop, in seconds. */
#define FHOST_UDP_WAIT_SEC 2
/* Destination text that means the limited broadcast address. */
#define FHOST_BROADCAST_ADDR "255.255.255.255"

/* 1 asks the listening loop or the broadcast to stop. */
typedef int (*PFNFHOSTSTOP)(void);

/* A connection: one for listening, one per send. Zero it before use. */
typedef struct _FHOSTCONN {
    char szAddr[16];        /* listening: address to bind; sending: destination (dotted text) */
    uint16_t usPort;        /* listening port, or destination port */
    int nTimeout;           /* listening: seconds, > 0 ends the loop, -1 never; on the send
                               connection given to the loop: re-broadcast interval, -1 = once */
    uintptr_t reserved;     /* not touched by the library */
    PFNFHOSTSTOP pfnStop;   /* optional */
    FHOSTLOGCTX *pLogCtx;   /* where every line of this layer goes */
} FHOSTCONN;

/* Receive callbacks of the listening loop; every member optional. */
typedef struct _FHOSTRECV {
    int (*pfnLock)(int on);                            /* 1 before, 0 after the handler */
    int (*pfnFilter)(NASINFO *pnasInfo);               /* anything but 1 drops the record */
    int (*pfnHandler)(NASINFO *pnasInfo);              /* the record lives on the loop's stack */
    void (*pfnProgress)(int timeout, int elapsed, int reserved); /* once per turn */
} FHOSTRECV;

/* Start-up hook of the socket layer; 0. */
int FHOSTSocketInit(void);

/* Sends one datagram from a fresh socket to pConn's address and port; with bBind, from the
 * interface's address and port FHOST_UDP_SRC_PORT. Returns cbData, -1 on a socket, address or
 * send error, 0 on an argument error. */
int FHOSTUDPSend(FHOSTLOGCTX *pCtx, const void *pvData, int cbData, FHOSTCONN *pConn,
                 NETIF *pNetIf, int bBind);

/* Sends the request on every active interface, each copy bound to the interface and carrying
 * its MAC as 0x7c (appended to the request each time), then the last copy once more unbound.
 * 0, or -1 on failure, stop request or when no interface is active. */
int FHOSTUDPBroadcastQuery(FHOSTCONN *pConn, FHOSTSEND *pfhostSend);

/* Listens on pListen's address and port, reading every datagram into a NASINFO for the
 * callbacks. With pSend and pfhostSend, broadcasts the request once or at pSend's interval.
 * Every wake-up takes all datagrams queued on the socket, in batches, before the next wait; the
 * callbacks run for each datagram in arrival order, so they decide how long the socket waits.
 * 0 when ended by time-out or stop request, -1 on a set-up or broadcast error. */
int FHOSTUDPServerRun(FHOSTCONN *pListen, FHOSTRECV *pfhostRecv, FHOSTCONN *pSend,
                      FHOSTSEND *pfhostSend);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* FHOSTNET_H */

/*
 * udp.c - the discovery transport: one datagram from a fresh socket, a request broadcast on
 * every usable interface, and the listening loop that turns datagrams into NASINFO records.
 */
#include "fhostpriv.h"

#include <arpa/inet.h>
#include <errno.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#define PKT_ID_SRC_NIC_MAC 0x7c

/* Text of an errno value, safe on any thread. */
static const char *ErrText(int err, char *pszBuf, size_t cbBuf)
{
    return strerror_r(err, pszBuf, cbBuf);
}

/* The address text of a connection, NUL-terminated even when szAddr is full. */
static void AddrText(const FHOSTCONN *pConn, char szText[sizeof(pConn->szAddr) + 1])
{
    memcpy(szText, pConn->szAddr, sizeof(pConn->szAddr));
    szText[sizeof(pConn->szAddr)] = '\0';
}

/* Milliseconds on a clock that never jumps back. */
static long long NowMs(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000 + ts.tv_nsec / 1000000;
}

int FHOSTSocketInit(void)
{
    return 0;
}

int FHOSTUDPSend(FHOSTLOGCTX *pCtx, const void *pvData, int cbData, FHOSTCONN *pConn,
                 NETIF *pNetIf, int bBind)
{
    struct sockaddr_in local;
    struct sockaddr_in dest;
    char szAddr[sizeof(pConn->szAddr) + 1];
    char szErr[128];
    const int on = 1;
    ssize_t sent;
    int fd;

    FHOST_CHECK_PTR(pCtx, pvData, 0);
    FHOST_CHECK(pCtx, 0 < cbData, 0);
    FHOST_CHECK_PTR(pCtx, pConn, 0);
    FHOST_CHECK_PTR(pCtx, pNetIf, 0);
    if (FHOSTSocketInit() != 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d Init socket error.\n", FHOST_SRC, __LINE__);
        return -1;
    }

    memset(&local, 0, sizeof(local));
    if (bBind) {
        if (pNetIf->ulIP == 0 || pNetIf->ulIP == 0xFFFFFFFFu) {
            FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d fail to init Iface [%s] src addr [%X]\n",
                     FHOST_SRC, __LINE__, pNetIf->szName, (unsigned)pNetIf->ulIP);
            return -1;
        }
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = pNetIf->ulIP;
        local.sin_port = htons(FHOST_UDP_SRC_PORT);
    }

    memset(&dest, 0, sizeof(dest));
    dest.sin_family = AF_INET;
    dest.sin_port = htons(pConn->usPort);
    /* The whole field is compared: the broadcast text must end with its NUL. */
    if (memcmp(pConn->szAddr, FHOST_BROADCAST_ADDR, sizeof(pConn->szAddr)) == 0) {
        dest.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    } else {
        AddrText(pConn, szAddr);
        if (inet_pton(AF_INET, szAddr, &dest.sin_addr) != 1) {
            FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d fail to translate IP addr\n", FHOST_SRC, __LINE__);
            return -1;
        }
    }

    fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d create socket error.\n", FHOST_SRC, __LINE__);
        return -1;
    }
    if (setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on)) < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d control setsockopt (SO_REUSEADDR)\n", FHOST_SRC, __LINE__);
    }
    if (setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof(on)) < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d control setsockopt (SO_BROADCAST)\n", FHOST_SRC, __LINE__);
    }
    if (bBind && bind(fd, (const struct sockaddr *)&local, sizeof(local)) < 0) {
        const int err = errno;
        FHOSTLog(pCtx, FHOST_LOG_ERROR,
                 "%s:%d bind(sockfd=%d, brdcast.sin_addr.s_addr = %lu) error!! error: %d [%s]\n",
                 FHOST_SRC, __LINE__, fd, (unsigned long)local.sin_addr.s_addr, err,
                 ErrText(err, szErr, sizeof(szErr)));
        close(fd);
        return -1;
    }

    sent = sendto(fd, pvData, (size_t)cbData, 0, (const struct sockaddr *)&dest, sizeof(dest));
    if (sent != (ssize_t)cbData) {
        const int err = sent < 0 ? errno : 0;
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d sendto error ret=[%d] %d [%s]\n", FHOST_SRC,
                 __LINE__, (int)sent, err, ErrText(err, szErr, sizeof(szErr)));
        close(fd);
        return -1;
    }
    close(fd);
    return cbData;
}

int FHOSTUDPBroadcastQuery(FHOSTCONN *pConn, FHOSTSEND *pfhostSend)
{
    NETIF rgNetIf[FHOST_IFACE_MAX];
    FHOSTLOGCTX *pCtx;
    char *pbyPacket;
    int cbPacket = 0;
    int count;
    int iLast = -1;
    int i;

    if (pConn == NULL) {
        return -1;
    }
    pCtx = pConn->pLogCtx;
    FHOST_CHECK(pCtx, NULL != pfhostSend, -1);
    FHOST_CHECK_PTR(pCtx, pfhostSend->pnasInfo, -1);
    FHOST_CHECK(pCtx, 0 < pfhostSend->nPktID, -1);

    pbyPacket = (char *)calloc(1, FHOST_UDP_BUF_LEN);
    if (pbyPacket == NULL) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d fail to create output-packet content.\n", FHOST_SRC,
                 __LINE__);
        return -1;
    }
    memset(rgNetIf, 0, sizeof(rgNetIf));
    count = FHOSTIfaceInit(pCtx, rgNetIf, FHOST_IFACE_MAX);
    if (count < 1) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d get physical interface error or no interface\n",
                 FHOST_SRC, __LINE__);
        free(pbyPacket);
        return -1;
    }
    FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d FHOSTIfaceInit number of interafce: %d\n", FHOST_SRC,
             __LINE__, count);

    for (i = 0; i < count; ++i) {
        NETIF *pNetIf = &rgNetIf[i];
        char szMac[36];
        int cbBuffer = FHOST_UDP_BUF_LEN;

        if (pConn->pfnStop != NULL && pConn->pfnStop() == 1) {
            free(pbyPacket);
            return -1;
        }
        if (!pNetIf->ulActive) {
            continue;
        }
        memset(szMac, 0, sizeof(szMac));
        snprintf(szMac, sizeof(szMac), "%02x:%02x:%02x:%02x:%02x:%02x", pNetIf->byMac[0],
                 pNetIf->byMac[1], pNetIf->byMac[2], pNetIf->byMac[3], pNetIf->byMac[4],
                 pNetIf->byMac[5]);
        /* Every copy names the interface it leaves from; a copy without it is never sent. */
        if (FHOSTSendAddField(pCtx, pfhostSend, PKT_ID_SRC_NIC_MAC, szMac, (int)sizeof(szMac)) != 0) {
            FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d fail to create output-packet content.\n",
                     FHOST_SRC, __LINE__);
            free(pbyPacket);
            return -1;
        }
        memset(pbyPacket, 0, FHOST_UDP_BUF_LEN);
        cbPacket = FHOSTPacketWrite(pCtx, &pbyPacket, &cbBuffer, pfhostSend);
        if (cbPacket < 1) {
            FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d fail to create output-packet content.\n",
                     FHOST_SRC, __LINE__);
            free(pbyPacket);
            return -1;
        }
        iLast = i;
        if (FHOSTUDPSend(pCtx, pbyPacket, cbPacket, pConn, pNetIf, 1) != cbPacket) {
            FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d UDPSend error. interface: %s\n", FHOST_SRC,
                     __LINE__, pNetIf->szName);
        }
    }

    if (iLast < 0) {
        /* No interface was active: nothing was built and nothing went out. */
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d get physical interface error or no interface\n",
                 FHOST_SRC, __LINE__);
        free(pbyPacket);
        return -1;
    }
    /* Once more without binding: the system picks the route and the source. */
    FHOSTUDPSend(pCtx, pbyPacket, cbPacket, pConn, &rgNetIf[iLast], 0);
    free(pbyPacket);
    return 0;
}

int FHOSTUDPServerRun(FHOSTCONN *pListen, FHOSTRECV *pfhostRecv, FHOSTCONN *pSend,
                      FHOSTSEND *pfhostSend)
{
    FHOSTLOGCTX *pCtx;
    struct sockaddr_in addr;
    char szAddr[sizeof(pListen->szAddr) + 1];
    char szErr[128];
    uint8_t *pbyBuffer;
    NASINFO *pnasInfo;
    const int on = 1;
    const int cbRcvBuf = FHOST_UDP_RCVBUF;
    long long startMs;
    long nextDue = 0;
    int bFirstTurn = 1;
    int result = 0;
    int fd;

    if (pListen == NULL) {
        return -1;
    }
    pCtx = pListen->pLogCtx;
    FHOST_CHECK(pCtx, NULL != pfhostRecv, -1);
    if (FHOSTSocketInit() != 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d Init socket error.\n", FHOST_SRC, __LINE__);
        return -1;
    }

    fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d create socket error.\n", FHOST_SRC, __LINE__);
        return -1;
    }
    if (setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on)) < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d control setsockopt (SO_REUSEADDR)\n", FHOST_SRC, __LINE__);
    }
    if (setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &cbRcvBuf, sizeof(cbRcvBuf)) < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d set sock opt error: %s\n", FHOST_SRC, __LINE__,
                 ErrText(errno, szErr, sizeof(szErr)));
    }

    memset(&addr, 0, sizeof(addr));
    addr.sin_family = AF_INET;
    addr.sin_port = htons(pListen->usPort);
    AddrText(pListen, szAddr);
    if (inet_pton(AF_INET, szAddr, &addr.sin_addr) != 1) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d fail to translate IP addr\n", FHOST_SRC, __LINE__);
        close(fd);
        return -1;
    }
    if (bind(fd, (const struct sockaddr *)&addr, sizeof(addr)) < 0) {
        const int err = errno;
        FHOSTLog(pCtx, FHOST_LOG_ERROR,
                 "%s:%d bind(sockfd=%d, servaddr.sin_addr.s_addr = %lu) error!! errno: %d [%s]\n",
                 FHOST_SRC, __LINE__, fd, (unsigned long)addr.sin_addr.s_addr, err,
                 ErrText(err, szErr, sizeof(szErr)));
        close(fd);
        return -1;
    }

    /* The datagram buffer and the record are large; they live on the heap rather than on the
     * caller's thread stack. */
    pbyBuffer = (uint8_t *)malloc(FHOST_UDP_BUF_LEN);
    pnasInfo = (NASINFO *)malloc(sizeof(NASINFO));
    if (pbyBuffer == NULL || pnasInfo == NULL) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d out of memory\n", FHOST_SRC, __LINE__);
        free(pbyBuffer);
        free(pnasInfo);
        close(fd);
        return -1;
    }

    startMs = NowMs();
    for (;;) {
        /* Whole seconds since the start. */
        const long elapsed = (long)((NowMs() - startMs) / 1000);
        struct pollfd pfd;
        struct sockaddr_in from;
        socklen_t cbFrom = sizeof(from);
        ssize_t cbRecv;
        int ret;

        if (pListen->nTimeout > 0 && elapsed > pListen->nTimeout) {
            break;
        }
        if (pListen->pfnStop != NULL && pListen->pfnStop() == 1) {
            break;
        }
        if (pfhostRecv->pfnProgress != NULL) {
            pfhostRecv->pfnProgress(pListen->nTimeout, (int)elapsed, 0);
        }
        if (pSend != NULL && pfhostSend != NULL) {
            int bBroadcast = 0;
            if (pSend->nTimeout > 0) {
                if (elapsed > nextDue) {
                    bBroadcast = 1;
                    nextDue += pSend->nTimeout;
                }
            } else if (pSend->nTimeout == -1 && bFirstTurn) {
                bBroadcast = 1;
            }
            if (bBroadcast && FHOSTUDPBroadcastQuery(pSend, pfhostSend) == -1) {
                FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d broadcast query packet error!\n", FHOST_SRC,
                         __LINE__);
                result = -1;
                break;
            }
        }
        bFirstTurn = 0;

        /* poll rather than select: any descriptor number is safe. */
        pfd.fd = fd;
        pfd.events = POLLIN;
        pfd.revents = 0;
        if (poll(&pfd, 1, FHOST_UDP_WAIT_SEC * 1000) < 1 || !(pfd.revents & POLLIN)) {
            continue;
        }

        memset(pbyBuffer, 0, FHOST_UDP_BUF_LEN);
        cbRecv = recvfrom(fd, pbyBuffer, FHOST_UDP_BUF_LEN, 0, (struct sockaddr *)&from, &cbFrom);
        if (cbRecv < 1) {
            const int err = errno;
            FHOSTLog(pCtx, FHOST_LOG_DETAIL, "%s:%d recvfrom error! errno: %d [%s]\n", FHOST_SRC,
                     __LINE__, err, ErrText(err, szErr, sizeof(szErr)));
            continue;
        }

        /* The sender's address is not used: a record is identified by its own items. */
        memset(pnasInfo, 0, sizeof(*pnasInfo));
        ret = FHOSTPacketRead(pCtx, pbyBuffer, (int)cbRecv, pnasInfo);
        if (ret < 1) {
            FHOSTLog(pCtx, FHOST_LOG_DETAIL, "%s:%d PacketRead Error! ret=[%d]\n", FHOST_SRC,
                     __LINE__, ret);
            continue;
        }
        if (pfhostRecv->pfnFilter != NULL && pfhostRecv->pfnFilter(pnasInfo) != 1) {
            continue;
        }
        if (pfhostRecv->pfnLock != NULL) {
            pfhostRecv->pfnLock(1);
        }
        if (pfhostRecv->pfnHandler != NULL) {
            pfhostRecv->pfnHandler(pnasInfo);
        }
        if (pfhostRecv->pfnLock != NULL) {
            pfhostRecv->pfnLock(0);
        }
    }

    free(pbyBuffer);
    free(pnasInfo);
    close(fd);
    return result;
}

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

/* Opens the listening socket with the largest receive buffer it may have. The request is
 * FHOST_UDP_RCVBUF_WANT: beyond net.core.rmem_max only with CAP_NET_ADMIN (SO_RCVBUFFORCE),
 * otherwise capped by the kernel. A cap below the system's default would shrink the buffer: then
 * a fresh socket keeps the default. -1 (logged) when no socket can be made. */
static int OpenListenSocket(FHOSTLOGCTX *pCtx)
{
    char szErr[128];
    const int on = 1;
    const int cbWant = FHOST_UDP_RCVBUF_WANT;
    int cbDefault = 0;
    int cbGot = 0;
    socklen_t cbOpt = sizeof(cbDefault);
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);

    if (fd < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d create socket error.\n", FHOST_SRC, __LINE__);
        return -1;
    }
    if (getsockopt(fd, SOL_SOCKET, SO_RCVBUF, &cbDefault, &cbOpt) < 0) {
        cbDefault = 0;
    }
    if (setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &cbWant, sizeof(cbWant)) < 0 &&
        setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &cbWant, sizeof(cbWant)) < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d set sock opt error: %s\n", FHOST_SRC, __LINE__,
                 ErrText(errno, szErr, sizeof(szErr)));
    }
    cbOpt = sizeof(cbGot);
    if (getsockopt(fd, SOL_SOCKET, SO_RCVBUF, &cbGot, &cbOpt) == 0 && cbGot < cbDefault) {
        close(fd);
        fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d create socket error.\n", FHOST_SRC, __LINE__);
            return -1;
        }
    }
    if (setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on)) < 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d control setsockopt (SO_REUSEADDR)\n", FHOST_SRC, __LINE__);
    }
    return fd;
}

/* One received datagram: read into the record (the reader zeroes it first), filtered, and handed
 * to the handler inside the lock. */
static void HandDatagram(FHOSTLOGCTX *pCtx, FHOSTRECV *pfhostRecv, const uint8_t *pbyData,
                         int cbData, NASINFO *pnasInfo)
{
    /* The sender's address is not used: a record is identified by its own items. */
    const int ret = FHOSTPacketRead(pCtx, pbyData, cbData, pnasInfo);
    if (ret < 1) {
        FHOSTLog(pCtx, FHOST_LOG_DETAIL, "%s:%d PacketRead Error! ret=[%d]\n", FHOST_SRC, __LINE__,
                 ret);
        return;
    }
    if (pfhostRecv->pfnFilter != NULL && pfhostRecv->pfnFilter(pnasInfo) != 1) {
        return;
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

int FHOSTUDPServerRun(FHOSTCONN *pListen, FHOSTRECV *pfhostRecv, FHOSTCONN *pSend,
                      FHOSTSEND *pfhostSend)
{
    FHOSTLOGCTX *pCtx;
    struct sockaddr_in addr;
    char szAddr[sizeof(pListen->szAddr) + 1];
    char szErr[128];
    uint8_t *pbyBuffer;
    NASINFO *pnasInfo;
    struct mmsghdr *rgMsg;
    struct iovec *rgIov;
    long long startMs;
    long nextDue = 0;
    int bFirstTurn = 1;
    int bStopped = 0;
    int result = 0;
    int fd;
    int k;

    if (pListen == NULL) {
        return -1;
    }
    pCtx = pListen->pLogCtx;
    FHOST_CHECK(pCtx, NULL != pfhostRecv, -1);
    if (FHOSTSocketInit() != 0) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d Init socket error.\n", FHOST_SRC, __LINE__);
        return -1;
    }

    fd = OpenListenSocket(pCtx);
    if (fd < 0) {
        return -1;
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

    /* One receive call fills up to FHOST_UDP_BATCH datagram buffers, each FHOST_UDP_BUF_LEN
     * bytes, described once here. Nothing is cleared per datagram: the reader is given each
     * datagram's length. The buffers and the record live on the heap, not on the caller's
     * thread stack. */
    pbyBuffer = (uint8_t *)malloc((size_t)FHOST_UDP_BATCH * FHOST_UDP_BUF_LEN);
    pnasInfo = (NASINFO *)malloc(sizeof(NASINFO));
    rgMsg = (struct mmsghdr *)calloc(FHOST_UDP_BATCH, sizeof(*rgMsg));
    rgIov = (struct iovec *)calloc(FHOST_UDP_BATCH, sizeof(*rgIov));
    if (pbyBuffer == NULL || pnasInfo == NULL || rgMsg == NULL || rgIov == NULL) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d out of memory\n", FHOST_SRC, __LINE__);
        free(pbyBuffer);
        free(pnasInfo);
        free(rgMsg);
        free(rgIov);
        close(fd);
        return -1;
    }
    for (k = 0; k < FHOST_UDP_BATCH; ++k) {
        rgIov[k].iov_base = pbyBuffer + (size_t)k * FHOST_UDP_BUF_LEN;
        rgIov[k].iov_len = FHOST_UDP_BUF_LEN;
        rgMsg[k].msg_hdr.msg_iov = &rgIov[k];
        rgMsg[k].msg_hdr.msg_iovlen = 1;
    }

    startMs = NowMs();
    while (!bStopped) {
        /* Whole seconds since the start. */
        const long elapsed = (long)((NowMs() - startMs) / 1000);
        struct pollfd pfd;

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

        /* Everything queued is taken before the next wait: answers to one search arrive
         * together, and what the socket cannot hold is lost. A short batch means the queue was
         * empty; between full batches the stop test is asked, so a flood cannot hold the loop. */
        for (;;) {
            const int n = recvmmsg(fd, rgMsg, FHOST_UDP_BATCH, MSG_DONTWAIT, NULL);
            if (n < 1) {
                const int err = errno;
                if (n < 0 && err != EAGAIN && err != EWOULDBLOCK && err != EINTR) {
                    FHOSTLog(pCtx, FHOST_LOG_DETAIL, "%s:%d recvfrom error! errno: %d [%s]\n",
                             FHOST_SRC, __LINE__, err, ErrText(err, szErr, sizeof(szErr)));
                }
                break;
            }
            for (k = 0; k < n; ++k) {
                const int cbRecv = (int)rgMsg[k].msg_len;
                if (cbRecv < 1) {
                    /* An empty datagram: nothing to read. */
                    FHOSTLog(pCtx, FHOST_LOG_DETAIL, "%s:%d recvfrom error! errno: %d [%s]\n",
                             FHOST_SRC, __LINE__, 0, ErrText(0, szErr, sizeof(szErr)));
                    continue;
                }
                HandDatagram(pCtx, pfhostRecv, (const uint8_t *)rgIov[k].iov_base, cbRecv, pnasInfo);
            }
            if (n < FHOST_UDP_BATCH) {
                break;
            }
            if (pListen->pfnStop != NULL && pListen->pfnStop() == 1) {
                bStopped = 1;
                break;
            }
        }
    }

    free(pbyBuffer);
    free(pnasInfo);
    free(rgMsg);
    free(rgIov);
    close(fd);
    return result;
}

/*
 * fhost.h - the discovery library: server record, datagram codec, send lists, service bitmaps
 * and the library's log context.
 *
 * Plain C with C linkage; the Qt side of the program includes this header directly. Every call
 * takes a log context first and reports failure through its result after logging the failed
 * argument check ("<unit>.c:<line> Invaild Argument (<condition>)=[<number>]").
 */
#ifndef FHOST_H
#define FHOST_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------------------------------ */
/* Constants                                                                                  */
/* ------------------------------------------------------------------------------------------ */

/* Field identifiers lie strictly between these two. */
#define PKT_ID_MIN 0
#define PKT_ID_MAX 256
/* A text item carries at most this many bytes. */
#define PKT_MAX_STRING_LEN 255

/* Largest datagram, both for writing and for receiving. */
#define FHOST_PKT_MAX_LEN 8192
/* A received datagram with more items than this is rejected whole. */
#define FHOST_PKT_MAX_ITEMS 64
/* Capacity of a send list. */
#define FHOST_SEND_MAX_IDS 256
/* Elements of each string array in the record, and the width of one element. */
#define FHOST_ARRAY_MAX 32
#define FHOST_ARRAY_ELEM_LEN 64
/* A password rebuilt from its continuation items holds at most this many bytes. */
#define FHOST_PASSWORD_MAX 1536
/* A formatted log line is cut to fit this buffer (terminating NUL included). */
#define FHOST_LOG_LINE_MAX 8192
/* Number of rows of the field table. */
#define FHOST_FIELD_COUNT 106
/* Protocol version this client sends in every packet (0xa4). */
#define FHOST_FINDHOST_VERSION 0x01020000u

/* Log levels. */
#define FHOST_LOG_ERROR 1  /* errors, argument checks, notices */
#define FHOST_LOG_DETAIL 2 /* protocol detail: skipped items, rejected packets, answers */

/* The 8-byte header of every datagram: 0x12 0x34 0x56 0x78 "QUEN". */
extern const unsigned char stFHOSTHeader[8];
extern const int FHOSTHeaderSize; /* 8 */

/* Packet types: values of NASINFO::ulPacketType. */
typedef enum _FHOST_PKT_TYPE {
    FHOST_PKT_QUERY = 1,        /* search; also carries the file-system-check skip command */
    FHOST_PKT_BRESPONSE = 2,    /* a server's answer to a search */
    FHOST_PKT_NETSET = 3,       /* network-setting command and its result */
    FHOST_PKT_QCF = 4,          /* quick-configuration command and its result */
    FHOST_PKT_JRESPONSE = 6,    /* a server's answer */
    FHOST_PKT_MEMTEST = 12,     /* memory-test command */
    FHOST_PKT_SYSRECOVERY = 15, /* system-recovery command */
    FHOST_PKT_ALL = 17          /* never on the wire: "accept every type" */
} FHOST_PKT_TYPE;

/* Server states: values of NASINFO::ulConfigured. */
typedef enum _FHOSTQC_STATUS {
    FHOSTQC_FALSE = 0,              /* not configured */
    FHOSTQC_DONE = 1,               /* ready */
    FHOSTQC_UNINSTALL = 2,          /* not installed */
    FHOSTQC_UPDATING = 3,           /* upgrading */
    FHOSTQC_CRASH = 4,              /* configuration lost */
    FHOSTQC_BOOTING = 5,            /* booting */
    FHOSTQC_QUOTA_CHECKING = 6,     /* checking the file system or quota */
    FHOSTQC_SERVICE_STARTING = 7,   /* starting services */
    FHOSTQC_NETSET = 8,             /* connection failed */
    FHOSTQC_MEM_TESTING = 9,        /* memory test running */
    FHOSTQC_NET_TESTING = 10,       /* getting connection status */
    FHOSTQC_SYS_RECOVERABLE = 11,   /* recoverable */
    FHOSTQC_OFF_LINE = 12,          /* off-line */
    FHOSTQC_CHECKING_PROGRESS = 13, /* check progress */
    FHOSTQC_MIGRATABLE = 14         /* migratable */
} FHOSTQC_STATUS;

/* Service numbers of the two service bitmaps (0..FHOST_SERVICE_MAX-1). */
typedef enum _FHOST_SERVICE {
    FHOST_SERVICE_PHOTO = 3,
    FHOST_SERVICE_RSRCMON = 4,
    FHOST_SERVICE_MEMTEST = 5,
    FHOST_SERVICE_6 = 6,         /* set by the client in searches */
    FHOST_SERVICE_QBV = 7,       /* hybrid-RAID volume; counts only when set in both bitmaps */
    FHOST_SERVICE_FSCK_SKIP = 8, /* file-system-check skip; counts only when set in both bitmaps */
    FHOST_SERVICE_9 = 9,         /* set together with 8 in the skip command */
    FHOST_SERVICE_MAX = 128
} FHOST_SERVICE;

/* ------------------------------------------------------------------------------------------ */
/* Server record                                                                              */
/* ------------------------------------------------------------------------------------------ */

/*
 * One discovered server. A plain record without pointers, copied whole wherever it goes.
 * Texts are NUL-terminated; integers are in host order except the IPv4 address fields
 * (ulIP, ulMask, ulGateway, ulDNS, ulField16, ulField30, ulRemoteIP), which stay in network
 * order. Only fixed-width types: the layout is pinned below and must not move.
 */
typedef struct _NASINFO {
    uint8_t byReserved0[8]; /* client marks only (connection test, row announced); never sent */
    char szServerName[36];
    char szMac[36];
    char szSrcNICMac[36];
    char szPassword[1540];
    char szField50[20];
    char szField51[20];
    char szField52[260];
    char szField53[260];
    char szField56[128];
    char szField57[128];
    char szField58[128];
    char szField59[128];
    char szField5A[128];
    char szField5B[128];
    char szField5C[4];
    char szField5D[4];
    char szModelId[68];
    char szSN[12];
    char szFieldA2[36];
    char szFieldA1[68];
    char szField17[260];
    char szField2D[260];
    char szField2E[260];
    char szField2F[260];
    char szField2C[1540];
    char szDateTime[20];
    char szTimezone[132];
    char szField34[12];
    char szField35[260];
    char szField36[260];
    char szLanguage[36];
    char szSecondLanguage[36];
    char szField43[260];
    char szField44[132];
    char szField45[132];
    char szAccount[496];
    char szVersion[8];
    char szField7E[8];
    char szModelName[48];
    char szField7F[48];
    uint32_t ulField54;
    uint32_t ulField55;
    uint32_t ulDHCP;
    uint32_t ulIP;      /* network order */
    uint32_t ulMask;    /* network order */
    uint32_t ulGateway; /* network order */
    uint32_t ulDNS;     /* network order */
    uint32_t ulField16; /* network order */
    uint32_t ulField30; /* network order */
    uint32_t ulConnected;
    uint32_t ulField1B;
    uint32_t ulErrCode;
    uint32_t ulRemoteIP; /* network order */
    uint32_t ulHttpPort;
    uint32_t ulHttpsPort;
    uint8_t byReserved1[4];
    uint32_t ulConfigured; /* FHOSTQC_STATUS */
    uint32_t ulField48;
    uint32_t ulBuild;
    uint32_t ulField7D;
    uint32_t ulField71;
    uint32_t ulFindHostVersion;
    uint32_t ulFieldA0;
    uint32_t ulFieldA3;
    uint32_t ulPacketType; /* FHOST_PKT_TYPE */
    uint32_t ulFieldA6;
    uint32_t ulField33;
    uint32_t ulField38;
    uint32_t ulCodepage;
    uint32_t ulField41;
    uint32_t ulLanguage;
    uint32_t ulField47;
    uint32_t ulField46;
    uint32_t ulField60;
    uint32_t ulField74;
    uint64_t ullFieldA5;
    uint32_t ulProgress;
    uint32_t ulField7A;
    uint32_t ulField80;
    uint32_t ulWOLSupport;
    uint64_t ullbmapSupport1; /* bitmap A, services 0-63 */
    uint64_t ullbmapSupport2; /* bitmap A, services 64-127 */
    uint64_t ullbmapMask1;    /* bitmap B, services 0-63 */
    uint64_t ullbmapMask2;    /* bitmap B, services 64-127 */
    uint32_t ulMigrateFlags;
    uint32_t ulWebInstall;
    uint32_t ulArrayCount;
    char szArrayBC[FHOST_ARRAY_MAX][FHOST_ARRAY_ELEM_LEN];
    char szArrayBD[FHOST_ARRAY_MAX][FHOST_ARRAY_ELEM_LEN];
    char szArrayBE[FHOST_ARRAY_MAX][FHOST_ARRAY_ELEM_LEN];
    char szArrayBF[FHOST_ARRAY_MAX][FHOST_ARRAY_ELEM_LEN];
    char szSerialNum[32];
    uint32_t ulUpdate;
} NASINFO;

#ifdef __cplusplus
#define FHOST_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define FHOST_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

/* The record is exchanged byte for byte: its size and offsets are fixed. */
FHOST_STATIC_ASSERT(sizeof(NASINFO) == 16080, "NASINFO must be 16080 bytes");
FHOST_STATIC_ASSERT(offsetof(NASINFO, szServerName) == 8, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, szMac) == 44, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, szSrcNICMac) == 80, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, szPassword) == 116, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, szModelId) == 2992, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, szSN) == 3060, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, szAccount) == 7036, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, szVersion) == 7532, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, szModelName) == 7548, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ulDHCP) == 7652, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ulIP) == 7656, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ulHttpPort) == 7696, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, byReserved1) == 7704, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ulConfigured) == 7708, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ulBuild) == 7716, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ulFindHostVersion) == 7728, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ulPacketType) == 7740, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ullFieldA5) == 7784, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ulWOLSupport) == 7804, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ullbmapSupport1) == 7808, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ullbmapMask2) == 7832, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ulArrayCount) == 7848, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, szArrayBC) == 7852, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, szArrayBF) == 13996, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, szSerialNum) == 16044, "NASINFO layout");
FHOST_STATIC_ASSERT(offsetof(NASINFO, ulUpdate) == 16076, "NASINFO layout");

/* ------------------------------------------------------------------------------------------ */
/* Log context                                                                                */
/* ------------------------------------------------------------------------------------------ */

/* Lock hook: called with 1 before and 0 after each output; -1 before output drops the line. */
typedef int (*PFNFHOSTLOGLOCK)(int on);
/* Output hook of one level: receives one formatted line. */
typedef int (*PFNFHOSTLOGOUTPUT)(const char *text);

/* One per library user, owned by the caller; the library never frees it. */
typedef struct _FHOSTLOGCTX {
    PFNFHOSTLOGLOCK pfnLock;       /* optional */
    uintptr_t reserved;            /* not touched by the library */
    PFNFHOSTLOGOUTPUT pfnOutputL1; /* level 1; null = silent */
    PFNFHOSTLOGOUTPUT pfnOutputL2; /* level 2; null = silent */
} FHOSTLOGCTX;

#if defined(__GNUC__)
#define FHOST_PRINTF_LIKE(f, a) __attribute__((format(printf, f, a)))
#else
#define FHOST_PRINTF_LIKE(f, a)
#endif

/* Sets the output of level 1 or 2. 0, or -1 for a null context or another level. */
int FHOSTLogSetOutput(FHOSTLOGCTX *pCtx, int level, PFNFHOSTLOGOUTPUT pfnOutput);
/* Calls the lock hook. -1 for a null context, 0 without a hook, else the hook's result. */
int FHOSTLogLock(FHOSTLOGCTX *pCtx, int on);
/* printf-style line at level 1 or 2 (cut to FHOST_LOG_LINE_MAX - 1 characters).
 * -1 for a null context or format, another level, or a lock that refused; 0 when the level has
 * no output; else the output's result. */
int FHOSTLog(FHOSTLOGCTX *pCtx, int level, const char *format, ...) FHOST_PRINTF_LIKE(3, 4);

/* ------------------------------------------------------------------------------------------ */
/* Field table                                                                                */
/* ------------------------------------------------------------------------------------------ */

typedef enum _FHOST_FIELD_KIND {
    FHOST_FIELD_STRING = 0, /* text without NUL, at most 255 bytes */
    FHOST_FIELD_INT = 1,    /* integer of exactly the slot's width (4 or 8) */
    FHOST_FIELD_ARRAY = 2,  /* one element of a string array; repeated items fill the array */
    FHOST_FIELD_NONE = 3    /* not stored: 0x4b, 0x4c, and 0x72 (password continuation) */
} FHOST_FIELD_KIND;

typedef enum _FHOSTPKT_ENDIAN {
    FHOSTPKT_LITTLE_ENDIAN = 0, /* little-endian on the wire */
    FHOSTPKT_HOST_ENDIAN = 1,   /* host order (the reader's target) */
    FHOSTPKT_KEEP_ENDIAN = 2    /* bytes copied unchanged both ways (IPv4 addresses) */
} FHOSTPKT_ENDIAN;

/* One item on the wire, following the header back to back without alignment. */
typedef struct _FHOSTFIELD {
    uint8_t byId;
    uint8_t cbValue;
    uint8_t value[1]; /* cbValue bytes */
} FHOSTFIELD;

/* One row of the field table. */
typedef struct _FHOSTFIELDATTR {
    int id;
    FHOST_FIELD_KIND kind;
    size_t offset;          /* slot in NASINFO */
    int size;               /* slot width; for arrays the width of one element */
    FHOSTPKT_ENDIAN endian; /* FHOSTPKT_LITTLE_ENDIAN or FHOSTPKT_KEEP_ENDIAN */
    unsigned int flag;      /* present flag OR-ed into the reader's validity mask */
} FHOSTFIELDATTR;

/* Parser: input at the length byte, bytes left from there; returns bytes consumed (length byte
 * included) or 0 for a refused item. */
typedef int (*PFNFHOSTPKTREAD)(FHOSTLOGCTX *pCtx, const uint8_t *pbyInput, int cbInput, void *pvField,
                               int cbField, FHOSTPKT_ENDIAN endian, int nIndex);
/* Builder: writes the item(s) of one identifier; returns bytes written, 0 on a bad argument or
 * nothing to write, or room - 2 - length (negative) when the item does not fit. */
typedef int (*PFNFHOSTPKTWRITE)(FHOSTLOGCTX *pCtx, uint8_t *pbyOutput, int cbOutput, int pktID,
                                const void *pvField, int cbField, FHOSTPKT_ENDIAN endian,
                                const NASINFO *pnasInfo);

typedef struct _FHOSTFIELDPARSER {
    FHOST_FIELD_KIND kind;
    PFNFHOSTPKTREAD pfnRead;
    PFNFHOSTPKTWRITE pfnWrite;
} FHOSTFIELDPARSER;

typedef struct _FHOSTARRAYCOUNT {
    int idArray;
    int idCount;
} FHOSTARRAYCOUNT;

/* Sorted by identifier. */
extern const FHOSTFIELDATTR grgfieldAttribs[FHOST_FIELD_COUNT];
/* Indexed by kind 0..2. */
extern const FHOSTFIELDPARSER grgfieldParsers[3];
/* The four string arrays take their element count from 0xbb. */
extern const FHOSTARRAYCOUNT grgFieldArrayCountMap[4];

/* bsearch comparator over FHOSTFIELDATTR: difference of the identifiers. */
int FHOSTCompareId(const void *pvLeft, const void *pvRight);

int FHOSTPktReadString(FHOSTLOGCTX *pCtx, const uint8_t *pbyInput, int cbInput, void *pvField,
                       int cbField, FHOSTPKT_ENDIAN endian, int nIndex);
int FHOSTPktReadInt(FHOSTLOGCTX *pCtx, const uint8_t *pbyInput, int cbInput, void *pvField,
                    int cbField, FHOSTPKT_ENDIAN endian, int nIndex);
int FHOSTPktReadArrayItem(FHOSTLOGCTX *pCtx, const uint8_t *pbyInput, int cbInput, void *pvField,
                          int cbField, FHOSTPKT_ENDIAN endian, int nIndex);

int FHOSTPktWriteString(FHOSTLOGCTX *pCtx, uint8_t *pbyOutput, int cbOutput, int pktID,
                        const void *pvField, int cbField, FHOSTPKT_ENDIAN endian,
                        const NASINFO *pnasInfo);
int FHOSTPktWriteInt(FHOSTLOGCTX *pCtx, uint8_t *pbyOutput, int cbOutput, int pktID,
                     const void *pvField, int cbField, FHOSTPKT_ENDIAN endian,
                     const NASINFO *pnasInfo);
int FHOSTPktWriteArray(FHOSTLOGCTX *pCtx, uint8_t *pbyOutput, int cbOutput, int pktID,
                       const void *pvField, int cbField, FHOSTPKT_ENDIAN endian,
                       const NASINFO *pnasInfo);

/* ------------------------------------------------------------------------------------------ */
/* Packets                                                                                    */
/* ------------------------------------------------------------------------------------------ */

/* What to send: the record that supplies the values and the identifiers, in sending order.
 * Zero it before use. */
typedef struct _FHOSTSEND {
    NASINFO *pnasInfo;
    int nPktID;
    int ids[FHOST_SEND_MAX_IDS];
} FHOSTSEND;

/* Parses one datagram into *pnasInfo (zeroed first). Returns the item bytes walked (> 0) for an
 * accepted packet, 0 for a rejected one. */
int FHOSTPacketRead(FHOSTLOGCTX *pCtx, const void *pvInput, int cbInput, NASINFO *pnasInfo);

/* Builds the datagram of a send list into *ppBuffer (allocated with malloc; grown with realloc
 * to exactly the packet's length when *pcbBuffer is smaller, which then becomes that length).
 * Returns the total length, header included, or 0. */
int FHOSTPacketWrite(FHOSTLOGCTX *pCtx, char **ppBuffer, int *pcbBuffer, const FHOSTSEND *pfhostSend);

/* Copies at most the slot's size of pvValue into the identifier's slot of pfhostSend->pnasInfo
 * and appends the identifier. 0, or -1. */
int FHOSTSendAddField(FHOSTLOGCTX *pCtx, FHOSTSEND *pfhostSend, int pktID, const void *pvValue,
                      int cbValue);
/* Appends id1 and the following identifiers up to a terminating 0, skipping those outside
 * 1..255. Returns how many were appended; -1 for a null request, id1 outside 1..255, or a list
 * that would not fit (then nothing is appended). */
int FHOSTSendAddIds(FHOSTLOGCTX *pCtx, FHOSTSEND *pfhostSend, int id1, ...);
/* Appends 0xb0, 0xb1 when bSupport and 0xb8, 0xb9 when bMask. Returns 0, 2 or 4, or -1. */
int FHOSTSendAddServiceIds(FHOSTLOGCTX *pCtx, FHOSTSEND *pfhostSend, int bSupport, int bMask);

/* ------------------------------------------------------------------------------------------ */
/* Service bitmaps: service n is bit n % 64 of word n / 64.                                   */
/* Bitmap A = ullbmapSupport1/2, bitmap B = ullbmapMask1/2.                                   */
/* ------------------------------------------------------------------------------------------ */

int FHOSTServiceSet(FHOSTLOGCTX *pCtx, NASINFO *pnasInfo, int id);
int FHOSTServiceMaskSet(FHOSTLOGCTX *pCtx, NASINFO *pnasInfo, int id);
/* 1 when set in bitmap A, 0 when not, -1 for a null record or a service number out of range. */
int FHOSTServiceIsSet(FHOSTLOGCTX *pCtx, const NASINFO *pnasInfo, int id);
/* Same test on bitmap B. */
int FHOSTServiceMaskIsSet(FHOSTLOGCTX *pCtx, const NASINFO *pnasInfo, int id);
/* Zero both words of bitmap A / B. */
int FHOSTServiceClear(FHOSTLOGCTX *pCtx, NASINFO *pnasInfo);
int FHOSTServiceMaskClear(FHOSTLOGCTX *pCtx, NASINFO *pnasInfo);

/* ------------------------------------------------------------------------------------------ */
/* Byte order                                                                                 */
/* ------------------------------------------------------------------------------------------ */

uint16_t FHOSTHtoN16(uint16_t value);
uint16_t FHOSTNtoH16(uint16_t value);

#ifdef __cplusplus
} /* extern "C" */

#include <type_traits>
static_assert(std::is_trivially_copyable<NASINFO>::value, "NASINFO is copied byte for byte");
static_assert(std::is_standard_layout<NASINFO>::value, "NASINFO has a plain C layout");
#endif

/* Interfaces, UDP transport and the listening loop. */
#include "fhostnet.h"

#endif /* FHOST_H */

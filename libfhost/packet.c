/*
 * packet.c - the discovery datagram: the field table, the item parsers and builders, the packet
 * reader and writer, and the send-list helpers.
 *
 * A datagram is the 8-byte header followed by items (identifier, length byte, value) back to
 * back. Each identifier maps through the field table onto one slot of NASINFO.
 */
#include "fhostpriv.h"

#include <stdarg.h>
#include <stdlib.h>
#include <string.h>

const unsigned char stFHOSTHeader[8] = {0x12, 0x34, 0x56, 0x78, 'Q', 'U', 'E', 'N'};
const int FHOSTHeaderSize = 8;

/* Identifiers with their own handling. */
#define PKT_ID_PACKET_TYPE 0x01
#define PKT_ID_PASSWORD 0x2a
#define PKT_ID_PASSWORD_MORE 0x72

/* Present flags of the reader's validity mask. */
#define FHOST_PRESENT_TYPE 0x1
#define FHOST_PRESENT_VERSION 0x2
#define FHOST_PRESENT_NETSET_DHCP 0x4
#define FHOST_PRESENT_NETSET_NAME 0x8
#define FHOST_PRESENT_NETSET_MAC 0x10

#define SLOT_SIZE(f) ((int)sizeof(((NASINFO *)0)->f))
#define ELEM_SIZE(f) ((int)sizeof(((NASINFO *)0)->f[0]))
#define LITTLE FHOSTPKT_LITTLE_ENDIAN
#define KEEP FHOSTPKT_KEEP_ENDIAN

/* The field table, sorted by identifier. The 0x1N identifiers are what a server reports about
 * itself; the 0x2N identifiers carry the same quantities in a command that sets them, so each
 * pair shares a slot. */
const FHOSTFIELDATTR grgfieldAttribs[FHOST_FIELD_COUNT] = {
    {0x01, FHOST_FIELD_INT, offsetof(NASINFO, ulPacketType), SLOT_SIZE(ulPacketType), LITTLE, 0x1},
    {0x10, FHOST_FIELD_INT, offsetof(NASINFO, ulDHCP), SLOT_SIZE(ulDHCP), LITTLE, 0},
    {0x11, FHOST_FIELD_STRING, offsetof(NASINFO, szServerName), SLOT_SIZE(szServerName), LITTLE, 0},
    {0x12, FHOST_FIELD_INT, offsetof(NASINFO, ulIP), SLOT_SIZE(ulIP), KEEP, 0},
    {0x13, FHOST_FIELD_INT, offsetof(NASINFO, ulMask), SLOT_SIZE(ulMask), KEEP, 0},
    {0x14, FHOST_FIELD_INT, offsetof(NASINFO, ulGateway), SLOT_SIZE(ulGateway), KEEP, 0},
    {0x15, FHOST_FIELD_INT, offsetof(NASINFO, ulDNS), SLOT_SIZE(ulDNS), KEEP, 0},
    {0x16, FHOST_FIELD_INT, offsetof(NASINFO, ulField16), SLOT_SIZE(ulField16), KEEP, 0},
    {0x17, FHOST_FIELD_STRING, offsetof(NASINFO, szField17), SLOT_SIZE(szField17), LITTLE, 0},
    {0x18, FHOST_FIELD_INT, offsetof(NASINFO, ulConnected), SLOT_SIZE(ulConnected), LITTLE, 0},
    {0x19, FHOST_FIELD_STRING, offsetof(NASINFO, szMac), SLOT_SIZE(szMac), LITTLE, 0},
    {0x1a, FHOST_FIELD_STRING, offsetof(NASINFO, szPassword), SLOT_SIZE(szPassword), LITTLE, 0},
    {0x1b, FHOST_FIELD_INT, offsetof(NASINFO, ulField1B), SLOT_SIZE(ulField1B), LITTLE, 0},
    {0x1e, FHOST_FIELD_INT, offsetof(NASINFO, ulRemoteIP), SLOT_SIZE(ulRemoteIP), KEEP, 0},
    {0x1f, FHOST_FIELD_INT, offsetof(NASINFO, ulErrCode), SLOT_SIZE(ulErrCode), LITTLE, 0},
    {0x20, FHOST_FIELD_INT, offsetof(NASINFO, ulDHCP), SLOT_SIZE(ulDHCP), LITTLE, 0x4},
    {0x21, FHOST_FIELD_STRING, offsetof(NASINFO, szServerName), SLOT_SIZE(szServerName), LITTLE, 0x8},
    {0x22, FHOST_FIELD_INT, offsetof(NASINFO, ulIP), SLOT_SIZE(ulIP), KEEP, 0},
    {0x23, FHOST_FIELD_INT, offsetof(NASINFO, ulMask), SLOT_SIZE(ulMask), KEEP, 0},
    {0x24, FHOST_FIELD_INT, offsetof(NASINFO, ulGateway), SLOT_SIZE(ulGateway), KEEP, 0},
    {0x25, FHOST_FIELD_INT, offsetof(NASINFO, ulDNS), SLOT_SIZE(ulDNS), KEEP, 0},
    {0x26, FHOST_FIELD_INT, offsetof(NASINFO, ulField16), SLOT_SIZE(ulField16), KEEP, 0},
    {0x27, FHOST_FIELD_STRING, offsetof(NASINFO, szField17), SLOT_SIZE(szField17), LITTLE, 0},
    {0x29, FHOST_FIELD_STRING, offsetof(NASINFO, szMac), SLOT_SIZE(szMac), LITTLE, 0x10},
    {0x2a, FHOST_FIELD_STRING, offsetof(NASINFO, szPassword), SLOT_SIZE(szPassword), LITTLE, 0},
    {0x2b, FHOST_FIELD_INT, offsetof(NASINFO, ulField1B), SLOT_SIZE(ulField1B), KEEP, 0},
    {0x2c, FHOST_FIELD_STRING, offsetof(NASINFO, szField2C), SLOT_SIZE(szField2C), LITTLE, 0},
    {0x2d, FHOST_FIELD_STRING, offsetof(NASINFO, szField2D), SLOT_SIZE(szField2D), LITTLE, 0},
    {0x2e, FHOST_FIELD_STRING, offsetof(NASINFO, szField2E), SLOT_SIZE(szField2E), LITTLE, 0},
    {0x2f, FHOST_FIELD_STRING, offsetof(NASINFO, szField2F), SLOT_SIZE(szField2F), LITTLE, 0},
    {0x30, FHOST_FIELD_INT, offsetof(NASINFO, ulField30), SLOT_SIZE(ulField30), KEEP, 0},
    {0x31, FHOST_FIELD_STRING, offsetof(NASINFO, szDateTime), SLOT_SIZE(szDateTime), LITTLE, 0},
    {0x32, FHOST_FIELD_STRING, offsetof(NASINFO, szTimezone), SLOT_SIZE(szTimezone), LITTLE, 0},
    {0x33, FHOST_FIELD_INT, offsetof(NASINFO, ulField33), SLOT_SIZE(ulField33), LITTLE, 0},
    {0x34, FHOST_FIELD_STRING, offsetof(NASINFO, szField34), SLOT_SIZE(szField34), LITTLE, 0},
    {0x35, FHOST_FIELD_STRING, offsetof(NASINFO, szField35), SLOT_SIZE(szField35), LITTLE, 0},
    {0x36, FHOST_FIELD_STRING, offsetof(NASINFO, szField36), SLOT_SIZE(szField36), LITTLE, 0},
    {0x37, FHOST_FIELD_STRING, offsetof(NASINFO, szLanguage), SLOT_SIZE(szLanguage), LITTLE, 0},
    {0x38, FHOST_FIELD_INT, offsetof(NASINFO, ulField38), SLOT_SIZE(ulField38), LITTLE, 0},
    {0x39, FHOST_FIELD_STRING, offsetof(NASINFO, szSecondLanguage), SLOT_SIZE(szSecondLanguage), LITTLE, 0},
    {0x40, FHOST_FIELD_INT, offsetof(NASINFO, ulCodepage), SLOT_SIZE(ulCodepage), LITTLE, 0},
    {0x41, FHOST_FIELD_INT, offsetof(NASINFO, ulField41), SLOT_SIZE(ulField41), LITTLE, 0},
    {0x42, FHOST_FIELD_INT, offsetof(NASINFO, ulLanguage), SLOT_SIZE(ulLanguage), LITTLE, 0},
    {0x43, FHOST_FIELD_STRING, offsetof(NASINFO, szField43), SLOT_SIZE(szField43), LITTLE, 0},
    {0x44, FHOST_FIELD_STRING, offsetof(NASINFO, szField44), SLOT_SIZE(szField44), LITTLE, 0},
    {0x45, FHOST_FIELD_STRING, offsetof(NASINFO, szField45), SLOT_SIZE(szField45), LITTLE, 0},
    {0x46, FHOST_FIELD_INT, offsetof(NASINFO, ulField46), SLOT_SIZE(ulField46), LITTLE, 0},
    {0x47, FHOST_FIELD_INT, offsetof(NASINFO, ulField47), SLOT_SIZE(ulField47), LITTLE, 0},
    {0x48, FHOST_FIELD_INT, offsetof(NASINFO, ulField48), SLOT_SIZE(ulField48), LITTLE, 0},
    {0x49, FHOST_FIELD_INT, offsetof(NASINFO, ulBuild), SLOT_SIZE(ulBuild), LITTLE, 0},
    {0x4a, FHOST_FIELD_STRING, offsetof(NASINFO, szAccount), SLOT_SIZE(szAccount), LITTLE, 0},
    {0x4b, FHOST_FIELD_NONE, 0, 0, FHOSTPKT_LITTLE_ENDIAN, 0},
    {0x4c, FHOST_FIELD_NONE, 0, 0, FHOSTPKT_LITTLE_ENDIAN, 0},
    {0x4d, FHOST_FIELD_INT, offsetof(NASINFO, ulMigrateFlags), SLOT_SIZE(ulMigrateFlags), LITTLE, 0},
    {0x50, FHOST_FIELD_STRING, offsetof(NASINFO, szField50), SLOT_SIZE(szField50), LITTLE, 0},
    {0x51, FHOST_FIELD_STRING, offsetof(NASINFO, szField51), SLOT_SIZE(szField51), LITTLE, 0},
    {0x52, FHOST_FIELD_STRING, offsetof(NASINFO, szField52), SLOT_SIZE(szField52), LITTLE, 0},
    {0x53, FHOST_FIELD_STRING, offsetof(NASINFO, szField53), SLOT_SIZE(szField53), LITTLE, 0},
    {0x54, FHOST_FIELD_INT, offsetof(NASINFO, ulField54), SLOT_SIZE(ulField54), LITTLE, 0},
    {0x55, FHOST_FIELD_INT, offsetof(NASINFO, ulField55), SLOT_SIZE(ulField55), LITTLE, 0},
    {0x56, FHOST_FIELD_STRING, offsetof(NASINFO, szField56), SLOT_SIZE(szField56), LITTLE, 0},
    {0x57, FHOST_FIELD_STRING, offsetof(NASINFO, szField57), SLOT_SIZE(szField57), LITTLE, 0},
    {0x58, FHOST_FIELD_STRING, offsetof(NASINFO, szField58), SLOT_SIZE(szField58), LITTLE, 0},
    {0x59, FHOST_FIELD_STRING, offsetof(NASINFO, szField59), SLOT_SIZE(szField59), LITTLE, 0},
    {0x5a, FHOST_FIELD_STRING, offsetof(NASINFO, szField5A), SLOT_SIZE(szField5A), LITTLE, 0},
    {0x5b, FHOST_FIELD_STRING, offsetof(NASINFO, szField5B), SLOT_SIZE(szField5B), LITTLE, 0},
    {0x5c, FHOST_FIELD_STRING, offsetof(NASINFO, szField5C), SLOT_SIZE(szField5C), LITTLE, 0},
    {0x5d, FHOST_FIELD_STRING, offsetof(NASINFO, szField5D), SLOT_SIZE(szField5D), LITTLE, 0},
    {0x60, FHOST_FIELD_INT, offsetof(NASINFO, ulField60), SLOT_SIZE(ulField60), LITTLE, 0},
    {0x70, FHOST_FIELD_STRING, offsetof(NASINFO, szModelId), SLOT_SIZE(szModelId), LITTLE, 0},
    {0x71, FHOST_FIELD_INT, offsetof(NASINFO, ulField71), SLOT_SIZE(ulField71), LITTLE, 0},
    {0x72, FHOST_FIELD_NONE, 0, 0, FHOSTPKT_LITTLE_ENDIAN, 0},
    {0x73, FHOST_FIELD_STRING, offsetof(NASINFO, szSN), SLOT_SIZE(szSN), LITTLE, 0},
    {0x74, FHOST_FIELD_INT, offsetof(NASINFO, ulField74), SLOT_SIZE(ulField74), LITTLE, 0},
    {0x75, FHOST_FIELD_INT, offsetof(NASINFO, ulHttpPort), SLOT_SIZE(ulHttpPort), LITTLE, 0},
    {0x76, FHOST_FIELD_INT, offsetof(NASINFO, ulHttpsPort), SLOT_SIZE(ulHttpsPort), LITTLE, 0},
    {0x77, FHOST_FIELD_STRING, offsetof(NASINFO, szVersion), SLOT_SIZE(szVersion), LITTLE, 0},
    {0x78, FHOST_FIELD_STRING, offsetof(NASINFO, szModelName), SLOT_SIZE(szModelName), LITTLE, 0},
    {0x79, FHOST_FIELD_INT, offsetof(NASINFO, ulProgress), SLOT_SIZE(ulProgress), LITTLE, 0},
    {0x7a, FHOST_FIELD_INT, offsetof(NASINFO, ulField7A), SLOT_SIZE(ulField7A), LITTLE, 0},
    {0x7b, FHOST_FIELD_INT, offsetof(NASINFO, ulWOLSupport), SLOT_SIZE(ulWOLSupport), LITTLE, 0},
    {0x7c, FHOST_FIELD_STRING, offsetof(NASINFO, szSrcNICMac), SLOT_SIZE(szSrcNICMac), LITTLE, 0},
    {0x7d, FHOST_FIELD_INT, offsetof(NASINFO, ulField7D), SLOT_SIZE(ulField7D), LITTLE, 0},
    {0x7e, FHOST_FIELD_STRING, offsetof(NASINFO, szField7E), SLOT_SIZE(szField7E), LITTLE, 0},
    {0x7f, FHOST_FIELD_STRING, offsetof(NASINFO, szField7F), SLOT_SIZE(szField7F), LITTLE, 0},
    {0x80, FHOST_FIELD_INT, offsetof(NASINFO, ulField80), SLOT_SIZE(ulField80), LITTLE, 0},
    {0x90, FHOST_FIELD_INT, offsetof(NASINFO, ulUpdate), SLOT_SIZE(ulUpdate), LITTLE, 0},
    {0xa0, FHOST_FIELD_INT, offsetof(NASINFO, ulFieldA0), SLOT_SIZE(ulFieldA0), LITTLE, 0},
    {0xa1, FHOST_FIELD_STRING, offsetof(NASINFO, szFieldA1), SLOT_SIZE(szFieldA1), LITTLE, 0},
    {0xa2, FHOST_FIELD_STRING, offsetof(NASINFO, szFieldA2), SLOT_SIZE(szFieldA2), LITTLE, 0},
    {0xa3, FHOST_FIELD_INT, offsetof(NASINFO, ulFieldA3), SLOT_SIZE(ulFieldA3), LITTLE, 0},
    {0xa4, FHOST_FIELD_INT, offsetof(NASINFO, ulFindHostVersion), SLOT_SIZE(ulFindHostVersion), LITTLE, 0x2},
    {0xa5, FHOST_FIELD_INT, offsetof(NASINFO, ullFieldA5), SLOT_SIZE(ullFieldA5), LITTLE, 0},
    {0xa6, FHOST_FIELD_INT, offsetof(NASINFO, ulFieldA6), SLOT_SIZE(ulFieldA6), LITTLE, 0},
    {0xa7, FHOST_FIELD_INT, offsetof(NASINFO, ulConfigured), SLOT_SIZE(ulConfigured), LITTLE, 0},
    {0xb0, FHOST_FIELD_INT, offsetof(NASINFO, ullbmapSupport1), SLOT_SIZE(ullbmapSupport1), LITTLE, 0},
    {0xb1, FHOST_FIELD_INT, offsetof(NASINFO, ullbmapSupport2), SLOT_SIZE(ullbmapSupport2), LITTLE, 0},
    {0xb8, FHOST_FIELD_INT, offsetof(NASINFO, ullbmapMask1), SLOT_SIZE(ullbmapMask1), LITTLE, 0},
    {0xb9, FHOST_FIELD_INT, offsetof(NASINFO, ullbmapMask2), SLOT_SIZE(ullbmapMask2), LITTLE, 0},
    {0xba, FHOST_FIELD_INT, offsetof(NASINFO, ulWebInstall), SLOT_SIZE(ulWebInstall), LITTLE, 0},
    {0xbb, FHOST_FIELD_INT, offsetof(NASINFO, ulArrayCount), SLOT_SIZE(ulArrayCount), LITTLE, 0},
    {0xbc, FHOST_FIELD_ARRAY, offsetof(NASINFO, szArrayBC), ELEM_SIZE(szArrayBC), LITTLE, 0},
    {0xbd, FHOST_FIELD_ARRAY, offsetof(NASINFO, szArrayBD), ELEM_SIZE(szArrayBD), LITTLE, 0},
    {0xbe, FHOST_FIELD_ARRAY, offsetof(NASINFO, szArrayBE), ELEM_SIZE(szArrayBE), LITTLE, 0},
    {0xbf, FHOST_FIELD_ARRAY, offsetof(NASINFO, szArrayBF), ELEM_SIZE(szArrayBF), LITTLE, 0},
    {0xc0, FHOST_FIELD_STRING, offsetof(NASINFO, szSerialNum), SLOT_SIZE(szSerialNum), LITTLE, 0},
};

const FHOSTFIELDPARSER grgfieldParsers[3] = {
    {FHOST_FIELD_STRING, FHOSTPktReadString, FHOSTPktWriteString},
    {FHOST_FIELD_INT, FHOSTPktReadInt, FHOSTPktWriteInt},
    {FHOST_FIELD_ARRAY, FHOSTPktReadArrayItem, FHOSTPktWriteArray},
};

const FHOSTARRAYCOUNT grgFieldArrayCountMap[4] = {
    {0xbc, 0xbb},
    {0xbd, 0xbb},
    {0xbe, 0xbb},
    {0xbf, 0xbb},
};

int FHOSTCompareId(const void *pvLeft, const void *pvRight)
{
    return ((const FHOSTFIELDATTR *)pvLeft)->id - ((const FHOSTFIELDATTR *)pvRight)->id;
}

static const FHOSTFIELDATTR *FindField(int id)
{
    FHOSTFIELDATTR key;

    memset(&key, 0, sizeof(key));
    key.id = id;
    return (const FHOSTFIELDATTR *)bsearch(&key, grgfieldAttribs, FHOST_FIELD_COUNT,
                                           sizeof(grgfieldAttribs[0]), FHOSTCompareId);
}

/* ---------------------------------------------------------------------------------------- */
/* Parsers                                                                                  */
/* ---------------------------------------------------------------------------------------- */

int FHOSTPktReadString(FHOSTLOGCTX *pCtx, const uint8_t *pbyInput, int cbInput, void *pvField,
                       int cbField, FHOSTPKT_ENDIAN endian, int nIndex)
{
    int cbValue;
    int cbCopy;
    char *pszSlot;

    (void)endian;
    FHOST_CHECK_PTR(pCtx, pbyInput, 0);
    FHOST_CHECK_PTR(pCtx, pvField, 0);
    FHOST_CHECK(pCtx, 0 < cbField, 0);
    FHOST_CHECK(pCtx, 0 <= nIndex, 0);
    if (cbInput < 1) {
        return 0; /* not even a length byte */
    }
    cbValue = pbyInput[0];
    if (cbValue >= cbInput) {
        return 0; /* the value runs past the datagram */
    }
    if (cbValue == 0) {
        return 1;
    }
    if (cbValue > cbField) {
        return 0;
    }
    /* A text exactly as long as its slot leaves no room for the NUL: keep all but its last
     * byte rather than write into the next field. */
    cbCopy = cbValue < cbField ? cbValue : cbField - 1;
    pszSlot = (char *)pvField + (size_t)nIndex * (size_t)cbField;
    memcpy(pszSlot, pbyInput + 1, (size_t)cbCopy);
    pszSlot[cbCopy] = '\0';
    return cbValue + 1;
}

int FHOSTPktReadInt(FHOSTLOGCTX *pCtx, const uint8_t *pbyInput, int cbInput, void *pvField,
                    int cbField, FHOSTPKT_ENDIAN endian, int nIndex)
{
    int cbValue;
    int i;

    (void)nIndex;
    FHOST_CHECK_PTR(pCtx, pbyInput, 0);
    FHOST_CHECK_PTR(pCtx, pvField, 0);
    FHOST_CHECK(pCtx, 4 == cbField || 8 == cbField, 0);
    FHOST_CHECK(pCtx, FHOSTPKT_HOST_ENDIAN == endian || FHOSTPKT_KEEP_ENDIAN == endian, 0);
    if (cbInput < 1) {
        return 0;
    }
    cbValue = pbyInput[0];
    if (cbValue >= cbInput) {
        return 0;
    }
    if (cbValue == 0) {
        return 1; /* present without a value: the slot keeps what it holds */
    }
    if (cbValue != cbField) {
        return 0;
    }
    if (endian == FHOSTPKT_KEEP_ENDIAN) {
        memcpy(pvField, pbyInput + 1, (size_t)cbValue);
    } else {
        /* Little-endian on the wire, host order in the record. */
        uint64_t value = 0;
        for (i = cbValue - 1; i >= 0; --i) {
            value = (value << 8) | pbyInput[1 + i];
        }
        if (cbField == 4) {
            uint32_t value32 = (uint32_t)value;
            memcpy(pvField, &value32, sizeof(value32));
        } else {
            memcpy(pvField, &value, sizeof(value));
        }
    }
    return cbValue + 1;
}

int FHOSTPktReadArrayItem(FHOSTLOGCTX *pCtx, const uint8_t *pbyInput, int cbInput, void *pvField,
                          int cbField, FHOSTPKT_ENDIAN endian, int nIndex)
{
    FHOST_CHECK(pCtx, FHOST_ARRAY_MAX > nIndex, 0);
    return FHOSTPktReadString(pCtx, pbyInput, cbInput, pvField, cbField, endian, nIndex);
}

/* ---------------------------------------------------------------------------------------- */
/* Builders                                                                                 */
/* ---------------------------------------------------------------------------------------- */

/* One item of cbValue bytes; the caller has checked the identifier and the length. */
static int PutItem(uint8_t *pbyOutput, int cbOutput, int pktID, const void *pvValue, int cbValue)
{
    if (cbOutput < cbValue + 2) {
        return cbOutput - 2 - cbValue;
    }
    pbyOutput[0] = (uint8_t)pktID;
    pbyOutput[1] = (uint8_t)cbValue;
    if (cbValue > 0) {
        memcpy(pbyOutput + 2, pvValue, (size_t)cbValue);
    }
    return cbValue + 2;
}

int FHOSTPktWriteString(FHOSTLOGCTX *pCtx, uint8_t *pbyOutput, int cbOutput, int pktID,
                        const void *pvField, int cbField, FHOSTPKT_ENDIAN endian,
                        const NASINFO *pnasInfo)
{
    int cbFieldInput;

    (void)endian;
    (void)pnasInfo;
    FHOST_CHECK_PTR(pCtx, pbyOutput, 0);
    FHOST_CHECK_PTR(pCtx, pvField, 0);
    FHOST_CHECK(pCtx, 0 <= cbOutput, 0);
    FHOST_CHECK(pCtx, PKT_ID_MIN < pktID, 0);
    FHOST_CHECK(pCtx, PKT_ID_MAX > pktID, 0);
    FHOST_CHECK(pCtx, 0 < cbField, 0);
    /* The text ends at its NUL, or at the end of its slot. */
    cbFieldInput = (int)strnlen((const char *)pvField, (size_t)cbField);
    FHOST_CHECK(pCtx, 255 >= cbFieldInput, 0);
    return PutItem(pbyOutput, cbOutput, pktID, pvField, cbFieldInput);
}

int FHOSTPktWriteInt(FHOSTLOGCTX *pCtx, uint8_t *pbyOutput, int cbOutput, int pktID,
                     const void *pvField, int cbField, FHOSTPKT_ENDIAN endian,
                     const NASINFO *pnasInfo)
{
    uint8_t byValue[8];
    int i;

    (void)pnasInfo;
    FHOST_CHECK_PTR(pCtx, pbyOutput, 0);
    FHOST_CHECK_PTR(pCtx, pvField, 0);
    FHOST_CHECK(pCtx, 0 <= cbOutput, 0);
    FHOST_CHECK(pCtx, PKT_ID_MIN < pktID, 0);
    FHOST_CHECK(pCtx, PKT_ID_MAX > pktID, 0);
    FHOST_CHECK(pCtx, 4 == cbField || 8 == cbField, 0);
    FHOST_CHECK(pCtx, FHOSTPKT_LITTLE_ENDIAN == endian || FHOSTPKT_KEEP_ENDIAN == endian, 0);
    if (endian == FHOSTPKT_KEEP_ENDIAN) {
        memcpy(byValue, pvField, (size_t)cbField);
    } else {
        /* Host order in the record, little-endian on the wire. */
        uint64_t value;
        if (cbField == 4) {
            uint32_t value32;
            memcpy(&value32, pvField, sizeof(value32));
            value = value32;
        } else {
            memcpy(&value, pvField, sizeof(value));
        }
        for (i = 0; i < cbField; ++i) {
            byValue[i] = (uint8_t)(value >> (8 * i));
        }
    }
    return PutItem(pbyOutput, cbOutput, pktID, byValue, cbField);
}

int FHOSTPktWriteArray(FHOSTLOGCTX *pCtx, uint8_t *pbyOutput, int cbOutput, int pktID,
                       const void *pvField, int cbField, FHOSTPKT_ENDIAN endian,
                       const NASINFO *pnasInfo)
{
    const FHOSTFIELDATTR *pCountAttr = NULL;
    uint32_t ulCount;
    uint32_t i;
    int cbFieldInput = cbField;
    int cbWritten = 0;
    int k;

    (void)endian;
    FHOST_CHECK_PTR(pCtx, pbyOutput, 0);
    FHOST_CHECK_PTR(pCtx, pvField, 0);
    FHOST_CHECK_PTR(pCtx, pnasInfo, 0);
    FHOST_CHECK(pCtx, 0 <= cbOutput, 0);
    FHOST_CHECK(pCtx, PKT_ID_MIN < pktID, 0);
    FHOST_CHECK(pCtx, PKT_ID_MAX > pktID, 0);
    FHOST_CHECK(pCtx, 0 < cbFieldInput, 0);
    FHOST_CHECK(pCtx, PKT_MAX_STRING_LEN > cbFieldInput, 0);

    for (k = 0; k < (int)(sizeof(grgFieldArrayCountMap) / sizeof(grgFieldArrayCountMap[0])); ++k) {
        if (grgFieldArrayCountMap[k].idArray == pktID) {
            break;
        }
    }
    if (k == (int)(sizeof(grgFieldArrayCountMap) / sizeof(grgFieldArrayCountMap[0]))) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR,
                 "%s:%d unknown FIELD_ARRAY PKT-ID in grgFieldArrayCountMap: [0x%X]\n", FHOST_SRC,
                 __LINE__, (unsigned)pktID);
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d Failed to get Array Count Offset.\n", FHOST_SRC,
                 __LINE__);
        return -1;
    }
    pCountAttr = FindField(grgFieldArrayCountMap[k].idCount);
    if (pCountAttr == NULL || pCountAttr->kind != FHOST_FIELD_INT) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d unknown PKT-ID: [0x%X]\n", FHOST_SRC, __LINE__,
                 (unsigned)grgFieldArrayCountMap[k].idCount);
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d Failed to get Array Count Offset.\n", FHOST_SRC,
                 __LINE__);
        return -1;
    }
    memcpy(&ulCount, (const char *)pnasInfo + pCountAttr->offset, sizeof(ulCount));
    /* The record holds FHOST_ARRAY_MAX elements; a larger count must not read past them. */
    if (ulCount > FHOST_ARRAY_MAX) {
        ulCount = FHOST_ARRAY_MAX;
    }
    for (i = 0; i < ulCount; ++i) {
        const char *pszElem = (const char *)pvField + (size_t)i * (size_t)cbField;
        int cbElem = (int)strnlen(pszElem, (size_t)cbField);
        int ret;
        if (cbElem == 0) {
            continue; /* empty elements are not sent */
        }
        ret = PutItem(pbyOutput + cbWritten, cbOutput - cbWritten, pktID, pszElem, cbElem);
        if (ret < 0) {
            return ret;
        }
        cbWritten += ret;
    }
    return cbWritten;
}

/* ---------------------------------------------------------------------------------------- */
/* Reading a packet                                                                         */
/* ---------------------------------------------------------------------------------------- */

int FHOSTPacketRead(FHOSTLOGCTX *pCtx, const void *pvInput, int cbInput, NASINFO *pnasInfo)
{
    const uint8_t *pbyInput = (const uint8_t *)pvInput;
    unsigned int mask = 0;
    int nItems = 0;
    int pos;
    int idPrevArray = -1;
    int nPrevIndex = 0;

    FHOST_CHECK_PTR(pCtx, pvInput, 0);
    FHOST_CHECK_PTR(pCtx, pnasInfo, 0);
    FHOST_CHECK(pCtx, 0 <= cbInput, 0);
    memset(pnasInfo, 0, sizeof(*pnasInfo));

    if (cbInput <= FHOSTHeaderSize || memcmp(pbyInput, stFHOSTHeader, sizeof(stFHOSTHeader)) != 0) {
        return 0;
    }

    pos = FHOSTHeaderSize;
    while (pos < cbInput) {
        const int offItem = pos - FHOSTHeaderSize;
        const int id = pbyInput[pos];
        const FHOSTFIELDATTR *pAttr;
        const uint8_t *pbyLen;
        int cbLeft;
        int consumed;
        /* A value that lies wholly inside the datagram: the item can be stepped over whole. */
        int bValueInside;

        if (++nItems > FHOST_PKT_MAX_ITEMS) {
            FHOSTLog(pCtx, FHOST_LOG_DETAIL, "%s:%d Maybe some virus try to hack me\n", FHOST_SRC,
                     __LINE__);
            return 0;
        }
        pos++; /* past the identifier, now at the length byte */
        pbyLen = pbyInput + pos;
        cbLeft = cbInput - pos;
        bValueInside = cbLeft >= 1 && pbyLen[0] < cbLeft;
        pAttr = FindField(id);

        if (pAttr != NULL && pAttr->kind != FHOST_FIELD_NONE) {
            FHOSTPKT_ENDIAN target =
                pAttr->endian == FHOSTPKT_KEEP_ENDIAN ? FHOSTPKT_KEEP_ENDIAN : FHOSTPKT_HOST_ENDIAN;
            int nIndex = 0;

            if (pAttr->kind == FHOST_FIELD_ARRAY) {
                /* Elements of one array must follow each other to fill consecutive slots. */
                nIndex = id == idPrevArray ? nPrevIndex + 1 : 0;
                idPrevArray = id;
                nPrevIndex = nIndex;
            } else {
                idPrevArray = -1;
            }

            if (pAttr->kind == FHOST_FIELD_ARRAY && nIndex >= FHOST_ARRAY_MAX) {
                /* The record holds FHOST_ARRAY_MAX elements: further ones are dropped. */
                consumed = 0;
                if (bValueInside) {
                    FHOSTLog(pCtx, FHOST_LOG_DETAIL,
                             "%s:%d too many elements: [0x%02X] at offset (%d) skipped\n",
                             FHOST_SRC, __LINE__, (unsigned)id, offItem);
                    consumed = 1 + pbyLen[0];
                }
            } else {
                consumed = grgfieldParsers[pAttr->kind].pfnRead(
                    pCtx, pbyLen, cbLeft, (char *)pnasInfo + pAttr->offset, pAttr->size, target,
                    nIndex);
            }
            /* The field counts as present even when its value was refused. */
            mask |= pAttr->flag;
        } else if (id == PKT_ID_PASSWORD_MORE) {
            /* Password continuation: append to the text so far, up to FHOST_PASSWORD_MAX. */
            int cbPassword = (int)strnlen(pnasInfo->szPassword, sizeof(pnasInfo->szPassword));
            int cbRoom = FHOST_PASSWORD_MAX - cbPassword;

            idPrevArray = -1;
            if (cbRoom < 0 || (cbLeft >= 1 && pbyLen[0] > cbRoom)) {
                consumed = 0;
            } else {
                /* One byte more than the room for the NUL: the item is never cut. */
                consumed = FHOSTPktReadString(pCtx, pbyLen, cbLeft, pnasInfo->szPassword + cbPassword,
                                              cbRoom + 1, FHOSTPKT_HOST_ENDIAN, 0);
            }
        } else {
            /* Unknown identifier, or one that is never stored (0x4b, 0x4c). */
            idPrevArray = -1;
            FHOSTLog(pCtx, FHOST_LOG_DETAIL, "%s:%d unknown id: [0x%02X] at offset (%d)\n",
                     FHOST_SRC, __LINE__, (unsigned)id, offItem);
            pos += bValueInside ? 1 + pbyLen[0] : 1;
            continue;
        }

        if (consumed > 0) {
            pos += consumed;
        } else if (bValueInside) {
            /* A refused value inside the datagram (too long for its slot, wrong integer width):
             * step over the whole item so that its bytes are never taken for items. */
            FHOSTLog(pCtx, FHOST_LOG_DETAIL, "%s:%d bad item: [0x%02X] at offset (%d) skipped\n",
                     FHOST_SRC, __LINE__, (unsigned)id, offItem);
            pos += 1 + pbyLen[0];
        }
        /* Otherwise the value runs past the datagram: resume at the length byte. */
    }
    if (pos > cbInput) {
        pos = cbInput; /* an unknown identifier in the last byte steps one past the end */
    }

    if (pnasInfo->szSerialNum[0] == '\0') {
        size_t cbSN = strnlen(pnasInfo->szSN, sizeof(pnasInfo->szSN));
        if (cbSN >= sizeof(pnasInfo->szSerialNum)) {
            cbSN = sizeof(pnasInfo->szSerialNum) - 1;
        }
        memcpy(pnasInfo->szSerialNum, pnasInfo->szSN, cbSN);
        pnasInfo->szSerialNum[cbSN] = '\0';
    }

    if ((mask & (FHOST_PRESENT_TYPE | FHOST_PRESENT_VERSION)) !=
        (FHOST_PRESENT_TYPE | FHOST_PRESENT_VERSION)) {
        FHOSTLog(pCtx, FHOST_LOG_DETAIL, "%s:%d Basic is not satifsfied\n", FHOST_SRC, __LINE__);
        return 0;
    }
    if (pnasInfo->ulPacketType == FHOST_PKT_NETSET) {
        const unsigned int netset =
            FHOST_PRESENT_NETSET_DHCP | FHOST_PRESENT_NETSET_NAME | FHOST_PRESENT_NETSET_MAC;
        if ((mask & netset) != netset) {
            FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d not enough fields for netsetting 0x%X\n",
                     FHOST_SRC, __LINE__, mask);
            return 0;
        }
    }
    return pos - FHOSTHeaderSize;
}

/* ---------------------------------------------------------------------------------------- */
/* Writing a packet                                                                         */
/* ---------------------------------------------------------------------------------------- */

/* The password goes in pieces of at most 255 bytes: the first as 0x2a, the rest as 0x72. */
static int WritePassword(FHOSTLOGCTX *pCtx, uint8_t *pbyOutput, int cbOutput, const NASINFO *pnasInfo)
{
    const char *pszPassword = pnasInfo->szPassword;
    int cbPassword = (int)strnlen(pszPassword, sizeof(pnasInfo->szPassword));
    int cbWritten = 0;
    int off = 0;

    do {
        int cbPiece = cbPassword - off;
        int ret;
        if (cbPiece > PKT_MAX_STRING_LEN) {
            cbPiece = PKT_MAX_STRING_LEN;
        }
        ret = PutItem(pbyOutput + cbWritten, cbOutput - cbWritten,
                      off == 0 ? PKT_ID_PASSWORD : PKT_ID_PASSWORD_MORE, pszPassword + off, cbPiece);
        if (ret < 1) {
            FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d fail to write!\n", FHOST_SRC, __LINE__);
            return ret < 0 ? ret : -1;
        }
        cbWritten += ret;
        off += cbPiece;
    } while (off < cbPassword);
    return cbWritten;
}

int FHOSTPacketWrite(FHOSTLOGCTX *pCtx, char **ppBuffer, int *pcbBuffer, const FHOSTSEND *pfhostSend)
{
    uint8_t byWork[FHOST_PKT_MAX_LEN];
    int cbRoom;
    int cbLength;
    int i;

    FHOST_CHECK_PTR(pCtx, ppBuffer, 0);
    FHOST_CHECK_PTR(pCtx, *ppBuffer, 0);
    FHOST_CHECK_PTR(pCtx, pcbBuffer, 0);
    FHOST_CHECK(pCtx, 0 <= *pcbBuffer, 0);
    FHOST_CHECK_PTR(pCtx, pfhostSend, 0);
    FHOST_CHECK_PTR(pCtx, pfhostSend->pnasInfo, 0);
    FHOST_CHECK(pCtx, 0 < pfhostSend->nPktID, 0);
    FHOST_CHECK(pCtx, FHOST_SEND_MAX_IDS >= pfhostSend->nPktID, 0);

    memset(byWork, 0, sizeof(byWork));
    memcpy(byWork, stFHOSTHeader, sizeof(stFHOSTHeader));
    cbRoom = FHOST_PKT_MAX_LEN - FHOSTHeaderSize;

    for (i = 0; i < pfhostSend->nPktID; ++i) {
        const int pktID = pfhostSend->ids[i];
        uint8_t *pbyOut = byWork + (FHOST_PKT_MAX_LEN - cbRoom);
        const FHOSTFIELDATTR *pAttr;
        int ret;

        if (pktID == PKT_ID_PASSWORD) {
            ret = WritePassword(pCtx, pbyOut, cbRoom, pfhostSend->pnasInfo);
            if (ret < 1) {
                return 0;
            }
            cbRoom -= ret;
            continue;
        }
        if (pktID == PKT_ID_PASSWORD_MORE) {
            continue; /* written together with 0x2a */
        }
        pAttr = FindField(pktID);
        if (pAttr == NULL) {
            FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d unknown PKT-ID: [0x%X]\n", FHOST_SRC, __LINE__,
                     (unsigned)pktID);
            ret = 0;
        } else if (pAttr->kind == FHOST_FIELD_NONE) {
            ret = 0; /* never written */
        } else {
            ret = grgfieldParsers[pAttr->kind].pfnWrite(
                pCtx, pbyOut, cbRoom, pktID, (const char *)pfhostSend->pnasInfo + pAttr->offset,
                pAttr->size, pAttr->endian == FHOSTPKT_KEEP_ENDIAN ? FHOSTPKT_KEEP_ENDIAN
                                                                   : FHOSTPKT_LITTLE_ENDIAN,
                pfhostSend->pnasInfo);
        }
        if (ret < 1) {
            FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d fail to write [0x%X]!\n", FHOST_SRC, __LINE__,
                     (unsigned)pktID);
            return 0;
        }
        cbRoom -= ret;
    }

    cbLength = FHOST_PKT_MAX_LEN - cbRoom;
    if (cbLength > *pcbBuffer) {
        char *pNew = (char *)realloc(*ppBuffer, (size_t)cbLength);
        if (pNew == NULL) {
            FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d Reallocate memory failed!\n", FHOST_SRC, __LINE__);
            return 0;
        }
        *ppBuffer = pNew;
        *pcbBuffer = cbLength;
    }
    memcpy(*ppBuffer, byWork, (size_t)cbLength);
    return cbLength;
}

/* ---------------------------------------------------------------------------------------- */
/* Send list                                                                                */
/* ---------------------------------------------------------------------------------------- */

int FHOSTSendAddField(FHOSTLOGCTX *pCtx, FHOSTSEND *pfhostSend, int pktID, const void *pvValue,
                      int cbValue)
{
    const FHOSTFIELDATTR *pAttr;
    int cbCopy;

    FHOST_CHECK_PTR(pCtx, pfhostSend, -1);
    FHOST_CHECK_PTR(pCtx, pfhostSend->pnasInfo, -1);
    FHOST_CHECK_PTR(pCtx, pvValue, -1);
    FHOST_CHECK(pCtx, 0 <= cbValue, -1);
    FHOST_CHECK(pCtx, PKT_ID_MIN < pktID, -1);
    FHOST_CHECK(pCtx, PKT_ID_MAX > pktID, -1);
    FHOST_CHECK(pCtx, 0 <= pfhostSend->nPktID, -1);
    FHOST_CHECK(pCtx, FHOST_SEND_MAX_IDS > pfhostSend->nPktID, -1);
    pAttr = FindField(pktID);
    if (pAttr == NULL || pAttr->kind == FHOST_FIELD_NONE) {
        FHOSTLog(pCtx, FHOST_LOG_ERROR, "%s:%d unknown PKT-ID: [0x%X]\n", FHOST_SRC, __LINE__,
                 (unsigned)pktID);
        return -1;
    }
    cbCopy = cbValue < pAttr->size ? cbValue : pAttr->size;
    memcpy((char *)pfhostSend->pnasInfo + pAttr->offset, pvValue, (size_t)cbCopy);
    pfhostSend->ids[pfhostSend->nPktID++] = pktID;
    return 0;
}

static int IsValidId(int pktID)
{
    return PKT_ID_MIN < pktID && pktID < PKT_ID_MAX;
}

int FHOSTSendAddIds(FHOSTLOGCTX *pCtx, FHOSTSEND *pfhostSend, int id1, ...)
{
    va_list args;
    int nAdd = 1;
    int id;

    FHOST_CHECK_PTR(pCtx, pfhostSend, -1);
    FHOST_CHECK(pCtx, PKT_ID_MIN < id1, -1);
    FHOST_CHECK(pCtx, PKT_ID_MAX > id1, -1);
    FHOST_CHECK(pCtx, 0 <= pfhostSend->nPktID, -1);

    /* Count first so that a list that does not fit is refused whole. */
    va_start(args, id1);
    while ((id = va_arg(args, int)) != 0) {
        if (IsValidId(id)) {
            nAdd++;
        }
    }
    va_end(args);
    FHOST_CHECK(pCtx, FHOST_SEND_MAX_IDS - pfhostSend->nPktID >= nAdd, -1);

    pfhostSend->ids[pfhostSend->nPktID++] = id1;
    va_start(args, id1);
    while ((id = va_arg(args, int)) != 0) {
        if (IsValidId(id)) {
            pfhostSend->ids[pfhostSend->nPktID++] = id;
        }
    }
    va_end(args);
    return nAdd;
}

int FHOSTSendAddServiceIds(FHOSTLOGCTX *pCtx, FHOSTSEND *pfhostSend, int bSupport, int bMask)
{
    int nAdd = (bSupport ? 2 : 0) + (bMask ? 2 : 0);

    FHOST_CHECK_PTR(pCtx, pfhostSend, -1);
    FHOST_CHECK(pCtx, 0 <= pfhostSend->nPktID, -1);
    FHOST_CHECK(pCtx, FHOST_SEND_MAX_IDS - pfhostSend->nPktID >= nAdd, -1);
    if (bSupport) {
        pfhostSend->ids[pfhostSend->nPktID++] = 0xb0;
        pfhostSend->ids[pfhostSend->nPktID++] = 0xb1;
    }
    if (bMask) {
        pfhostSend->ids[pfhostSend->nPktID++] = 0xb8;
        pfhostSend->ids[pfhostSend->nPktID++] = 0xb9;
    }
    return nAdd;
}

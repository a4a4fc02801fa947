/*
 * nasinfo.c - the library's log context, the service bitmaps of the server record and the
 * 16-bit byte-order helper.
 */
#include "fhostpriv.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#ifndef __FILE_NAME__
const char *FHOSTSourceName(const char *path)
{
    const char *slash = strrchr(path, '/');
    return slash ? slash + 1 : path;
}
#endif

/* ---------------------------------------------------------------------------------------- */
/* Log context                                                                              */
/* ---------------------------------------------------------------------------------------- */

int FHOSTLogSetOutput(FHOSTLOGCTX *pCtx, int level, PFNFHOSTLOGOUTPUT pfnOutput)
{
    if (pCtx == NULL) {
        return -1;
    }
    if (level == FHOST_LOG_ERROR) {
        pCtx->pfnOutputL1 = pfnOutput;
    } else if (level == FHOST_LOG_DETAIL) {
        pCtx->pfnOutputL2 = pfnOutput;
    } else {
        return -1;
    }
    return 0;
}

int FHOSTLogLock(FHOSTLOGCTX *pCtx, int on)
{
    if (pCtx == NULL) {
        return -1;
    }
    if (pCtx->pfnLock == NULL) {
        return 0;
    }
    return pCtx->pfnLock(on);
}

int FHOSTLog(FHOSTLOGCTX *pCtx, int level, const char *format, ...)
{
    PFNFHOSTLOGOUTPUT pfnOutput;
    char szLine[FHOST_LOG_LINE_MAX];
    va_list args;
    int ret;

    if (pCtx == NULL || format == NULL) {
        return -1;
    }
    if (level == FHOST_LOG_ERROR) {
        pfnOutput = pCtx->pfnOutputL1;
    } else if (level == FHOST_LOG_DETAIL) {
        pfnOutput = pCtx->pfnOutputL2;
    } else {
        return -1;
    }
    /* A silent level costs nothing: no lock, no formatting. */
    if (pfnOutput == NULL) {
        return 0;
    }
    if (pCtx->pfnLock != NULL && pCtx->pfnLock(1) == -1) {
        return -1;
    }
    va_start(args, format);
    vsnprintf(szLine, sizeof(szLine), format, args); /* longer lines are cut */
    va_end(args);
    ret = pfnOutput(szLine);
    if (pCtx->pfnLock != NULL) {
        pCtx->pfnLock(0);
    }
    return ret;
}

/* ---------------------------------------------------------------------------------------- */
/* Service bitmaps                                                                          */
/* ---------------------------------------------------------------------------------------- */

static uint64_t ServiceBit(int id)
{
    return (uint64_t)1 << (id % 64);
}

int FHOSTServiceSet(FHOSTLOGCTX *pCtx, NASINFO *pnasInfo, int id)
{
    FHOST_CHECK_PTR(pCtx, pnasInfo, -1);
    FHOST_CHECK(pCtx, 0 <= id, -1);
    FHOST_CHECK(pCtx, FHOST_SERVICE_MAX > id, -1);
    if (id < 64) {
        pnasInfo->ullbmapSupport1 |= ServiceBit(id);
    } else {
        pnasInfo->ullbmapSupport2 |= ServiceBit(id);
    }
    return 0;
}

int FHOSTServiceMaskSet(FHOSTLOGCTX *pCtx, NASINFO *pnasInfo, int id)
{
    FHOST_CHECK_PTR(pCtx, pnasInfo, -1);
    FHOST_CHECK(pCtx, 0 <= id, -1);
    FHOST_CHECK(pCtx, FHOST_SERVICE_MAX > id, -1);
    if (id < 64) {
        pnasInfo->ullbmapMask1 |= ServiceBit(id);
    } else {
        pnasInfo->ullbmapMask2 |= ServiceBit(id);
    }
    return 0;
}

int FHOSTServiceIsSet(FHOSTLOGCTX *pCtx, const NASINFO *pnasInfo, int id)
{
    uint64_t word;

    FHOST_CHECK_PTR(pCtx, pnasInfo, -1);
    FHOST_CHECK(pCtx, 0 <= id, -1);
    FHOST_CHECK(pCtx, FHOST_SERVICE_MAX > id, -1);
    word = id < 64 ? pnasInfo->ullbmapSupport1 : pnasInfo->ullbmapSupport2;
    return (word & ServiceBit(id)) != 0 ? 1 : 0;
}

int FHOSTServiceMaskIsSet(FHOSTLOGCTX *pCtx, const NASINFO *pnasInfo, int id)
{
    uint64_t word;

    FHOST_CHECK_PTR(pCtx, pnasInfo, -1);
    FHOST_CHECK(pCtx, 0 <= id, -1);
    FHOST_CHECK(pCtx, FHOST_SERVICE_MAX > id, -1);
    word = id < 64 ? pnasInfo->ullbmapMask1 : pnasInfo->ullbmapMask2;
    return (word & ServiceBit(id)) != 0 ? 1 : 0;
}

int FHOSTServiceClear(FHOSTLOGCTX *pCtx, NASINFO *pnasInfo)
{
    FHOST_CHECK_PTR(pCtx, pnasInfo, -1);
    pnasInfo->ullbmapSupport1 = 0;
    pnasInfo->ullbmapSupport2 = 0;
    return 0;
}

int FHOSTServiceMaskClear(FHOSTLOGCTX *pCtx, NASINFO *pnasInfo)
{
    FHOST_CHECK_PTR(pCtx, pnasInfo, -1);
    pnasInfo->ullbmapMask1 = 0;
    pnasInfo->ullbmapMask2 = 0;
    return 0;
}

/* ---------------------------------------------------------------------------------------- */
/* Byte order                                                                               */
/* ---------------------------------------------------------------------------------------- */

uint16_t FHOSTHtoN16(uint16_t value)
{
    /* Network order is big-endian: build it from the value, whatever the host's order. */
    uint8_t bytes[2];
    uint16_t result;

    bytes[0] = (uint8_t)(value >> 8);
    bytes[1] = (uint8_t)(value & 0xff);
    memcpy(&result, bytes, sizeof(result));
    return result;
}

uint16_t FHOSTNtoH16(uint16_t value)
{
    return FHOSTHtoN16(value);
}

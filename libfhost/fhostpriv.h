/*
 * fhostpriv.h - helpers shared by the discovery library's source units; not for callers.
 */
#ifndef FHOSTPRIV_H
#define FHOSTPRIV_H

#include "fhost.h"

/* File name of the current source unit without its directory, for log lines. */
#ifdef __FILE_NAME__
#define FHOST_SRC __FILE_NAME__
#else
const char *FHOSTSourceName(const char *path);
#define FHOST_SRC FHOSTSourceName(__FILE__)
#endif

#define FHOST_ARG_FMT "%s:%d Invaild Argument (%s)=[%d]\n"

/* Argument check: when cond fails, log it at level 1 with its text, return ret. */
#define FHOST_CHECK(ctx, cond, ret)                                                           \
    do {                                                                                      \
        if (!(cond)) {                                                                        \
            FHOSTLog((ctx), FHOST_LOG_ERROR, FHOST_ARG_FMT, FHOST_SRC, __LINE__, #cond, 0);   \
            return ret;                                                                       \
        }                                                                                     \
    } while (0)

/* Pointer check, logged as "((void *)0) != <pointer>". */
#define FHOST_CHECK_PTR(ctx, ptr, ret)                                                        \
    do {                                                                                      \
        if ((ptr) == NULL) {                                                                  \
            FHOSTLog((ctx), FHOST_LOG_ERROR, FHOST_ARG_FMT, FHOST_SRC, __LINE__,              \
                     "((void *)0) != " #ptr, 0);                                              \
            return ret;                                                                       \
        }                                                                                     \
    } while (0)

#endif /* FHOSTPRIV_H */

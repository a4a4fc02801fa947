#ifndef BATCHHELPERS_H
#define BATCHHELPERS_H

// Helpers of the main window's batch steps (a quick configuration or network install of several
// servers at once) and of the install wizard's patch-directory check.

#include <QString>

#include "fhost.h"

// The server name of the n-th server of a batch, made from one name template. Every "#" in the
// template marks a digit: with one "#", it is removed and n appended ("Store-#", 12 ->
// "Store-12"); with c >= 2, every "#" is removed and n appended zero-padded to c digits
// ("NAS##", 3 -> "NAS03"; a longer number is appended whole: "NAS##", 123 -> "NAS123"). A
// template without "#" (or an empty one) is returned unchanged.
QString expandServerNameTemplate(const QString &name, unsigned int n);

// The patch file for a server in a directory: among the files named `szModelId` + "*.pat"
// (letter case ignored), the one with the greatest build number, where the build is the name
// without `szModelId` + "_" and ".pat" read as a decimal number (a name whose rest is not a
// number ranks lowest; equal builds are ordered by QString::localeAwareCompare).
// Returns its absolute path; "" when no file matches (or no directory or record is given); and
// the decimal text of the server's `ulBuild` when even that file is older than the server's own
// build (a result that is not a path: the directory holds nothing new enough).
QString findNewestPatchFile(const QString &directory, const NASINFO *pnasInfo);

#endif // BATCHHELPERS_H

#ifndef STRINGTABLE_H
#define STRINGTABLE_H

#include <QString>

#include "StringIds.h"

// The program's user-interface texts: one table of English texts, each with a key ("IDS_...")
// and a fixed index. Callers ask for a text by its index constant, for example
// getString(IDS_BTN_OK). The table itself is generated from translations/strings.tsv.

// Keys and English texts (UTF-8, escapes kept as the two characters backslash + n / t),
// VORK_STRING_COUNT entries each. Filled by initStringTable, read-only afterwards.
extern const char *gszStringKeys[VORK_STRING_COUNT];
extern const char *gszStringTexts[VORK_STRING_COUNT];

// Fills both arrays. Start-up calls it once after installing the translator; later calls do
// nothing. getString and findStringKey call it themselves, so a lookup never sees empty arrays.
void initStringTable();

// The text of `index` in the current language: translated through the installed translator
// (context "global", keyed by the stored English text), then backslash + n becomes a line feed
// and backslash + t a tab. An index outside the table gives an empty text and a debug line.
QString getString(int index);

// The index of `key`, compared without regard to case; -1 when the table has no such key.
int findStringKey(const QString &key);

#endif // STRINGTABLE_H

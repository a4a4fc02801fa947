#ifndef VORKSTARTUP_H
#define VORKSTARTUP_H

#include <QString>
#include <QtGlobal>

// Process-wide start-up values. The entry point sets them once from the command line, before
// the event loop starts; afterwards they are only read.

// Room of the two path buffers; a longer argument is cut to VORK_PATH_BUFFER - 1 bytes.
#define VORK_PATH_BUFFER 4096

// Debugging on (-d, -D): every Qt message goes into the debug file.
extern bool gblDebug;
// The debug file, "mydebug.txt" in the working directory unless -D names one.
extern char gszDebugFilePath[VORK_PATH_BUFFER];
// Font flag (-F clears it) and font size value (-s): together they decide whether start-up
// applies the interface language's font.
extern bool gblFont;
extern int gnFontSize;
// Language hint (-L): kept, with no further use.
extern QString gstrLanguageHint;
// Patch copy directory (-P): when the flag is set, the install channel also writes each patch
// file it sends into this directory, as "<directory>/<base name of the patch file>.pat".
extern char gszPatchCopyDir[VORK_PATH_BUFFER];
extern bool gblPatchCopy;

// Reads the command line with getopt and the option string "adFs:D:L:P:" into the values
// above. Unknown options only produce getopt's own message on standard error; arguments that
// are no options are ignored. getopt's scan restarts on every call.
void parseStartupOptions(int argc, char **argv);

// Puts every start-up value back to its default (for a fresh parse).
void resetStartupOptions();

// The Qt message handler of debugging: appends one time-stamped line per message to the debug
// file ("MM-dd hh:mm:ss Debug: text", "... Warning: text", "... Fatal: text"; info messages
// count as debug ones, critical ones are not written), opening and closing the file for every
// message. A fatal message aborts the process once its line is written.
void debugMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text);

// Switches debugging on as start-up does: deletes the debug file, installs debugMessageHandler
// and hands the discovery library's log context findhostPrintSink as its output of both levels.
void startDebugLog();

#endif // VORKSTARTUP_H

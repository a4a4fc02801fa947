#ifndef PHOTOWORKFOLDER_H
#define PHOTOWORKFOLDER_H

#include <QByteArray>
#include <QString>

// The photo uploader's work folder: where the converters write the derived files of an upload
// and the page's preview pictures, and where the custom title and description files are made.
//
// It belongs to one user: "VORK_PHOTO_TEMP-" and the user id, inside the system temporary folder
// (QDir::tempPath(), so TMPDIR is honoured), created with mode 0700. An entry of that name that
// is not a folder of this user's own that nobody else may write in (a symbolic link, a folder
// of another user, one others may write in) is refused and left alone (an own folder others may
// only read loses those rights); a new private folder
// ("VORK_PHOTO_TEMP-<uid>-" and six random characters, made by mkdtemp) serves instead for the
// rest of the program's run. Only the last part of the path is examined: the temporary folder
// itself is the system's.
//
// Safe to call from any thread.
namespace PhotoWorkFolder {

// The folder in use for the current temporary folder: the one made in place of a refused one,
// or else the per-user folder. Creates nothing.
QString path();

// Makes sure the work folder exists and is private, and returns its absolute path; empty when
// no private folder could be had (nothing may then be written for the uploader).
QString prepare();

// Writes `data` as the file `name` directly inside `folder`: whatever has that name there is
// removed first (a link as a link), and the file is made anew (mode 0600) without following a
// link. False when it cannot be made or not all of it was written.
bool writeFile(const QString &folder, const QString &name, const QByteArray &data);

// Deletes the plain files (and links) directly in the work folder that are not hidden, then the
// folder itself; a sub-folder or a hidden file keeps it. A refused entry is never touched.
void remove();

} // namespace PhotoWorkFolder

#endif // PHOTOWORKFOLDER_H

#ifndef PROFILEGROUPKEY_H
#define PROFILEGROUPKEY_H

#include <QString>

// The name of the settings group that stores a profile (resource monitor, photo uploader).
//
// A profile's group is named by its name in lower case. QSettings reads a "/" in a group name as
// a step into a child group, so a name holding one would be stored one level deeper and be lost
// from the profile list at the next start. For such a name (and only then) the lower-case name
// is written with "%" as "%25" and "/" as "%2F". The hexadecimal digit is an upper-case letter,
// which a lower-cased name never holds, so such a key never equals the key of another name, and
// every name without a "/" keeps the key it always had. A "\" needs nothing: the settings file
// escapes it itself.
QString profileGroupKey(const QString &name);

#endif // PROFILEGROUPKEY_H

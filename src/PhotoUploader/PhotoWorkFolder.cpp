#include "PhotoWorkFolder.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QMutex g_lock;
// The folder made in place of a refused per-user folder, and the temporary folder it lies in.
QString g_replacement;
QString g_replacementRoot;

QString temporaryRoot()
{
    return QDir(QDir::tempPath()).absolutePath();
}

QString perUserPath(const QString &root)
{
    return root + QStringLiteral("/VORK_PHOTO_TEMP-") + QString::number(::geteuid());
}

// Opens `path` as a folder without following a link in its last part: a folder of this user's
// own that nobody else may write in, or -1. Read rights others still have are taken away.
int openPrivateFolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() ||
        (st.st_mode & (S_IWGRP | S_IWOTH)) != 0 ||
        ((st.st_mode & 077) != 0 && ::fchmod(fd, 0700) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool isPrivateFolder(const QString &path)
{
    const int fd = openPrivateFolder(path);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

// Caller holds g_lock.
QString currentPath(const QString &root)
{
    if (!g_replacement.isEmpty() && g_replacementRoot == root)
        return g_replacement;
    return perUserPath(root);
}

// Deletes the entries of the folder open as `fd` that are plain files or links and whose names
// do not start with a dot.
void deleteFiles(int fd)
{
    const int listFd = ::dup(fd);
    if (listFd < 0)
        return;
    DIR *dir = ::fdopendir(listFd);
    if (!dir) {
        ::close(listFd);
        return;
    }
    QList<QByteArray> names;
    while (const struct dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        struct stat st;
        if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)))
            names << QByteArray(entry->d_name);
    }
    ::closedir(dir);
    for (const QByteArray &name : names)
        ::unlinkat(fd, name.constData(), 0);
}

void removeFolder(const QString &path)
{
    const int fd = openPrivateFolder(path);
    if (fd < 0)
        return;
    deleteFiles(fd);
    ::close(fd);
    // Only an empty folder goes.
    ::rmdir(QFile::encodeName(path).constData());
}

} // namespace

namespace PhotoWorkFolder {

QString path()
{
    QMutexLocker lock(&g_lock);
    return currentPath(temporaryRoot());
}

QString prepare()
{
    QMutexLocker lock(&g_lock);
    const QString root = temporaryRoot();
    if (!g_replacement.isEmpty() && g_replacementRoot == root && isPrivateFolder(g_replacement))
        return g_replacement;

    const QString own = perUserPath(root);
    // The mode can only lose bits to the umask, never gain any.
    if (::mkdir(QFile::encodeName(own).constData(), 0700) == 0 || errno == EEXIST) {
        if (isPrivateFolder(own))
            return own;
    }

    // Refused, or not to be made: a new folder of this user's own, for the rest of the run.
    QByteArray pattern = QFile::encodeName(own + QStringLiteral("-XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        return QString();
    g_replacement = QFile::decodeName(pattern);
    g_replacementRoot = root;
    return g_replacement;
}

bool writeFile(const QString &folder, const QString &name, const QByteArray &data)
{
    if (folder.isEmpty() || name.isEmpty() || name.contains(QLatin1Char('/')))
        return false;
    const QByteArray target = QFile::encodeName(folder + QLatin1Char('/') + name);
    // Whatever is there goes (a link as the link itself); the new file is made, not reused.
    if (::unlink(target.constData()) != 0 && errno != ENOENT)
        return false;
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    const bool closed = ::close(fd) == 0;
    return closed && done == data.size();
}

void remove()
{
    QMutexLocker lock(&g_lock);
    const QString root = temporaryRoot();
    removeFolder(perUserPath(root));
    if (!g_replacement.isEmpty() && g_replacementRoot == root) {
        removeFolder(g_replacement);
        g_replacement.clear();
        g_replacementRoot.clear();
    }
}

} // namespace PhotoWorkFolder

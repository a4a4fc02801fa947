#ifndef PHOTOFILESTEST_H
#define PHOTOFILESTEST_H

// Shared pieces of the photo-upload page's file-list and preview tests: files of a given size,
// table lookups and the program's settings scope.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTableWidget>
#include <QtTest>

#include "CVorkWindowPhotoUpload.h"

namespace PhotoFilesTest {

// Writes `size` bytes (a repeating pattern) to `path`, making its folder first.
inline bool writeFile(const QString &path, qint64 size = 10)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray block(64 * 1024, 'x');
    qint64 left = size;
    while (left > 0) {
        const qint64 n = qMin<qint64>(left, block.size());
        if (file.write(block.constData(), n) != n)
            return false;
        left -= n;
    }
    return true;
}

// The row of the file table whose name cell carries `path`, or -1.
inline int rowOf(const QTableWidget *table, const QString &path)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *item = table->item(row, 0);
        if (item && item->data(Qt::UserRole).toString() == path)
            return row;
    }
    return -1;
}

// The paths of the table's rows, in row order.
inline QStringList tablePaths(const QTableWidget *table)
{
    QStringList paths;
    for (int row = 0; row < table->rowCount(); ++row)
        paths << (table->item(row, 0) ? table->item(row, 0)->data(Qt::UserRole).toString() : QString());
    return paths;
}

} // namespace PhotoFilesTest

// The program's organisation and application names scope the settings; the test's own
// XDG_CONFIG_HOME (set by CTest) keeps them private. Dialogs are Qt's own widgets, so that the
// test can drive them.
#define PHOTO_FILES_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char **argv)                                                            \
    {                                                                                          \
        qputenv("LC_ALL", "C");                                                                \
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                           \
        QApplication app(argc, argv);                                                          \
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));                     \
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));                 \
        TestClass tc;                                                                          \
        return QTest::qExec(&tc, argc, argv);                                                  \
    }

#endif // PHOTOFILESTEST_H

#ifndef SHELLTESTMAIN_H
#define SHELLTESTMAIN_H

#include <QApplication>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

// Entry point of the shell-window tests: a fixed "C" system locale (so "System default" means
// English whatever the machine's locale), settings in a fresh temporary directory that exists
// before the application object, and the program's organisation and application names, which
// scope QSettings as in the program.
//
// When the environment variable VORK_CHILD_CASE is set, `childCase(name)` runs instead of the
// tests and its result is the exit code: the tests start themselves again for cases that end
// the process.
#define VORK_SHELL_TEST_MAIN(TestClass, childCase)                                              \
    int main(int argc, char **argv)                                                            \
    {                                                                                          \
        qputenv("LC_ALL", "C");                                                                \
        qputenv("LANG", "C");                                                                  \
        QTemporaryDir configDir;                                                               \
        if (!configDir.isValid())                                                              \
            return 2;                                                                          \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir.path()));                      \
        QApplication app(argc, argv);                                                          \
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));                     \
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));                 \
        const QByteArray child = qgetenv("VORK_CHILD_CASE");                                   \
        if (!child.isEmpty())                                                                  \
            return childCase(child);                                                           \
        TestClass tc;                                                                          \
        return QTest::qExec(&tc, argc, argv);                                                  \
    }

#endif // SHELLTESTMAIN_H

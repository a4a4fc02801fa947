// The batch helpers: the n-th name of a batch and the newest patch file of a directory.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

#include "BatchHelpers.h"
#include "CWaitScale.h"

namespace {

NASINFO serverOf(const char *modelId, uint32_t build)
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    strncpy(n.szModelId, modelId, sizeof(n.szModelId) - 1);
    n.ulBuild = build;
    return n;
}

bool touch(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
}

} // namespace

class TestBatchHelpers : public QObject
{
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("NAS## 1") << "NAS##" << 1u << "NAS01";
        QTest::newRow("NAS## 2") << "NAS##" << 2u << "NAS02";
        QTest::newRow("NAS## 3") << "NAS##" << 3u << "NAS03";
        QTest::newRow("no mark") << "NAS" << 3u << "NAS";
        QTest::newRow("one mark") << "Store-#" << 12u << "Store-12";
        QTest::newRow("longer number") << "NAS##" << 123u << "NAS123";
        QTest::newRow("empty") << "" << 5u << "";
        // Marks anywhere in the name count, and all of them go.
        QTest::newRow("scattered marks") << "#A#B#" << 7u << "AB007";
        QTest::newRow("zero") << "N###" << 0u << "N000";
    }

    void names()
    {
        QFETCH(QString, name);
        QFETCH(uint, n);
        QFETCH(QString, expected);
        QCOMPARE(expandServerNameTemplate(name, n), expected);
    }

    // A batch of three servers gets NAS01, NAS02, NAS03 from one template.
    void batchOfThree()
    {
        QStringList names;
        for (uint i = 1; i <= 3; ++i)
            names << expandServerNameTemplate(QStringLiteral("NAS##"), i);
        QCOMPARE(names, QStringList({"NAS01", "NAS02", "NAS03"}));
    }

    void newestPatchFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char *name : {"M_999.pat", "M_1000.pat", "m_1200.PAT", "Mx_5000.pat", "M_notes.txt"})
            QVERIFY(touch(dir.filePath(QString::fromLatin1(name))));
        // A directory with a patch file's name is not a file.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("M_9999.pat")));

        const NASINFO older = serverOf("M", 1000);
        const QString chosen = findNewestPatchFile(dir.path(), &older);
        QCOMPARE(chosen, QFileInfo(dir.filePath(QStringLiteral("m_1200.PAT"))).absoluteFilePath());
        QVERIFY(QFileInfo(chosen).isAbsolute());

        // The server already runs a later build than any file: its own build comes back.
        const NASINFO newer = serverOf("M", 1300);
        QCOMPARE(findNewestPatchFile(dir.path(), &newer), QStringLiteral("1300"));

        // The same build as the file is new enough.
        const NASINFO same = serverOf("M", 1200);
        QCOMPARE(findNewestPatchFile(dir.path(), &same), chosen);

        const NASINFO otherModel = serverOf("Q", 10);
        QCOMPARE(findNewestPatchFile(dir.path(), &otherModel), QString());
    }

    // Name order alone would pick M_999 over M_1000; the build decides.
    void buildNumberBeatsNameOrder()
    {
        QTemporaryDir dir;
        QVERIFY(touch(dir.filePath(QStringLiteral("M_999.pat"))));
        QVERIFY(touch(dir.filePath(QStringLiteral("M_1000.pat"))));
        const NASINFO server = serverOf("M", 1000);
        QCOMPARE(QFileInfo(findNewestPatchFile(dir.path(), &server)).fileName(),
                 QStringLiteral("M_1000.pat"));
    }

    // A name without a number ranks below every numbered one, and alone reads as build 0.
    void unnumberedNamesRankLowest()
    {
        QTemporaryDir dir;
        QVERIFY(touch(dir.filePath(QStringLiteral("M_beta.pat"))));
        const NASINFO zero = serverOf("M", 0);
        QCOMPARE(QFileInfo(findNewestPatchFile(dir.path(), &zero)).fileName(), QStringLiteral("M_beta.pat"));
        const NASINFO one = serverOf("M", 1);
        QCOMPARE(findNewestPatchFile(dir.path(), &one), QStringLiteral("1"));

        QVERIFY(touch(dir.filePath(QStringLiteral("M_3.pat"))));
        QVERIFY(touch(dir.filePath(QStringLiteral("M_zeta.pat"))));
        QCOMPARE(QFileInfo(findNewestPatchFile(dir.path(), &one)).fileName(), QStringLiteral("M_3.pat"));
    }

    // Two models of one batch get their own files from the same directory.
    void twoModelsOneDirectory()
    {
        QTemporaryDir dir;
        for (const char *name : {"VS1510_2000.pat", "VS1510_2100.pat", "RS810_1900.pat"})
            QVERIFY(touch(dir.filePath(QString::fromLatin1(name))));
        const NASINFO a = serverOf("VS1510", 1500);
        const NASINFO b = serverOf("RS810", 1500);
        QCOMPARE(QFileInfo(findNewestPatchFile(dir.path(), &a)).fileName(), QStringLiteral("VS1510_2100.pat"));
        QCOMPARE(QFileInfo(findNewestPatchFile(dir.path(), &b)).fileName(), QStringLiteral("RS810_1900.pat"));
    }

    void missingInputs()
    {
        QTemporaryDir dir;
        QVERIFY(touch(dir.filePath(QStringLiteral("M_1.pat"))));
        const NASINFO server = serverOf("M", 0);
        QCOMPARE(findNewestPatchFile(QString(), &server), QString());
        QCOMPARE(findNewestPatchFile(dir.path(), nullptr), QString());
        QCOMPARE(findNewestPatchFile(dir.filePath(QStringLiteral("absent")), &server), QString());
    }

    // The wait seam: unchanged at divisor 1; divided, but never below 1, otherwise; "no wait"
    // and "no limit" pass through.
    void waitScale()
    {
        QCOMPARE(CWaitScale::divisor(), 1);
        for (int ms : {-1, 0, 1, 7, 500, 125000})
            QCOMPARE(CWaitScale::ms(ms), ms);
        CWaitScale::setDivisor(100);
        QCOMPARE(CWaitScale::ms(500), 5);
        QCOMPARE(CWaitScale::ms(3000), 30);
        QCOMPARE(CWaitScale::ms(99), 1);
        QCOMPARE(CWaitScale::ms(1), 1);
        QCOMPARE(CWaitScale::ms(0), 0);
        QCOMPARE(CWaitScale::ms(-1), -1);
        CWaitScale::setDivisor(0); // below 1 counts as 1
        QCOMPARE(CWaitScale::divisor(), 1);
        QCOMPARE(CWaitScale::ms(500), 500);
    }
};

QTEST_GUILESS_MAIN(TestBatchHelpers)
#include "tst_batchhelpers.moc"

#include <QtTest>

#include <QPushButton>
#include <QSettings>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "CVorkDialogLicense.h"
#include "HangGuard.h"
#include "shelltestmain.h"

class TestLicenseDialog : public QObject
{
    Q_OBJECT

private:
    static QStringList allCodes()
    {
        return QStringList{"enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
                           "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy"};
    }

    static QString termsTitle(const CVorkDialogLicense &dialog)
    {
        return dialog.m_txtbrwsLaw->document()->metaInformation(QTextDocument::DocumentTitle);
    }

private slots:
    void init()
    {
        QSettings().clear();
    }

    void texts()
    {
        CVorkDialogLicense dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Quenlori Terms and Conditions"));
        QCOMPARE(dialog.m_pbtnBox->button(QDialogButtonBox::Ok)->text(), QStringLiteral("I Agree"));
        QCOMPARE(dialog.m_pbtnBox->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("I Do Not Agree"));
        QCOMPARE(dialog.m_plblAskDesc->text(),
                 QStringLiteral("Please review the Quenlori Terms and Conditions. If you agree the terms, "
                                "click \"I Agree\" to continue. Otherwise, click \"I Do Not Agree\" to exit."));
        QCOMPARE(dialog.m_plblAskDesc->textFormat(), Qt::RichText);
        QVERIFY(dialog.m_plblAskDesc->wordWrap());
    }

    void windowLook()
    {
        CVorkDialogLicense dialog;
        QCOMPARE(dialog.minimumSize(), QSize(740, 480));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(dialog.m_pbtnBox->centerButtons());
        QCOMPARE(dialog.m_pbtnBox->orientation(), Qt::Horizontal);
        QCOMPARE(dialog.m_pbtnBox->buttons().size(), 2);
    }

    void termsPageOfLanguage_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("code");
        // Every interface language has a page of its own.
        for (const QString &code : allCodes())
            QTest::newRow(qPrintable(code)) << QVariant(code) << code;
        QTest::newRow("unknown language") << QVariant(QStringLiteral("xyz")) << QStringLiteral("enu");
        QTest::newRow("system default, C locale") << QVariant(QStringLiteral("def")) << QStringLiteral("enu");
        QTest::newRow("nothing stored") << QVariant() << QStringLiteral("enu");
    }

    void termsPageOfLanguage()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, code);
        if (stored.isValid())
            QSettings().setValue(QStringLiteral("Global/UILanguage"), stored);

        CVorkDialogLicense dialog;
        QCOMPARE(dialog.m_txtbrwsLaw->source(), QUrl(QStringLiteral("qrc:/licenses/License_%1.html").arg(code)));
        // The page shown is that language's own page, not just its address.
        QVERIFY2(termsTitle(dialog).endsWith(QStringLiteral("[%1]").arg(code)), qPrintable(termsTitle(dialog)));
        QVERIFY(dialog.m_txtbrwsLaw->toPlainText().contains(QStringLiteral("VRVornakeeper")));
    }

    // Each page carries the whole licence of the LICENSE file, in English; a page of another
    // language adds exactly one sentence of its own language before it, different on every page.
    void pagesCarryTheLicence()
    {
        QFile file(QStringLiteral(VORK_LICENSE_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList paragraphs = QString::fromUtf8(file.readAll()).split(QStringLiteral("\n\n"));
        for (QString &paragraph : paragraphs)
            paragraph = paragraph.simplified();
        QCOMPARE(paragraphs.first(), QStringLiteral("MIT License"));
        QVERIFY(paragraphs.at(1).startsWith(QStringLiteral("Copyright (c) ")));
        QCOMPARE(paragraphs.size(), 5);

        QSet<QString> sentences;
        for (const QString &code : allCodes()) {
            QSettings().setValue(QStringLiteral("Global/UILanguage"), code);
            CVorkDialogLicense dialog;
            QStringList shown;
            for (QTextBlock block = dialog.m_txtbrwsLaw->document()->begin(); block.isValid(); block = block.next())
                if (!block.text().simplified().isEmpty())
                    shown << block.text().simplified();
            const int own = code == QLatin1String("enu") ? 0 : 1;
            QCOMPARE(shown.mid(own), paragraphs);
            if (own) {
                const QString sentence = shown.first();
                QVERIFY2(sentence.size() > 20 && !sentences.contains(sentence), qPrintable(code));
                QVERIFY2(!sentence.contains(QStringLiteral("English"), Qt::CaseInsensitive), qPrintable(code));
                sentences.insert(sentence);
            }
            const QString all = dialog.m_txtbrwsLaw->toPlainText();
            QVERIFY(!all.contains(QStringLiteral("preliminary"), Qt::CaseInsensitive));
            QVERIFY(!all.contains(QStringLiteral("placeholder"), Qt::CaseInsensitive));
        }
    }

    void agreeAcceptsDeclineRejects_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("I Agree") << 0 << 1;
        QTest::newRow("I Do Not Agree") << 1 << 0;
        QTest::newRow("Escape") << 2 << 0;
    }

    void agreeAcceptsDeclineRejects()
    {
        QFETCH(int, how);
        QFETCH(int, result);
        CVorkDialogLicense dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, tsup::guardMs()));
        dialog.setResult(-1);
        if (how == 0)
            QTest::mouseClick(dialog.m_pbtnBox->button(QDialogButtonBox::Ok), Qt::LeftButton);
        else if (how == 1)
            QTest::mouseClick(dialog.m_pbtnBox->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), result);
        QVERIFY(!dialog.isVisible());
    }
};

static int noChildCase(const QByteArray &)
{
    return 2;
}

VORK_SHELL_TEST_MAIN(TestLicenseDialog, noChildCase)
#include "tst_licensedialog.moc"

// The 20 translation catalogues: their sources hold exactly the texts of the string table, the
// compiled catalogues in the resources hold exactly the finished translations, and the build's
// check refuses a catalogue that no longer matches the table.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "HangGuard.h"
#include "QuenLocale.h"
#include "StringTable.h"

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

struct Catalogue {
    QStringList contexts;
    QVector<Message> messages;
};

bool parseTs(const QString &path, Catalogue &cat)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            cat.contexts.append(xml.readElementText());
        } else if (xml.name() == QLatin1String("source")) {
            cat.messages.append(Message());
            cat.messages.last().context = cat.contexts.value(cat.contexts.size() - 1);
            cat.messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            cat.messages.last().finished = type.isEmpty();
            cat.messages.last().translation = xml.readElementText();
        }
    }
    return !xml.hasError();
}

QStringList placeholders(const QString &s)
{
    QStringList out;
    auto it = QRegularExpression(QStringLiteral("%[0-9]|\\\\n|\\\\t")).globalMatch(s);
    while (it.hasNext())
        out.append(it.next().captured(0));
    out.sort();
    return out;
}

QSet<QString> tableTexts()
{
    initStringTable();
    QSet<QString> texts;
    for (int i = 0; i < VORK_STRING_COUNT; ++i)
        texts.insert(QString::fromUtf8(gszStringTexts[i]));
    return texts;
}

// The texts that classes translate in their own context, after the table's context "global".
const QStringList kClassContexts{"CVorkNasinfoModel", "CQuenWizard", "CWizPhotoIPDialog"};
const QStringList kClassTexts{"CVorkNasinfoModel|Manual", "CVorkNasinfoModel|DHCP",
                              "CVorkNasinfoModel|update %1", "CQuenWizard|< ", "CQuenWizard| >",
                              "CWizPhotoIPDialog|:"};

QString tsPath(const QString &code)
{
    return QStringLiteral(VORK_TS_DIR "/") + code + QStringLiteral(".ts");
}

// A text that reads the same in every language: no letters once its placeholders, escapes,
// product and brand names and upper-case abbreviations (DHCP, LAN, OK) are taken out.
bool isNameOrNumber(const QString &text)
{
    static const QRegularExpression aside(QStringLiteral(
        "%[0-9]|\\\\[nt]|\\b(Quenlori|Varnestor|Vornakeeper|VRVornakeeper|VNO|Imagrove|Bundlory|PPPoE|"
        "[A-Z][A-Z0-9]+)\\b"));
    return !QString(text).remove(aside).contains(QRegularExpression(QStringLiteral("\\p{L}")));
}

// Runs the build's catalogue check on one source; returns the exit code, stderr in `err`.
int runCheck(const QString &ts, QString *err)
{
    QProcess p;
    p.start(QStringLiteral(VORK_STRGEN),
            {QStringLiteral("check"), QStringLiteral(VORK_TS_DIR "/strings.tsv"), ts});
    if (!p.waitForFinished(tsup::guardMs(30000))) {
        p.kill();
        p.waitForFinished(tsup::guardMs(5000));
        return -1;
    }
    *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}


// The texts a help page quotes from the program: every <b> element (buttons, labels, menu
// entries) and everything between the page's own quotation marks (messages, statuses, titles).
// Each must be a text of the language's catalogue: a colon, an ellipsis or the " ?" the
// program adds after a text may follow, and a placeholder may stand for any words ("n %").
// A page may also quote its own headings and the few names no catalogue carries.
QStringList unknownHelpQuotes(const QString &code, const QString &page, const Catalogue &cat)
{
    static const QHash<QString, QStringList> marks{
        {"enu", {"\"\""}}, {"deu", {"„“"}}, {"fra", {"«»"}}, {"rus", {"«»"}}, {"jpn", {"「」", "『』"}},
        {"chs", {"“”"}}, {"cht", {"「」", "『』"}}, {"krn", {"\"\""}}, {"plk", {"„”"}}, {"csy", {"„“"}},
        {"hun", {"„”"}}, {"sve", {"””"}}, {"dan", {"»«"}}, {"nor", {"«»"}}, {"nld", {"‘’"}},
        {"ita", {"«»"}}, {"esn", {"«»"}}, {"ptb", {"“”"}}, {"ptg", {"“”"}}, {"trk", {"“”"}}};
    static const QSet<QString> names{"VRVornakeeper", "admin", ".pat", "--", "#"};
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression tail(QStringLiteral("\\s*(:|：|\\.\\.\\.|…|\\?|？)\\s*$"));
    static const QRegularExpression run(QStringLiteral("%[0-9]([^\\s\\w]?%[0-9])*"));
    auto plain = [](QString s) {
        return s.remove(tag).replace(QLatin1String("&middot;"), QStringLiteral("·"))
            .replace(QLatin1String("&gt;"), QStringLiteral(">")).replace(QLatin1String("&lt;"), QStringLiteral("<"))
            .replace(QLatin1String("&amp;"), QStringLiteral("&"));
    };
    auto norm = [](QString s) {
        s.replace(QLatin1String("\\n"), QLatin1String(" ")).replace(QLatin1String("\\t"), QLatin1String(" "));
        s = s.simplified();
        for (QString before; before != s;)
            s = (before = s).remove(tail);
        return s;
    };

    QSet<QString> exact;
    QVector<QRegularExpression> patterns;
    for (const Message &m : cat.messages) {
        const QString text = norm(code == QLatin1String("enu") ? m.source : m.translation);
        exact.insert(text);
        if (!text.contains(run))
            continue;
        QStringList parts = text.split(run);
        for (QString &part : parts)
            part = QRegularExpression::escape(part.trimmed());
        // Blanks and punctuation next to a placeholder may go with the words it stands for.
        patterns.append(QRegularExpression(QStringLiteral("^[\\s.,:]*") + parts.join(QStringLiteral(".*?")) +
                                           QStringLiteral("[\\s.,:]*$")));
    }
    const QString body = page.mid(page.indexOf(QLatin1String("<body")));
    auto headings = QRegularExpression(QStringLiteral("<h[1-6][^>]*>(.*?)</h[1-6]>")).globalMatch(body);
    while (headings.hasNext())
        exact.insert(norm(plain(headings.next().captured(1))));

    QStringList quoted;
    auto bold = QRegularExpression(QStringLiteral("<b>(.*?)</b>"),
                                   QRegularExpression::DotMatchesEverythingOption).globalMatch(body);
    while (bold.hasNext())
        quoted << plain(bold.next().captured(1));
    const QString text = plain(body);
    for (const QString &pair : marks.value(code)) {
        const QString open = QRegularExpression::escape(pair.left(1));
        const QString close = QRegularExpression::escape(pair.mid(1));
        auto it = QRegularExpression(open + QStringLiteral("([^\\n") + open + close + QStringLiteral("]{1,300}?)") + close)
                      .globalMatch(text);
        while (it.hasNext())
            quoted << it.next().captured(1);
    }
    QStringList unknown;
    for (const QString &q : quoted) {
        const QString n = norm(q);
        if (exact.contains(n) || names.contains(n)
            || std::any_of(patterns.cbegin(), patterns.cend(),
                           [&n](const QRegularExpression &re) { return re.match(n).hasMatch(); }))
            continue;
        unknown << n;
    }
    return unknown;
}

QString helpPage(const QString &code)
{
    QFile f(QStringLiteral(VORK_HELP_DIR "/help_") + code + QStringLiteral(".html"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void languageCodes();
    void everyCatalogueIsEmbedded();
    void sourcesAreExactlyTheTableTexts_data();
    void sourcesAreExactlyTheTableTexts();
    void compiledCatalogueHoldsTheFinishedEntries_data();
    void compiledCatalogueHoldsTheFinishedEntries();
    void checkRefusesStaleCatalogue();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void helpQuotesOnlyCatalogueTexts_data();
    void helpQuotesOnlyCatalogueTexts();
};

void TestCatalogues::languageCodes()
{
    const QStringList expected = {"enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
                                  "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy"};
    QCOMPARE(QuenLocale::getAllLanguages(), expected);
    QVERIFY(gszLanguageCodes[20] == nullptr);
    QCOMPARE(QuenLocale::getDefaultLanguage(), QStringLiteral("enu"));
}

void TestCatalogues::everyCatalogueIsEmbedded()
{
    for (const QString &code : QuenLocale::getAllLanguages()) {
        const QString path = QStringLiteral(":/") + code + QStringLiteral(".qm");
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QVERIFY2(QuenLocale::isLanguageFileExist(code), qPrintable(code));
        QTranslator t;
        QVERIFY2(t.load(path), qPrintable(path));
        // English needs no translation: its catalogue is empty, so start-up does not install it.
        QCOMPARE(t.isEmpty(), code == QLatin1String("enu"));
    }
    QVERIFY(!QuenLocale::isLanguageFileExist(QStringLiteral("xyz")));
    QVERIFY(!QuenLocale::isLanguageFileExist(QString()));
}

void TestCatalogues::sourcesAreExactlyTheTableTexts_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : QuenLocale::getAllLanguages())
        QTest::newRow(qPrintable(code)) << code;
}

void TestCatalogues::sourcesAreExactlyTheTableTexts()
{
    QFETCH(QString, code);
    Catalogue cat;
    QVERIFY(parseTs(tsPath(code), cat));
    QCOMPARE(cat.contexts, QStringList(QStringLiteral("global")) + kClassContexts);

    const QSet<QString> table = tableTexts();
    QSet<QString> seen;
    QStringList classTexts;
    for (const Message &m : cat.messages) {
        if (m.context != QLatin1String("global")) {
            classTexts << m.context + QLatin1Char('|') + m.source;
            // Every language but English has them finished, keeping the placeholders.
            QCOMPARE(m.finished, code != QLatin1String("enu"));
            if (m.finished)
                QCOMPARE(placeholders(m.translation), placeholders(m.source));
            continue;
        }
        QVERIFY2(table.contains(m.source), qPrintable(QStringLiteral("stray: ") + m.source));
        QVERIFY2(!seen.contains(m.source), qPrintable(QStringLiteral("twice: ") + m.source));
        seen.insert(m.source);
        // A finished translation may read as in English (a name, or "Version" in German).
        if (m.finished) {
            QVERIFY2(!m.translation.isEmpty(), qPrintable(m.source));
            QCOMPARE(placeholders(m.translation), placeholders(m.source));
        }
    }
    QCOMPARE(seen, table);
    QCOMPARE(classTexts, kClassTexts);
    // Escapes stay two characters in the sources; a real line break would never be found.
    QVERIFY(seen.contains(QStringLiteral("Upload finished \\nSuccess Count: %1, Error Count: %2")));
    QVERIFY(seen.contains(QStringLiteral(" About %1")));
}

void TestCatalogues::compiledCatalogueHoldsTheFinishedEntries_data()
{
    sourcesAreExactlyTheTableTexts_data();
}

void TestCatalogues::compiledCatalogueHoldsTheFinishedEntries()
{
    QFETCH(QString, code);
    Catalogue cat;
    QVERIFY(parseTs(tsPath(code), cat));
    QTranslator t;
    QVERIFY(t.load(QStringLiteral(":/") + code + QStringLiteral(".qm")));
    int finished = 0;
    for (const Message &m : cat.messages) {
        const QByteArray source = m.source.toUtf8();
        const QByteArray context = m.context.toUtf8();
        const QString got = t.translate(context.constData(), source.constData());
        if (m.finished && m.translation == m.source) {
            // Written the same as in English ("DHCP"): left out of the compiled catalogue.
            QVERIFY2(got.isNull(), qPrintable(m.source));
        } else if (m.finished) {
            ++finished;
            QCOMPARE(got, m.translation);
        } else {
            QVERIFY2(got.isNull(), qPrintable(m.source));
        }
    }
    if (code == QLatin1String("enu"))
        QCOMPARE(finished, 0);
    else
        QVERIFY(finished > 0);
}

void TestCatalogues::checkRefusesStaleCatalogue()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile orig(tsPath(QStringLiteral("deu")));
    QVERIFY(orig.open(QIODevice::ReadOnly));
    const QByteArray good = orig.readAll();

    auto writeVariant = [&dir](const QString &name, const QByteArray &content) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            return QString();
        return f.fileName();
    };

    QString err;
    QCOMPARE(runCheck(writeVariant(QStringLiteral("same.ts"), good), &err), 0);

    // A source the table no longer has, and so a table text the catalogue lacks.
    QByteArray stale = good;
    stale.replace("<source>Ready</source>", "<source>Ready now</source>");
    QVERIFY(stale != good);
    QVERIFY(runCheck(writeVariant(QStringLiteral("stale.ts"), stale), &err) != 0);
    QVERIFY2(err.contains(QLatin1String("stale source \"Ready now\"")), qPrintable(err));
    QVERIFY2(err.contains(QLatin1String("missing text \"Ready\"")), qPrintable(err));

    // The escape written as a real line break is a different source.
    QByteArray broken = good;
    broken.replace("Upload finished \\nSuccess", "Upload finished \nSuccess");
    QVERIFY(broken != good);
    QVERIFY(runCheck(writeVariant(QStringLiteral("newline.ts"), broken), &err) != 0);

    // A finished translation that dropped its placeholder (whatever the message held before).
    QByteArray lost = good;
    const QRegularExpression message(
        QStringLiteral("(<source>%1 - Setup Wizard</source>\\s*<extracomment>[^<]*</extracomment>\\s*)"
                       "<translation[^>]*(/>|>[^<]*</translation>)"));
    QString lostText = QString::fromUtf8(lost);
    QVERIFY(lostText.contains(message));
    lostText.replace(message, QStringLiteral("\\1<translation>Einrichtung</translation>"));
    lost = lostText.toUtf8();
    QVERIFY(runCheck(writeVariant(QStringLiteral("lost.ts"), lost), &err) != 0);
    QVERIFY2(err.contains(QLatin1String("does not keep the placeholders")), qPrintable(err));

    // A class's text the code no longer translates, and so one it lacks.
    QByteArray renamed = good;
    renamed.replace("<source>update %1</source>", "<source>update</source>");
    QVERIFY(renamed != good);
    QVERIFY(runCheck(writeVariant(QStringLiteral("renamed.ts"), renamed), &err) != 0);
    QVERIFY2(err.contains(QLatin1String("stale source \"update\" in CVorkNasinfoModel")), qPrintable(err));
    QVERIFY2(err.contains(QLatin1String("missing text \"update %1\" in CVorkNasinfoModel")), qPrintable(err));

    // The class contexts come after "global", each once.
    QByteArray moved = good;
    moved.replace("<name>CQuenWizard</name>", "<name>global</name>");
    QVERIFY(runCheck(writeVariant(QStringLiteral("moved.ts"), moved), &err) != 0);
    QVERIFY2(err.contains(QLatin1String("expected the contexts")), qPrintable(err));
}

void TestCatalogues::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : QuenLocale::getAllLanguages())
        if (code != QLatin1String("enu"))
            QTest::newRow(qPrintable(code)) << code;
}

// Every text of the table has a finished, non-empty translation, and at most 5 % of the texts
// with words of their own read as in English; the language names, which every catalogue writes
// in their own languages, are left out of the count.
void TestCatalogues::everyTextIsTranslated()
{
    QFETCH(QString, code);
    Catalogue cat;
    QVERIFY(parseTs(tsPath(code), cat));
    QSet<QString> languageNames;
    for (int i = 0; i < VORK_STRING_COUNT; ++i)
        if (QByteArray(gszStringKeys[i]).startsWith("IDS_LANGUAGE_"))
            languageNames.insert(QString::fromUtf8(gszStringTexts[i]));
    QStringList unfinished;
    QStringList english;
    int counted = 0;
    for (const Message &m : cat.messages) {
        if (m.context != QLatin1String("global"))
            continue;
        if (!m.finished || m.translation.trimmed().isEmpty()) {
            unfinished << m.source;
            continue;
        }
        if (isNameOrNumber(m.source) || languageNames.contains(m.source))
            continue;
        ++counted;
        if (m.translation == m.source)
            english << m.source;
    }
    QVERIFY2(unfinished.isEmpty(), qPrintable(QStringLiteral("%1 unfinished, first: %2")
                                                  .arg(unfinished.size())
                                                  .arg(unfinished.mid(0, 5).join(QLatin1String(" | ")))));
    QVERIFY(counted > 600);
    QVERIFY2(english.size() * 100 <= counted * 5,
             qPrintable(QStringLiteral("%1 of %2 as in English: %3")
                            .arg(english.size())
                            .arg(counted)
                            .arg(english.join(QLatin1String(" | ")))));
}

void TestCatalogues::helpQuotesOnlyCatalogueTexts_data()
{
    sourcesAreExactlyTheTableTexts_data();
}

// Every text a help page quotes is one the program shows in that language, and the check sees a
// label, a message or a status the catalogue does not have.
void TestCatalogues::helpQuotesOnlyCatalogueTexts()
{
    QFETCH(QString, code);
    Catalogue cat;
    QVERIFY(parseTs(tsPath(code), cat));
    const QString page = helpPage(code);
    QVERIFY(page.size() > 5000);
    const QStringList unknown = unknownHelpQuotes(code, page, cat);
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QLatin1String(" | "))));

    if (code != QLatin1String("rus"))
        return;
    const QString label = QStringLiteral("<li><b>Видео:</b>");
    QVERIFY(page.contains(label));
    QString stale = page;
    stale.replace(label, QStringLiteral("<li><b>Преобразование видео:</b>"));
    stale.replace(QStringLiteral("«Найдено серверов Quenlori: 3.»"), QStringLiteral("«Найдено 3 сервера.»"));
    QCOMPARE(unknownHelpQuotes(code, stale, cat),
             QStringList({QStringLiteral("Преобразование видео"), QStringLiteral("Найдено 3 сервера.")}));
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"

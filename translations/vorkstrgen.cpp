// Build-time tool for the string table and its translation catalogues.
//
// strings.tsv is the only place where the English texts live. From it this tool
//   table  <tsv> <data.inc> <ids.h>     writes the C++ arrays of keys and texts and the header of
//                                       index constants (IDS_... = index);
//   check  <tsv> <code.ts>...           fails when a catalogue source no longer matches the table
//                                       (a stale or duplicate source, a missing text, a wrong
//                                       context) or when a finished translation lost a placeholder
//                                       or an escape of its source;
//   update <tsv> <code.ts>...           rewrites the catalogue sources from the table, keeping
//                                       every translation whose English text is still there.
// Besides the context "global" of the table, a catalogue holds the few texts that classes
// translate in their own context (tr()); they are listed in s_classTexts below, and each class
// has a context of its own after "global", in that order.
// Output files are only rewritten when their content changes, so a build after an unrelated
// edit recompiles nothing.

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

struct Row {
    int index = 0;
    QString key;
    QString origin;
    QString text;   // as stored: backslash escapes are kept as two characters
};

// Texts that a class translates in its own context rather than through the string table. Each
// entry must match the class's tr() call exactly, blanks included.
const struct {
    const char *context;
    const char *source;
} s_classTexts[] = {
    // The finder table's IP-status column, and the update number after a version.
    {"CVorkNasinfoModel", "Manual"},
    {"CVorkNasinfoModel", "DHCP"},
    {"CVorkNasinfoModel", "update %1"},
    // The arrows around the wizards' Back and Next buttons.
    {"CQuenWizard", "< "},
    {"CQuenWizard", " >"},
    // The colon after each label of the photo-server address page.
    {"CWizPhotoIPDialog", ":"},
};

// The contexts of a catalogue in order, each with its sources in order: "global" with the
// table's distinct texts first, then the class contexts.
QVector<QPair<QString, QStringList>> catalogueLayout(const QVector<QPair<QString, QStringList>> &texts)
{
    QVector<QPair<QString, QStringList>> out;
    QStringList global;
    for (const auto &t : texts)
        global.append(t.first);
    out.append(qMakePair(QStringLiteral("global"), global));
    for (const auto &entry : s_classTexts) {
        const QString context = QString::fromUtf8(entry.context);
        if (out.last().first != context)
            out.append(qMakePair(context, QStringList()));
        out.last().second.append(QString::fromUtf8(entry.source));
    }
    return out;
}

void fail(const QString &msg)
{
    std::fprintf(stderr, "vorkstrgen: %s\n", qPrintable(msg));
}

bool readTable(const QString &path, QVector<Row> &rows)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot open %1").arg(path));
        return false;
    }
    const QByteArray data = f.readAll();
    const QString all = QString::fromUtf8(data);
    if (all.toUtf8() != data) {
        fail(QStringLiteral("%1 is not valid UTF-8").arg(path));
        return false;
    }
    static const QRegularExpression keyRe(QStringLiteral("^IDS_[A-Za-z0-9_]+$"));
    QSet<QString> keys;
    bool ok = true;
    int lineNo = 0;
    for (const QString &line : all.split(QLatin1Char('\n'))) {
        ++lineNo;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("%1:%2: ").arg(path).arg(lineNo);
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() != 4) {
            fail(where + QStringLiteral("expected 4 tab-separated columns, found %1").arg(f.size()));
            ok = false;
            continue;
        }
        Row r;
        bool numOk = false;
        r.index = f[0].toInt(&numOk);
        r.key = f[1];
        r.origin = f[2];
        r.text = f[3];
        if (!numOk || r.index != rows.size()) {
            fail(where + QStringLiteral("index %1 out of order, expected %2").arg(f[0]).arg(rows.size()));
            ok = false;
        }
        if (!keyRe.match(r.key).hasMatch()) {
            fail(where + QStringLiteral("bad key '%1'").arg(r.key));
            ok = false;
        }
        if (keys.contains(r.key)) {
            fail(where + QStringLiteral("key %1 occurs twice").arg(r.key));
            ok = false;
        }
        keys.insert(r.key);
        if (r.origin != QLatin1String("given") && r.origin != QLatin1String("ours")) {
            fail(where + QStringLiteral("origin must be 'given' or 'ours', not '%1'").arg(r.origin));
            ok = false;
        }
        if (r.text.isEmpty() || r.text.contains(QLatin1Char('\r'))) {
            fail(where + QStringLiteral("empty text or carriage return in %1").arg(r.key));
            ok = false;
        }
        rows.append(r);
    }
    if (rows.isEmpty()) {
        fail(QStringLiteral("%1 holds no rows").arg(path));
        ok = false;
    }
    return ok;
}

// Distinct texts in the order of their first index, each with the keys that use it.
QVector<QPair<QString, QStringList>> distinctTexts(const QVector<Row> &rows)
{
    QVector<QPair<QString, QStringList>> out;
    QHash<QString, int> pos;
    for (const Row &r : rows) {
        auto it = pos.find(r.text);
        if (it == pos.end()) {
            pos.insert(r.text, out.size());
            out.append(qMakePair(r.text, QStringList(r.key)));
        } else {
            out[it.value()].second.append(r.key);
        }
    }
    return out;
}

bool writeIfChanged(const QString &path, const QByteArray &content)
{
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == content)
        return true;
    old.close();
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size() || !f.commit()) {
        fail(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

// A C string literal of the UTF-8 bytes; bytes outside printable ASCII become three-digit octal
// escapes, which can never run into a following character the way hex escapes do.
QByteArray cLiteral(const QString &s)
{
    QByteArray out = "\"";
    for (const unsigned char c : s.toUtf8()) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c >= 0x7f || c == '?') {
            // '?' too, so that no trigraph can ever form.
            out += QByteArray("\\") + QByteArray::number(c, 8).rightJustified(3, '0');
        } else {
            out += char(c);
        }
    }
    out += '"';
    return out;
}

int cmdTable(const QString &tsv, const QString &incPath, const QString &hPath)
{
    QVector<Row> rows;
    if (!readTable(tsv, rows))
        return 1;
    const QByteArray n = QByteArray::number(rows.size());

    QByteArray inc = "// Generated by vorkstrgen from translations/strings.tsv. Do not edit.\n";
    inc += "static const char *const s_stringKeyData[" + n + "] = {\n";
    for (const Row &r : rows)
        inc += "    " + cLiteral(r.key) + ",\n";
    inc += "};\n\nstatic const char *const s_stringTextData[" + n + "] = {\n";
    for (const Row &r : rows)
        inc += "    /* " + QByteArray::number(r.index) + " */ " + cLiteral(r.text) + ",\n";
    inc += "};\n";

    QByteArray h = "// Generated by vorkstrgen from translations/strings.tsv. Do not edit.\n"
                   "// Index constants of the string table: pass them to getString().\n"
                   "#ifndef STRINGIDS_H\n#define STRINGIDS_H\n\n"
                   "enum StringId : int {\n";
    for (const Row &r : rows)
        h += "    " + r.key.toLatin1() + " = " + QByteArray::number(r.index) + ",\n";
    h += "};\n\n// Number of entries in the string table.\nconstexpr int VORK_STRING_COUNT = " + n
         + ";\n\n#endif // STRINGIDS_H\n";

    return writeIfChanged(incPath, inc) && writeIfChanged(hPath, h) ? 0 : 1;
}

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    QString type;   // "", "unfinished", "obsolete", "vanished"
    QString comment;   // a disambiguation: the program looks texts up without one
};

bool readTs(const QString &path, QVector<TsMessage> &msgs, QStringList &contexts, QString &lang)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot open %1").arg(path));
        return false;
    }
    QXmlStreamReader xml(&f);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("TS")) {
            lang = xml.attributes().value(QLatin1String("language")).toString();
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
            contexts.append(context);
        } else if (xml.name() == QLatin1String("message")) {
            TsMessage m;
            m.context = context;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("message")) && !xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
                    m.source = xml.readElementText();
                } else if (xml.isStartElement() && xml.name() == QLatin1String("comment")) {
                    m.comment = xml.readElementText();
                } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
                    m.type = xml.attributes().value(QLatin1String("type")).toString();
                    m.translation = xml.readElementText();
                }
            }
            msgs.append(m);
        }
    }
    if (xml.hasError()) {
        fail(QStringLiteral("%1: %2 at line %3").arg(path, xml.errorString()).arg(xml.lineNumber()));
        return false;
    }
    return true;
}

// What a translation must carry over from its source: the placeholders and the escapes.
QStringList tokens(const QString &s)
{
    static const QRegularExpression re(QStringLiteral("%[0-9]+|\\\\[nt]"));
    QStringList out;
    auto it = re.globalMatch(s);
    while (it.hasNext())
        out.append(it.next().captured(0));
    out.sort();
    return out;
}

int cmdCheck(const QString &tsv, const QStringList &tsFiles)
{
    QVector<Row> rows;
    if (!readTable(tsv, rows))
        return 1;
    const auto layout = catalogueLayout(distinctTexts(rows));
    QStringList expectedContexts;
    QHash<QString, QSet<QString>> expected;
    for (const auto &context : layout) {
        expectedContexts.append(context.first);
        expected[context.first] = QSet<QString>(context.second.begin(), context.second.end());
    }
    int problems = 0;
    auto report = [&problems](const QString &msg) {
        fail(msg);
        ++problems;
    };
    for (const QString &path : tsFiles) {
        QVector<TsMessage> msgs;
        QStringList contexts;
        QString lang;
        if (!readTs(path, msgs, contexts, lang)) {
            ++problems;
            continue;
        }
        if (contexts != expectedContexts)
            report(QStringLiteral("%1: expected the contexts '%2', found '%3'")
                       .arg(path, expectedContexts.join(QLatin1String("', '")),
                            contexts.join(QLatin1String("', '"))));
        QHash<QString, QSet<QString>> seen;
        for (const TsMessage &m : msgs) {
            // Messages of the table are named by their text alone, the others with their context.
            const QString name = m.context == QLatin1String("global")
                                     ? QStringLiteral("\"%1\"").arg(m.source)
                                     : QStringLiteral("\"%1\" in %2").arg(m.source, m.context);
            if (!expected.value(m.context).contains(m.source))
                report(QStringLiteral("%1: stale source %2").arg(path, name));
            if (seen[m.context].contains(m.source))
                report(QStringLiteral("%1: duplicate source %2").arg(path, name));
            seen[m.context].insert(m.source);
            if (!m.comment.isEmpty())
                report(QStringLiteral("%1: %2 has a disambiguation, so it is never found").arg(path, name));
            if (m.type.isEmpty()) {
                if (m.translation.isEmpty())
                    report(QStringLiteral("%1: finished but empty translation of %2").arg(path, name));
                else if (tokens(m.translation) != tokens(m.source))
                    report(QStringLiteral("%1: translation \"%2\" does not keep the placeholders and "
                                          "escapes of %3").arg(path, m.translation, name));
            }
        }
        for (const auto &context : layout)
            for (const QString &t : context.second)
                if (!seen.value(context.first).contains(t))
                    report(context.first == QLatin1String("global")
                               ? QStringLiteral("%1: missing text \"%2\"").arg(path, t)
                               : QStringLiteral("%1: missing text \"%2\" in %3").arg(path, t, context.first));
    }
    if (problems) {
        fail(QStringLiteral("%1 problem(s): the catalogues do not match the string table; run "
                            "'cmake --build <build dir> --target update-translations' and commit "
                            "the .ts files").arg(problems));
        return 1;
    }
    return 0;
}

// The locale name written into each catalogue, by language code.
QString localeOf(const QString &code)
{
    static const QMap<QString, QString> map = {
        {"enu", "en_US"}, {"cht", "zh_TW"}, {"chs", "zh_CN"}, {"jpn", "ja_JP"}, {"deu", "de_DE"},
        {"krn", "ko_KR"}, {"fra", "fr_FR"}, {"ita", "it_IT"}, {"esn", "es_ES"}, {"ptb", "pt_BR"},
        {"rus", "ru_RU"}, {"dan", "da_DK"}, {"nor", "nb_NO"}, {"sve", "sv_SE"}, {"nld", "nl_NL"},
        {"plk", "pl_PL"}, {"hun", "hu_HU"}, {"ptg", "pt_PT"}, {"trk", "tr_TR"}, {"csy", "cs_CZ"},
    };
    return map.value(code);
}

int cmdUpdate(const QString &tsv, const QStringList &tsFiles)
{
    QVector<Row> rows;
    if (!readTable(tsv, rows))
        return 1;
    const auto texts = distinctTexts(rows);
    int rc = 0;
    for (const QString &path : tsFiles) {
        const QString code = QFileInfo(path).completeBaseName();
        QVector<TsMessage> old;
        QStringList contexts;
        QString lang;
        if (QFile::exists(path) && !readTs(path, old, contexts, lang)) {
            rc = 1;
            continue;
        }
        if (lang.isEmpty())
            lang = localeOf(code);
        // Translations are kept by context and text.
        QHash<QPair<QString, QString>, TsMessage> kept;
        for (const TsMessage &m : old)
            if (!m.translation.isEmpty() && m.type != QLatin1String("obsolete")
                && m.type != QLatin1String("vanished"))
                kept.insert(qMakePair(m.context, m.source), m);

        QByteArray out;
        QXmlStreamWriter xml(&out);
        xml.setAutoFormatting(true);
        xml.setAutoFormattingIndent(4);
        xml.writeStartDocument();
        xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
        xml.writeStartElement(QStringLiteral("TS"));
        xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
        xml.writeAttribute(QStringLiteral("language"), lang);
        auto writeMessage = [&xml, &kept](const QString &context, const QString &source,
                                          const QString &keys) {
            xml.writeStartElement(QStringLiteral("message"));
            xml.writeTextElement(QStringLiteral("source"), source);
            if (!keys.isEmpty())
                xml.writeTextElement(QStringLiteral("extracomment"), keys);
            xml.writeStartElement(QStringLiteral("translation"));
            const auto it = kept.constFind(qMakePair(context, source));
            if (it == kept.constEnd()) {
                xml.writeAttribute(QStringLiteral("type"), QStringLiteral("unfinished"));
            } else {
                if (!it->type.isEmpty())
                    xml.writeAttribute(QStringLiteral("type"), it->type);
                xml.writeCharacters(it->translation);
            }
            xml.writeEndElement();
            xml.writeEndElement();
        };
        const QString global = QStringLiteral("global");
        xml.writeStartElement(QStringLiteral("context"));
        xml.writeTextElement(QStringLiteral("name"), global);
        for (const auto &t : texts)
            writeMessage(global, t.first, t.second.join(QLatin1String(", ")));
        xml.writeEndElement();
        const auto layout = catalogueLayout(texts);
        for (int c = 1; c < layout.size(); ++c) {
            xml.writeStartElement(QStringLiteral("context"));
            xml.writeTextElement(QStringLiteral("name"), layout[c].first);
            for (const QString &source : layout[c].second)
                writeMessage(layout[c].first, source, QString());
            xml.writeEndElement();
        }
        xml.writeEndElement();
        xml.writeEndDocument();
        if (!writeIfChanged(path, out))
            rc = 1;
    }
    return rc;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 4 && args[0] == QLatin1String("table"))
        return cmdTable(args[1], args[2], args[3]);
    if (args.size() >= 3 && args[0] == QLatin1String("check"))
        return cmdCheck(args[1], args.mid(2));
    if (args.size() >= 3 && args[0] == QLatin1String("update"))
        return cmdUpdate(args[1], args.mid(2));
    fail(QStringLiteral("usage: vorkstrgen table <tsv> <data.inc> <ids.h> | check <tsv> <ts>... | "
                        "update <tsv> <ts>..."));
    return 2;
}

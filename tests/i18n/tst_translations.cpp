// Checks every translation source of the project: complete, non-empty, the
// same messages in every locale of a catalogue, placeholders kept, the English
// variants equal to en-US, and exactly the messages the sources use (found by
// running lupdate over the catalogue's sources). Then the words: within a
// locale one message reads alike in every catalogue, every text that names a
// term of the glossary (i18n/glossary.tsv) uses the term's word, no two terms
// share a word, and spacing and punctuation follow one notation.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<Message> readTs(const QString &path, QString *error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot open";
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            current = Message{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            current.type = xml.attributes().value("type").toString();
            current.translation = xml.readElementText();
            messages.append(current);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%\\d"));
    QStringList found;
    auto it = pattern.globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    found.sort();
    return found;
}

// "tarvik_de-DE.ts" -> "tarvik"
QString catalogueOf(const QString &path)
{
    const QString name = QFileInfo(path).completeBaseName();
    return name.left(name.lastIndexOf('_'));
}

// The en-US text of every message of a catalogue: the reference for the
// placeholders a translation must keep (the sources are message ids).
QMap<QString, QString> englishTexts(const QString &catalogue, const QStringList &files)
{
    QMap<QString, QString> texts;
    for (const QString &f : files) {
        if (catalogueOf(f) != catalogue || !f.endsWith(QLatin1String("_en-US.ts")))
            continue;
        QString error;
        for (const Message &m : readTs(f, &error))
            texts.insert(m.context + "/" + m.source, m.translation);
    }
    return texts;
}

QSet<QString> keysOf(const QList<Message> &messages)
{
    QSet<QString> keys;
    for (const Message &m : messages)
        keys.insert(m.context + "/" + m.source);
    return keys;
}

QString sortedList(const QSet<QString> &keys)
{
    QStringList list = keys.values();
    list.sort();
    return list.join(", ");
}

// Texts that differ from en-US in another English locale on purpose: the
// Belgian tubing kits carry the 110 V fan.
const QMap<QString, QString> kEnglishVariants = {
    {"gauge_en-BE.ts:GaugeApp/TAP_LABEL_T3_FAN", "T3 110 Fan"},
    {"tarvik_en-BE.ts:TapLabels/TAP_LABEL_T3_FAN", "T3 110 Fan"},
};

QStringList tsFiles()
{
    QFile list(QStringLiteral(VELTRA_TS_LIST));
    if (!list.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(list.readAll()).split('\n', Qt::SkipEmptyParts);
}

// "tarvik_de-DE.ts" -> "de-DE"
QString localeOf(const QString &path)
{
    const QString name = QFileInfo(path).completeBaseName();
    return name.mid(name.lastIndexOf('_') + 1);
}

// One text of the product in one locale, and where it comes from.
struct Text
{
    QString where; // "tarvik_de-DE.ts TapLabels"
    QString translation;
};

// Texts of one locale by message id; an id shown by several catalogues or
// contexts has one entry for each.
using Texts = QMultiMap<QString, Text>;

bool isProductCatalogue(const QString &path)
{
    // The test fixtures' catalogues are not shown to anybody.
    return !path.startsWith(QStringLiteral(VELTRA_SOURCE_DIR "/tests/"));
}

Texts textsOf(const QString &locale)
{
    Texts texts;
    for (const QString &f : tsFiles()) {
        if (!isProductCatalogue(f) || localeOf(f) != locale)
            continue;
        QString error;
        for (const Message &m : readTs(f, &error))
            texts.insert(m.source, {QFileInfo(f).fileName() + " " + m.context, m.translation});
    }
    return texts;
}

QStringList localesOfProduct()
{
    QSet<QString> locales;
    for (const QString &f : tsFiles()) {
        if (isProductCatalogue(f))
            locales.insert(localeOf(f));
    }
    QStringList list = locales.values();
    list.sort();
    return list;
}

// A term of the glossary: per locale its word followed by the other forms it
// may take in a text, and the messages whose texts name it.
struct Term
{
    QString id;
    QMap<QString, QStringList> forms;
    QStringList messages;
};

// A glossary as tab-separated text: lines beginning with "#" are comments,
// the first other line names the columns ("term", one per locale,
// "messages", "meaning"); a locale's cell is the word, then other forms,
// separated by "|"; "messages" lists message ids separated by blanks.
QList<Term> parseGlossary(const QString &tsv, QString *error)
{
    QList<Term> terms;
    QStringList header;
    const QStringList lines = tsv.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        if (lines[n].startsWith('#') || lines[n].trimmed().isEmpty())
            continue;
        const QStringList cells = lines[n].split('\t');
        if (header.isEmpty()) {
            header = cells;
            for (QString &column : header)
                column = column.trimmed();
            for (const char *column : {"term", "messages", "meaning"}) {
                if (!header.contains(column)) {
                    *error = QString("no column \"%1\"").arg(column);
                    return {};
                }
            }
            continue;
        }
        if (cells.size() != header.size()) {
            *error = QString("line %1 has %2 cells, the header %3").arg(n + 1).arg(cells.size()).arg(header.size());
            return {};
        }
        Term term;
        for (int c = 0; c < cells.size(); ++c) {
            const QString cell = cells[c].trimmed();
            if (header[c] == "term") {
                term.id = cell;
            } else if (header[c] == "messages") {
                term.messages = cell.split(' ', Qt::SkipEmptyParts);
            } else if (header[c] != "meaning") {
                QStringList forms;
                for (const QString &form : cell.split('|', Qt::SkipEmptyParts))
                    forms.append(form.trimmed());
                term.forms.insert(header[c], forms);
            }
        }
        terms.append(term);
    }
    if (header.isEmpty())
        *error = "no header";
    return terms;
}

QList<Term> readGlossary(QString *error)
{
    QFile file(QStringLiteral(VELTRA_GLOSSARY));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot open " + file.fileName();
        return {};
    }
    return parseGlossary(QString::fromUtf8(file.readAll()), error);
}

// `word` standing as a word of its own (or as the first or last part of a
// compound joined by a hyphen, "Hoodex-Messgerät") somewhere in `text`.
bool namesWord(const QString &text, const QString &word)
{
    // Chinese sets no spaces between words: a word is any run of its characters.
    if (!word.isEmpty() && word.at(0).script() == QChar::Script_Han)
        return text.contains(word);
    const QRegularExpression asAWord("(?<![\\w])" + QRegularExpression::escape(word) + "(?![\\w])",
                                     QRegularExpression::CaseInsensitiveOption
                                         | QRegularExpression::UseUnicodePropertiesOption);
    return asAWord.match(text).hasMatch();
}

// The findings below are readable lines, one per fault; none means all is well.

// Messages that read differently in two catalogues (or two contexts) of one
// locale: the host's tap-label strip and the gauge's tap boxes show the same
// message on one screen, and so do the app titles in the home app and above
// the app.
QStringList differingTexts(const Texts &texts)
{
    QStringList found;
    for (const QString &id : texts.uniqueKeys()) {
        const QList<Text> all = texts.values(id);
        for (const Text &t : all) {
            if (t.translation != all.first().translation) {
                found.append(id + ": \"" + all.first().translation + "\" in " + all.first().where + ", \""
                             + t.translation + "\" in " + t.where);
            }
        }
    }
    return found;
}

// Messages listed under a term whose text holds none of the term's forms in
// `locale`: the term translated another way there.
QStringList missingTermWords(const QList<Term> &terms, const QString &locale, const Texts &texts)
{
    QStringList found;
    for (const Term &term : terms) {
        const QStringList forms = term.forms.value(locale);
        for (const QString &message : term.messages) {
            for (const Text &t : texts.values(message)) {
                const bool named = std::any_of(forms.cbegin(), forms.cend(), [&](const QString &form) {
                    return form.size() < 4 ? namesWord(t.translation, form)
                                           : t.translation.contains(form, Qt::CaseInsensitive);
                });
                if (!named) {
                    found.append(term.id + " (" + forms.join('|') + ") not in " + message + " \"" + t.translation
                                 + "\" of " + t.where);
                }
            }
        }
    }
    return found;
}

// Forms that two terms share in `locale`: two ideas with one word.
QStringList coincidingWords(const QList<Term> &terms, const QString &locale)
{
    QStringList found;
    QMap<QString, QString> termOfForm;
    for (const Term &term : terms) {
        for (const QString &form : term.forms.value(locale)) {
            const QString key = form.toLower();
            if (termOfForm.contains(key) && termOfForm.value(key) != term.id)
                found.append("\"" + form + "\" stands for both " + termOfForm.value(key) + " and " + term.id);
            termOfForm.insert(key, term.id);
        }
    }
    return found;
}

// Texts that name a term by its word without being listed under it ("Kanal"
// for the duct, when "Kanal" is the channel; "Messgerät" for the device in a
// message that is no flow meter's): unless a term the message is listed under
// holds the word ("boîte de débit" holds "débit").
QStringList borrowedWords(const QList<Term> &terms, const QString &locale, const Texts &texts)
{
    QStringList found;
    for (auto t = texts.cbegin(); t != texts.cend(); ++t) {
        QStringList ownWords;
        QString ownTerm;
        for (const Term &term : terms) {
            if (term.messages.contains(t.key())) {
                ownWords.append(term.forms.value(locale).value(0));
                ownTerm = term.id;
            }
        }
        for (const Term &other : terms) {
            const QString otherWord = other.forms.value(locale).value(0);
            if (otherWord.isEmpty() || other.messages.contains(t.key()) || !namesWord(t.value().translation, otherWord))
                continue;
            const bool heldByOwn = std::any_of(ownWords.cbegin(), ownWords.cend(), [&](const QString &word) {
                return namesWord(word, otherWord);
            });
            if (heldByOwn)
                continue;
            found.append(t.key() + " \"" + t.value().translation + "\" of " + t.value().where
                         + (ownTerm.isEmpty() ? QString(" is listed under no term") : " is " + ownTerm)
                         + " but says \"" + otherWord + "\", the word for " + other.id);
        }
    }
    return found;
}

// English texts that name a term without being listed under it, so that
// their translations would go unchecked. Forms of fewer than three letters
// ("in") are abbreviations, too common to look for.
QStringList unlistedUses(const QList<Term> &terms, const Texts &english)
{
    QStringList found;
    for (const Term &term : terms) {
        for (const QString &form : term.forms.value(QStringLiteral("en-US"))) {
            if (form.size() < 3)
                continue;
            for (auto t = english.cbegin(); t != english.cend(); ++t) {
                if (term.messages.contains(t.key()) || !namesWord(t.value().translation, form))
                    continue;
                // "Flow Box" names the flow box, which holds the word "flow".
                const bool widerTerm = std::any_of(terms.cbegin(), terms.cend(), [&](const Term &wider) {
                    const QString widerWord = wider.forms.value(QStringLiteral("en-US")).value(0);
                    return wider.messages.contains(t.key()) && widerWord != form && namesWord(widerWord, form);
                });
                if (!widerTerm) {
                    found.append(t.key() + " \"" + t.value().translation + "\" of " + t.value().where + " names "
                                 + term.id + " (\"" + form + "\") but is not listed under it");
                }
            }
        }
    }
    return found;
}

// One notation per locale: the ellipsis character, not three full stops; no
// line break between a number and "%"; one kind of apostrophe; and in French
// a narrow no-break space before ; : ! ? » and the percent sign.
QStringList notationFaults(const QString &locale, const Texts &texts)
{
    QStringList found;
    QSet<QChar> apostrophes;
    // A percent sign, not a placeholder ("%1"), after a breaking space.
    static const QRegularExpression breakBeforePercent(QStringLiteral("\\S %(?!\\d)"));
    static const QRegularExpression frenchMark(QStringLiteral("[;:!?\\x{00bb}]|%(?!\\d)"));
    for (auto t = texts.cbegin(); t != texts.cend(); ++t) {
        const QString text = t.value().translation;
        const QString where = t.key() + " \"" + text + "\" of " + t.value().where;
        if (text.contains(QLatin1String("...")))
            found.append(where + ": \"...\" for \"\u2026\"");
        if (breakBeforePercent.match(text).hasMatch())
            found.append(where + ": a breaking space before %");
        for (const QChar c : text) {
            if (c == '\'' || c == QChar(0x2019))
                apostrophes.insert(c);
        }
        if (locale != QLatin1String("fr-FR"))
            continue;
        auto it = frenchMark.globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            const int at = m.capturedStart();
            if (at == 0 || text.at(at - 1) != QChar(0x202f))
                found.append(where + ": no narrow no-break space before " + m.captured());
        }
    }
    if (apostrophes.size() > 1)
        found.append(locale + " mixes the apostrophes ' and \u2019");
    return found;
}

// Fails the running test function with `findings`, each on a line of its own
// (a failure message alone would be cut short).
bool reportFindings(const QStringList &findings)
{
    for (const QString &line : findings)
        qInfo().noquote() << line;
    return findings.isEmpty();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyCatalogueIsListed()
    {
        const QStringList files = tsFiles();
        QSet<QString> catalogues;
        for (const QString &f : files)
            catalogues.insert(catalogueOf(f));
        for (const char *expected : {"tarvik", "lumvar", "sorvel"})
            QVERIFY2(catalogues.contains(expected), expected);
        QCOMPARE(files.filter("/tarvik_").size(), 11);
        QCOMPARE(files.filter("/lumvar_").size(), 11);
        QCOMPARE(files.filter("/sorvel_").size(), 10);
    }

    void entriesAreComplete_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &f : tsFiles())
            QTest::newRow(qPrintable(QFileInfo(f).fileName())) << f;
    }
    void entriesAreComplete()
    {
        QFETCH(QString, path);
        QString error;
        const QList<Message> messages = readTs(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const bool englishOnly = catalogueOf(path) == "sorvel" && !path.endsWith("_en-US.ts");
        if (englishOnly) {
            QVERIFY2(messages.isEmpty(), "sorvel keeps its texts in en-US only");
            return;
        }
        QVERIFY2(!messages.isEmpty(), "no messages");
        const QMap<QString, QString> english = englishTexts(catalogueOf(path), tsFiles());
        for (const Message &m : messages) {
            const QString where = m.context + "/" + m.source;
            QVERIFY2(m.type.isEmpty(), qPrintable(where + " is " + m.type));
            QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(where + " is empty"));
            static const QRegularExpression messageId(QStringLiteral("^[A-Z0-9]+(_[A-Z0-9]+)+$"));
            QVERIFY2(!messageId.match(m.translation.trimmed()).hasMatch(),
                     qPrintable(where + " is left as the message id \"" + m.translation + "\""));
            const QString reference = english.value(where, m.source);
            QVERIFY2(placeholders(reference) == placeholders(m.translation),
                     qPrintable(where + ": placeholders of \"" + m.translation + "\" differ from \"" + reference
                                + "\""));
        }
    }

    void localesOfACatalogueHoldTheSameMessages()
    {
        QMap<QString, QMap<QString, QSet<QString>>> byCatalogue;
        for (const QString &f : tsFiles()) {
            if (catalogueOf(f) == "sorvel")
                continue;
            QString error;
            QSet<QString> keys;
            for (const Message &m : readTs(f, &error))
                keys.insert(m.context + "/" + m.source);
            byCatalogue[catalogueOf(f)].insert(QFileInfo(f).fileName(), keys);
        }
        for (auto catalogue = byCatalogue.cbegin(); catalogue != byCatalogue.cend(); ++catalogue) {
            const QSet<QString> reference = catalogue.value().first();
            for (auto file = catalogue.value().cbegin(); file != catalogue.value().cend(); ++file) {
                const QSet<QString> missing = reference - file.value();
                const QSet<QString> extra = file.value() - reference;
                QVERIFY2(missing.isEmpty() && extra.isEmpty(),
                         qPrintable(file.key() + " differs: missing " + QStringList(missing.values()).join(", ")
                                    + "; extra " + QStringList(extra.values()).join(", ")));
            }
        }
    }

    // en-GB and en-BE read like en-US, but for the texts listed as regional.
    void englishVariantsMatchAmericanEnglish_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &f : tsFiles()) {
            if (catalogueOf(f) != "sorvel" && (f.endsWith("_en-GB.ts") || f.endsWith("_en-BE.ts")))
                QTest::newRow(qPrintable(QFileInfo(f).fileName())) << f;
        }
    }
    void englishVariantsMatchAmericanEnglish()
    {
        QFETCH(QString, path);
        QString error;
        const QList<Message> messages = readTs(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QMap<QString, QString> english = englishTexts(catalogueOf(path), tsFiles());
        const QString file = QFileInfo(path).fileName();
        for (const Message &m : messages) {
            const QString where = m.context + "/" + m.source;
            const QString regional = kEnglishVariants.value(file + ":" + where);
            const QString expected = regional.isEmpty() ? english.value(where) : regional;
            QVERIFY2(m.translation == expected,
                     qPrintable(file + ": " + where + " is \"" + m.translation + "\", not \"" + expected + "\""));
        }
    }

    // The messages of each catalogue's en-US file are exactly those its
    // sources use: lupdate run over the folder above the catalogue's i18n/.
    void catalogueHoldsTheMessagesTheSourcesUse_data()
    {
        QTest::addColumn<QString>("path");
        const QString testTree = QStringLiteral(VELTRA_SOURCE_DIR "/tests/");
        for (const QString &f : tsFiles()) {
            // The test fixtures' catalogues stand for no sources of their own.
            if (f.endsWith("_en-US.ts") && !f.startsWith(testTree))
                QTest::newRow(qPrintable(catalogueOf(f))) << f;
        }
    }
    void catalogueHoldsTheMessagesTheSourcesUse()
    {
        QFETCH(QString, path);
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString sources = QFileInfo(path).dir().absoluteFilePath(QStringLiteral(".."));
        const QString used = scratch.filePath(QStringLiteral("used.ts"));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(VELTRA_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-extensions"), QStringLiteral("qml,js,cpp,h"),
                       QDir::cleanPath(sources), QStringLiteral("-ts"), used});
        QVERIFY2(lupdate.waitForFinished(60000), "lupdate did not finish");
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 qPrintable(QString::fromLocal8Bit(lupdate.readAll())));
        QString error;
        const QSet<QString> inSources = keysOf(readTs(used, &error));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // An app's record names its launcher title, which it may translate under its id.
        QSet<QString> recordTitles;
        for (const QFileInfo &record : QDir(sources).entryInfoList({QStringLiteral("*.json")}, QDir::Files)) {
            QFile file(record.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString id = QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("id")).toString();
            if (!id.isEmpty())
                recordTitles.insert(QStringLiteral("AppTitle/") + id);
        }
        const QSet<QString> inCatalogue = keysOf(readTs(path, &error));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(!inSources.isEmpty(), qPrintable("lupdate found no messages in " + sources));
        const QSet<QString> missing = inSources - inCatalogue;
        const QSet<QString> unused = inCatalogue - inSources - recordTitles;
        QVERIFY2(missing.isEmpty(), qPrintable("used but not translated: " + sortedList(missing)));
        QVERIFY2(unused.isEmpty(), qPrintable("translated but used nowhere: " + sortedList(unused)));
    }

    // The checks below on small made-up catalogues: each fault is found, and
    // the cases that look like one but are not are let through.
    void wordChecksFindFaults_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("glossary");
        QTest::addColumn<QStringList>("texts"); // "MESSAGE_ID=catalogue=text"
        QTest::addColumn<QString>("finding");   // the one finding expected; empty for none

        const QString header = "term\ten-US\tde-DE\tfr-FR\tmessages\tmeaning\n";
        const QString gauge = "gauge\tgauge\tManometer\tmanomètre\tGAUGE_APP_TITLE\tthe instrument\n";
        const QString meter = "flow-meter\tmeter\tMessgerät\tdébitmètre\tFLOWDEVICE_HOODEX_METER\ta flow meter\n";
        const QString channel = "channel\tchannel\tKanal\tcanal\tGAUGE_CHANNEL_A\ta measuring channel\n";
        const QString duct = "duct\tduct\tLuftkanal\tconduit\tTAP_LABEL_DUCT\tan air duct\n";
        const QString flow = "flow\tflow\tVolumenstrom\tdébit\tCHANNELMODE_FLOW\tthe air flow\n";
        const QString box = "flow-box\tflow box\tMesshaube\tboîte de débit\tTAP_LABEL_FLOW_BOX\tthe hood\n";
        const QString fan = "fan\tfan\tGebläse\tventilateur\tTAP_LABEL_FAN_REF\tthe fan\n";
        const QString ref = "reference\treference|ref\tReferenz|Ref\tréférence|réf\tTAP_LABEL_FAN_REF\tthe tap\n";

        QTest::newRow("one id, two texts")
            << "differing" << "de-DE" << header + duct
            << QStringList{"TAP_LABEL_DUCT=tarvik=Luftkanal", "TAP_LABEL_DUCT=gauge=Kanal"}
            << "TAP_LABEL_DUCT: \"Kanal\" in gauge, \"Luftkanal\" in tarvik";
        QTest::newRow("one id, one text")
            << "differing" << "de-DE" << header + duct
            << QStringList{"TAP_LABEL_DUCT=tarvik=Luftkanal", "TAP_LABEL_DUCT=gauge=Luftkanal"} << QString();
        QTest::newRow("term said another way")
            << "missing" << "de-DE" << header + gauge + meter << QStringList{"GAUGE_APP_TITLE=gauge=Messgerät"}
            << "gauge (Manometer) not in GAUGE_APP_TITLE \"Messgerät\" of gauge";
        QTest::newRow("term in a compound")
            << "missing" << "de-DE" << header + duct << QStringList{"TAP_LABEL_DUCT=gauge=Luftkanaldichtheit"}
            << QString();
        QTest::newRow("two terms, one word")
            << "coinciding" << "de-DE"
            << header + gauge + "flow-meter\tmeter\tmanometer\tdébitmètre\tFLOWDEVICE_HOODEX_METER\tx\n"
            << QStringList() << "\"manometer\" stands for both gauge and flow-meter";
        QTest::newRow("duct called channel")
            << "borrowed" << "de-DE" << header + channel + duct << QStringList{"TAP_LABEL_DUCT=tarvik=Kanal"}
            << "TAP_LABEL_DUCT \"Kanal\" of tarvik is duct but says \"Kanal\", the word for channel";
        QTest::newRow("gauge called meter")
            << "borrowed" << "de-DE" << header + gauge + meter
            << QStringList{"GAUGE_APP_TITLE=gauge=Manometer (Hoodex-Messgerät)"}
            << "GAUGE_APP_TITLE \"Manometer (Hoodex-Messgerät)\" of gauge is gauge but says \"Messgerät\", the "
               "word for flow-meter";
        QTest::newRow("own word holds the other")
            << "borrowed" << "fr-FR" << header + flow + box << QStringList{"TAP_LABEL_FLOW_BOX=gauge=Boîte de débit"}
            << QString();
        QTest::newRow("listed under both")
            << "borrowed" << "de-DE" << header + fan + ref << QStringList{"TAP_LABEL_FAN_REF=gauge=Gebläse-Ref"}
            << QString();
        QTest::newRow("meter's word for the device")
            << "borrowed" << "de-DE" << header + gauge + meter
            << QStringList{"AUTO_OFF_DIALOG_MSG=tarvik=Das Messgerät schaltet sich aus"}
            << "AUTO_OFF_DIALOG_MSG \"Das Messgerät schaltet sich aus\" of tarvik is listed under no term but says "
               "\"Messgerät\", the word for flow-meter";
        QTest::newRow("short form inside a word")
            << "missing" << "de-DE" << header + fan + ref << QStringList{"TAP_LABEL_FAN_REF=gauge=Gebläse-Prefilter"}
            << "reference (Referenz|Ref) not in TAP_LABEL_FAN_REF \"Gebläse-Prefilter\" of gauge";
        QTest::newRow("short form as a word")
            << "missing" << "de-DE" << header + fan + ref << QStringList{"TAP_LABEL_FAN_REF=gauge=Gebläse-Ref"}
            << QString();
        QTest::newRow("English use not listed")
            << "unlisted" << "en-US" << header + gauge << QStringList{"GAUGE_SERIAL=gauge=Gauge serial"}
            << "GAUGE_SERIAL \"Gauge serial\" of gauge names gauge (\"gauge\") but is not listed under it";
        QTest::newRow("English use of a wider term")
            << "unlisted" << "en-US" << header + flow + box << QStringList{"TAP_LABEL_FLOW_BOX=gauge=Flow Box"}
            << QString();
        QTest::newRow("three full stops")
            << "notation" << "de-DE" << header << QStringList{"APP_LAUNCHING=tarvik=Starte %1..."}
            << "APP_LAUNCHING \"Starte %1...\" of tarvik: \"...\" for \"\u2026\"";
        QTest::newRow("break before percent")
            << "notation" << "de-DE" << header << QStringList{"BATTERY=tarvik=%1 % verbleibend"}
            << "BATTERY \"%1 % verbleibend\" of tarvik: a breaking space before %";
        QTest::newRow("no-break space before percent")
            << "notation" << "de-DE" << header << QStringList{"BATTERY=tarvik=%1\u00a0% verbleibend"} << QString();
        QTest::newRow("two apostrophes")
            << "notation" << "de-DE" << header << QStringList{"A=tarvik=Geht's", "B=tarvik=Geht\u2019s"}
            << "de-DE mixes the apostrophes ' and \u2019";
        QTest::newRow("French colon")
            << "notation" << "fr-FR" << header << QStringList{"GAUGE=lumvar=Manomètre : %1"}
            << "GAUGE \"Manomètre : %1\" of lumvar: no narrow no-break space before :";
        QTest::newRow("French colon, narrow space")
            << "notation" << "fr-FR" << header << QStringList{"GAUGE=lumvar=Manomètre\u202f: %1"} << QString();
    }
    void wordChecksFindFaults()
    {
        QFETCH(QString, check);
        QFETCH(QString, locale);
        QFETCH(QString, glossary);
        QFETCH(QStringList, texts);
        QFETCH(QString, finding);
        QString error;
        const QList<Term> terms = parseGlossary(glossary, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        Texts catalogue;
        for (const QString &entry : texts) {
            const QStringList parts = entry.split('=');
            QCOMPARE(parts.size(), 3);
            catalogue.insert(parts[0], {parts[1], parts[2]});
        }
        QStringList found;
        if (check == "differing")
            found = differingTexts(catalogue);
        else if (check == "missing")
            found = missingTermWords(terms, locale, catalogue);
        else if (check == "coinciding")
            found = coincidingWords(terms, locale);
        else if (check == "borrowed")
            found = borrowedWords(terms, locale, catalogue);
        else if (check == "unlisted")
            found = unlistedUses(terms, catalogue);
        else if (check == "notation")
            found = notationFaults(locale, catalogue);
        else
            QFAIL(qPrintable("no check " + check));
        QCOMPARE(found, finding.isEmpty() ? QStringList() : QStringList{finding});
    }

    // One locale per row: the host's tap-label strip and the gauge's tap boxes
    // show the same message side by side, and so do the apps' titles.
    void messagesReadAlikeInEveryCatalogue_data() { addLocaleRows(); }
    void messagesReadAlikeInEveryCatalogue()
    {
        QFETCH(QString, locale);
        const Texts texts = textsOf(locale);
        QVERIFY(!texts.isEmpty());
        const QStringList found = differingTexts(texts);
        QVERIFY2(reportFindings(found), qPrintable(QString::number(found.size()) + " messages differ, listed above"));
    }

    void glossaryIsComplete()
    {
        QString error;
        const QList<Term> terms = readGlossary(&error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(terms.size() >= 10);
        const QStringList locales = localesOfProduct();
        QCOMPARE(locales.size(), 11);
        const Texts english = textsOf("en-US");
        QSet<QString> ids;
        for (const Term &term : terms) {
            QVERIFY2(!term.id.isEmpty() && !ids.contains(term.id), qPrintable("term \"" + term.id + "\""));
            ids.insert(term.id);
            QCOMPARE(QStringList(term.forms.keys()), locales);
            for (const QString &locale : locales)
                QVERIFY2(!term.forms.value(locale).isEmpty(), qPrintable(term.id + " has no word in " + locale));
            QVERIFY2(!term.messages.isEmpty(), qPrintable(term.id + " names no message"));
            for (const QString &message : term.messages)
                QVERIFY2(english.contains(message), qPrintable(term.id + ": no message " + message));
        }
        const QStringList found = unlistedUses(terms, english);
        QVERIFY2(reportFindings(found), qPrintable(QString::number(found.size()) + " texts unlisted, listed above"));
    }

    // Per locale: every message listed under a term holds the term's word in
    // every catalogue; no two terms share a word, in the glossary or in a
    // text (the gauge and a flow meter, a duct and a channel told apart).
    void glossaryWordsAreUsed_data() { addLocaleRows(); }
    void glossaryWordsAreUsed()
    {
        QFETCH(QString, locale);
        QString error;
        const QList<Term> terms = readGlossary(&error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const Texts texts = textsOf(locale);
        const QStringList found = coincidingWords(terms, locale) + missingTermWords(terms, locale, texts)
                                  + borrowedWords(terms, locale, texts);
        QVERIFY2(reportFindings(found), qPrintable(QString::number(found.size()) + " findings, listed above"));
    }

    void spacingAndPunctuation_data() { addLocaleRows(); }
    void spacingAndPunctuation()
    {
        QFETCH(QString, locale);
        const QStringList found = notationFaults(locale, textsOf(locale));
        QVERIFY2(reportFindings(found), qPrintable(QString::number(found.size()) + " findings, listed above"));
    }

private:
    void addLocaleRows()
    {
        QTest::addColumn<QString>("locale");
        for (const QString &locale : localesOfProduct())
            QTest::newRow(qPrintable(locale)) << locale;
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"

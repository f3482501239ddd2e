// Checks every translation source of the project: complete, non-empty, the
// same messages in every locale of a catalogue, placeholders kept, the English
// variants equal to en-US, and exactly the messages the sources use (found by
// running lupdate over the catalogue's sources).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

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
        const QSet<QString> inCatalogue = keysOf(readTs(path, &error));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(!inSources.isEmpty(), qPrintable("lupdate found no messages in " + sources));
        const QSet<QString> missing = inSources - inCatalogue;
        const QSet<QString> unused = inCatalogue - inSources;
        QVERIFY2(missing.isEmpty(), qPrintable("used but not translated: " + sortedList(missing)));
        QVERIFY2(unused.isEmpty(), qPrintable("translated but used nowhere: " + sortedList(unused)));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"

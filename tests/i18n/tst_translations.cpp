// Checks every translation source of the project: complete, non-empty, the
// same messages in every locale of a catalogue, and placeholders kept.
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
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
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"

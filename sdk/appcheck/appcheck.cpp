// veltra-appcheck: the record check that veltra_add_app() runs when an app is
// built, before moc embeds the record.
//
//   veltra-appcheck [--qml <name>]... [--resource <path>]... [--unchecked]
//                   --output <checked.json> <record.json>
//
// Each problem is printed as "<file>:<line>:<column>: error: <message>" and
// the exit code is 1; nothing is written then. Otherwise <checked.json> is the
// record with the app's resource files added under "resourceFiles".
// --unchecked (test fixtures whose records are broken on purpose) skips the
// checks and writes the record as it is, with the list when it parses.
#include "recordcheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Checks an app's record the way the shell reads it."));
    parser.addHelpOption();
    const QCommandLineOption qmlOption(QStringLiteral("qml"), QStringLiteral("A QML file of the app (by name)."),
                                       QStringLiteral("name"));
    const QCommandLineOption resourceOption(QStringLiteral("resource"),
                                            QStringLiteral("A resource path of the app (\"/Main.qml\")."),
                                            QStringLiteral("path"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QStringLiteral("The checked record."),
                                          QStringLiteral("file"));
    const QCommandLineOption uncheckedOption(QStringLiteral("unchecked"),
                                             QStringLiteral("Write the record without checking it."));
    parser.addOptions({qmlOption, resourceOption, outputOption, uncheckedOption});
    parser.addPositionalArgument(QStringLiteral("record"), QStringLiteral("The app's record (JSON)."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(outputOption)) {
        std::fprintf(stderr, "veltra-appcheck: give one record and --output\n");
        return 2;
    }
    const QString path = parser.positionalArguments().constFirst();
    const QString shown = QFileInfo(path).absoluteFilePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: error: cannot read the record: %s\n", qPrintable(shown),
                     qPrintable(file.errorString()));
        return 1;
    }
    const QByteArray text = file.readAll();
    const RecordCheck::Result result = RecordCheck::check(text, parser.values(qmlOption));
    const bool unchecked = parser.isSet(uncheckedOption);
    if (!unchecked && !result.problems.isEmpty()) {
        for (const RecordCheck::Problem &problem : result.problems)
            std::fprintf(stderr, "%s:%d:%d: error: %s\n", qPrintable(shown), problem.line, problem.column,
                         qPrintable(problem.message));
        return 1;
    }

    QByteArray output = text;
    if (result.parsed) {
        QJsonObject record = result.record;
        record.insert(QLatin1String(RecordCheck::resourceFilesKey()),
                      QJsonArray::fromStringList(parser.values(resourceOption)));
        output = QJsonDocument(record).toJson();
    }
    QSaveFile out(parser.value(outputOption));
    if (!out.open(QIODevice::WriteOnly) || out.write(output) != output.size() || !out.commit()) {
        std::fprintf(stderr, "veltra-appcheck: cannot write %s: %s\n", qPrintable(parser.value(outputOption)),
                     qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}

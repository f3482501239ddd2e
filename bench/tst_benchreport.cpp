// The benchmark's figures and table: medians and ranges, ratios and
// differences against the floor, the text table and its JSON twin; the
// instruction counts read from callgrind's dumps.
#include "benchreport.h"
#include "callgrindfigures.h"

#include <QtTest>

#include <cmath>

using bench::Comparison;
using bench::Row;
using bench::statsOf;

namespace {

struct DumpFile
{
    QString name;
    QString trigger;
    qint64 instructions;
};

// A dump as callgrind 3.19 writes it: header, event summary, cost lines, totals.
QByteArray dumpText(const QString &trigger, qint64 instructions)
{
    return QStringLiteral("# callgrind format\nversion: 1\ncreator: callgrind-3.19.0\npid: 4242\ncmd:  ./veltra_bench\n"
                          "part: 3\n\n\ndesc: I1 cache: \ndesc: D1 cache: \ndesc: LL cache: \n\n"
                          "desc: Timerange: Basic block 0 - 4031577\ndesc: Trigger: %1\n\npositions: line\n"
                          "events: Ir\nsummary: %2\n\n\nob=(3) /usr/lib/x86_64-linux-gnu/libc.so.6\nfn=(528) main\n"
                          "58 2895\n\ntotals: %2\n")
        .arg(trigger)
        .arg(instructions)
        .toUtf8();
}

} // namespace

Q_DECLARE_METATYPE(DumpFile)

class TestBenchReport : public QObject
{
    Q_OBJECT

private slots:
    void statsOfSamples_data()
    {
        QTest::addColumn<QVector<double>>("samples");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("median");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("p95");
        QTest::newRow("odd, unsorted") << QVector<double>{5, 1, 3} << 3 << 3.0 << 1.0 << 5.0 << 5.0;
        QTest::newRow("even: mean of the middle two") << QVector<double>{4, 1, 10, 2} << 4 << 3.0 << 1.0 << 10.0
                                                      << 10.0;
        QTest::newRow("one") << QVector<double>{7.5} << 1 << 7.5 << 7.5 << 7.5 << 7.5;
        // 1..20 shuffled: rank ceil(0.95 * 20) = 19, not the largest.
        QTest::newRow("twenty: the 19th") << QVector<double>{20, 3, 1, 19, 2, 18, 4, 17, 5, 16, 6, 15, 7, 14, 8, 13, 9,
                                                            12, 10, 11}
                                          << 20 << 10.5 << 1.0 << 20.0 << 19.0;
        // 40 samples, two of them outliers: both lie above the 95th percentile.
        QVector<double> forty(38, 2.0);
        forty << 30.0 << 40.0;
        QTest::newRow("forty, two outliers") << forty << 40 << 2.0 << 2.0 << 40.0 << 2.0;
    }
    void statsOfSamples()
    {
        QFETCH(QVector<double>, samples);
        const bench::Stats stats = statsOf(samples);
        QTEST(stats.count, "count");
        QTEST(stats.median, "median");
        QTEST(stats.min, "min");
        QTEST(stats.max, "max");
        QTEST(stats.p95, "p95");
        const bench::Stats figure = bench::p95Of(stats);
        QCOMPARE(figure.count, 1);
        QTEST(figure.median, "p95");
    }

    void noSamplesGiveAnEmptyFigure()
    {
        QVERIFY(statsOf({}).isEmpty());
        QCOMPARE(bench::formatStats(statsOf({})), QStringLiteral("-"));
    }

    void comparisonUsesTheMedians()
    {
        Row row;
        row.unit = QStringLiteral("MiB");
        row.shell = statsOf({90, 100, 300});
        row.floor = statsOf({40, 50, 60});
        QCOMPARE(bench::compare(row), 2.0);
        QCOMPARE(bench::formatComparison(row), QStringLiteral("2.00x"));
        row.comparison = Comparison::Difference;
        QCOMPARE(bench::compare(row), 50.0);
        QCOMPARE(bench::formatComparison(row), QStringLiteral("+50 MiB"));
        row.comparison = Comparison::None;
        QVERIFY(std::isnan(bench::compare(row)));
        QCOMPARE(bench::formatComparison(row), QStringLiteral("-"));
    }

    void noComparisonWithoutAFloor()
    {
        Row row;
        row.shell = statsOf({3});
        QVERIFY(std::isnan(bench::compare(row)));
        row.floor = statsOf({0});
        QVERIFY(std::isnan(bench::compare(row)));
        QCOMPARE(bench::formatComparison(row), QStringLiteral("-"));
    }

    void statsShowMedianAndRange()
    {
        QCOMPARE(bench::formatStats(statsOf({212.4, 230.6, 251.2})), QStringLiteral("231 [212-251]"));
        QCOMPARE(bench::formatStats(statsOf({1.234, 2.5, 12.26})), QStringLiteral("2.50 [1.23-12.3]"));
        QCOMPARE(bench::formatStats(statsOf({4, 4})), QStringLiteral("4"));
    }

    void tableHasOneAlignedLinePerRowAndSection()
    {
        QVector<Row> rows(3);
        rows[0] = {QStringLiteral("Start-up"), QStringLiteral("First frame"), QStringLiteral("ms"), statsOf({300}),
                   statsOf({200}), Comparison::Ratio, QStringLiteral("<= 1.5x"), statsOf({100})};
        rows[1] = {QStringLiteral("Start-up"), QStringLiteral("Peak memory"), QStringLiteral("MiB"), statsOf({80}),
                   statsOf({60}), Comparison::Difference, QString(), {}};
        rows[2] = {QStringLiteral("Switching"), QStringLiteral("App switch"), QStringLiteral("ms"), statsOf({2}), {},
                   Comparison::None, QString(), {}};
        const QStringList lines = bench::tableText(rows).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // Heading, rule, two section lines, three rows.
        QCOMPARE(lines.size(), 7);
        for (const QString &line : lines)
            QCOMPARE(line.size(), lines.first().size());
        QVERIFY(lines[2].startsWith(QStringLiteral("| **Start-up**")));
        QVERIFY(lines[3].contains(QStringLiteral("First frame (ms)")));
        QVERIFY(lines[3].contains(QStringLiteral("1.50x")));
        QVERIFY(lines[4].contains(QStringLiteral("+20 MiB")));
        QVERIFY(lines[5].startsWith(QStringLiteral("| **Switching**")));
    }

    void jsonCarriesTheSameFigures()
    {
        Row row{QStringLiteral("Start-up"), QStringLiteral("Peak memory"), QStringLiteral("MiB"), statsOf({80, 90}),
                statsOf({60}), Comparison::Difference, QStringLiteral("<= +25 MiB"), {}};
        const QJsonObject json = bench::rowJson(row);
        QCOMPARE(json.value(QStringLiteral("figure")).toString(), QStringLiteral("Peak memory"));
        QCOMPARE(json.value(QStringLiteral("shell")).toObject().value(QStringLiteral("median")).toDouble(), 85.0);
        QCOMPARE(json.value(QStringLiteral("shell")).toObject().value(QStringLiteral("count")).toInt(), 2);
        QCOMPARE(json.value(QStringLiteral("difference")).toDouble(), 25.0);
        QVERIFY(!json.contains(QStringLiteral("ratio")));
        QVERIFY(!json.contains(QStringLiteral("bareWindow")));
    }

    void dumpGivesTriggerAndInstructions_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<double>("instructions");
        QTest::newRow("client request") << dumpText(QStringLiteral("Client Request: phase:firstFrame"), 166237790)
                                        << QStringLiteral("phase:firstFrame") << 166237790.0;
        QTest::newRow("end of the program") << dumpText(QStringLiteral("Program termination"), 2207) << QString()
                                            << 2207.0;
        QTest::newRow("summary only") << QByteArray("desc: Trigger: Client Request: step:goBack\nevents: Ir\n"
                                                    "summary: 5120\n")
                                      << QStringLiteral("step:goBack") << 5120.0;
        QTest::newRow("no figures") << QByteArray("# callgrind format\n") << QString() << -1.0;
    }
    void dumpGivesTriggerAndInstructions()
    {
        QFETCH(QByteArray, text);
        const bench::CallgrindDump dump = bench::parseCallgrindDump(text);
        QTEST(dump.trigger, "trigger");
        QTEST(dump.instructions, "instructions");
    }

    // Phases add up every dump from the start in the order of the dumps (part
    // 10 after part 9), steps are listed one by one; the dumps before each
    // step, the dumps of other threads, the final dump and phases once the
    // steps have begun are left out.
    void callgrindFiguresFollowTheDumps_data()
    {
        QTest::addColumn<QVector<DumpFile>>("files");
        QTest::addColumn<QJsonObject>("phases");
        QTest::addColumn<QJsonObject>("steps");
        QVector<DumpFile> process;
        for (int part = 1; part <= 8; ++part)
            process.append({QStringLiteral("cg.out.%1").arg(part), QStringLiteral("Client Request: step:switch"), part});
        process.append({QStringLiteral("cg.out.9"), QStringLiteral("Client Request: phase:late"), 1000});
        process.append({QStringLiteral("cg.out.10"), QStringLiteral("Client Request: step:switch"), 10});
        process.prepend({QStringLiteral("cg.out.0"), QStringLiteral("Client Request: phase:eventLoop"), 500});
        process.append({QStringLiteral("cg.out"), QStringLiteral("Program termination"), 77});
        QTest::newRow("whole process, steps in order")
            << process << QJsonObject{{QStringLiteral("eventLoop"), 500}}
            << QJsonObject{{QStringLiteral("switch"), QJsonArray{1, 2, 3, 4, 5, 6, 7, 8, 10}}};

        QVector<DumpFile> threads{
            {QStringLiteral("cg.out.1-01"), QStringLiteral("Client Request: phase:eventLoop"), 100},
            {QStringLiteral("cg.out.2-01"), QStringLiteral("Client Request: some other dump"), 15},
            {QStringLiteral("cg.out.4-01"), QStringLiteral("Client Request: phase:firstFrame"), 25},
            {QStringLiteral("cg.out.5-01"), QStringLiteral("Client Request: phase:allLoaded"), 60},
            {QStringLiteral("cg.out.10-01"), QStringLiteral("Client Request: before:tilePick"), 3000},
            {QStringLiteral("cg.out.11-01"), QStringLiteral("Client Request: step:tilePick"), 7},
            {QStringLiteral("cg.out.12-01"), QStringLiteral("Client Request: before:goBack"), 4000},
            {QStringLiteral("cg.out.13-01"), QStringLiteral("Client Request: step:goBack"), 5},
            {QStringLiteral("cg.out.14-01"), QStringLiteral("Client Request: phase:late"), 50},
            {QStringLiteral("cg.out.2-02"), QStringLiteral("Client Request: phase:firstFrame"), 900},
            {QStringLiteral("cg.out-01"), QStringLiteral("Program termination"), 3},
            {QStringLiteral("cg.out-02"), QStringLiteral("Program termination"), 18000},
            {QStringLiteral("other.1-01"), QStringLiteral("Client Request: phase:firstFrame"), 900}};
        QTest::newRow("GUI thread of a run per thread")
            << threads
            << QJsonObject{{QStringLiteral("eventLoop"), 100}, {QStringLiteral("firstFrame"), 140},
                           {QStringLiteral("allLoaded"), 200}}
            << QJsonObject{{QStringLiteral("tilePick"), QJsonArray{7}}, {QStringLiteral("goBack"), QJsonArray{5}}};
        QTest::newRow("no dumps") << QVector<DumpFile>() << QJsonObject() << QJsonObject();
    }
    void callgrindFiguresFollowTheDumps()
    {
        QFETCH(QVector<DumpFile>, files);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const DumpFile &dump : files) {
            QFile file(dir.filePath(dump.name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(dumpText(dump.trigger, dump.instructions));
        }
        const QJsonObject figures = bench::callgrindFigures(dir.path(), QStringLiteral("cg.out"));
        QTEST(figures.value(QStringLiteral("phases")).toObject(), "phases");
        QTEST(figures.value(QStringLiteral("steps")).toObject(), "steps");
    }
};

QTEST_GUILESS_MAIN(TestBenchReport)
#include "tst_benchreport.moc"

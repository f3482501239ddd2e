// The benchmark's figures and table: medians and ranges, ratios and
// differences against the floor, the text table and its JSON twin.
#include "benchreport.h"

#include <QtTest>

#include <cmath>

using bench::Comparison;
using bench::Row;
using bench::statsOf;

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
        QTest::newRow("odd, unsorted") << QVector<double>{5, 1, 3} << 3 << 3.0 << 1.0 << 5.0;
        QTest::newRow("even: mean of the middle two") << QVector<double>{4, 1, 10, 2} << 4 << 3.0 << 1.0 << 10.0;
        QTest::newRow("one") << QVector<double>{7.5} << 1 << 7.5 << 7.5 << 7.5;
    }
    void statsOfSamples()
    {
        QFETCH(QVector<double>, samples);
        const bench::Stats stats = statsOf(samples);
        QTEST(stats.count, "count");
        QTEST(stats.median, "median");
        QTEST(stats.min, "min");
        QTEST(stats.max, "max");
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
};

QTEST_GUILESS_MAIN(TestBenchReport)
#include "tst_benchreport.moc"

#pragma once

#include <QJsonObject>
#include <QString>
#include <QVector>

// Figures of a benchmark run and their presentation: the summary of a series
// of samples, one row of the result table (the shell against its floor), the
// table as text and the same as JSON.
namespace bench {

struct Stats
{
    int count = 0;
    double median = 0;
    double min = 0;
    double max = 0;
    // Nearest rank: the smallest sample that at least 95 % of the samples
    // do not exceed.
    double p95 = 0;

    bool isEmpty() const { return count == 0; }
};

Stats statsOf(QVector<double> samples);
// The 95th percentile of `stats` as a figure of its own (one value, no range).
Stats p95Of(const Stats &stats);

// How a row compares the shell with its floor.
enum class Comparison {
    Ratio,      // shell / floor
    Difference, // shell - floor
    None
};

struct Row
{
    QString section;
    QString figure;
    QString unit;
    Stats shell;
    Stats floor;
    Comparison comparison = Comparison::Ratio;
    // What the row is held against, as the reader sees it ("<= 1.5x").
    QString goal;
    // Bare Qt Quick Window, where the row has one.
    Stats bare;
};

// shell / floor or shell - floor, from the medians; NaN when it cannot be formed.
double compare(const Row &row);
// "12.3 [11.9-13.0]", or "-" for no samples; a single sample without a range.
QString formatStats(const Stats &stats);
QString formatComparison(const Row &row);

QString tableText(const QVector<Row> &rows);
QJsonObject rowJson(const Row &row);

} // namespace bench

#include "benchreport.h"

#include <QJsonArray>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace bench {

Stats statsOf(QVector<double> samples)
{
    Stats stats;
    stats.count = samples.size();
    if (samples.isEmpty())
        return stats;
    std::sort(samples.begin(), samples.end());
    const int n = samples.size();
    stats.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    stats.min = samples.first();
    stats.max = samples.last();
    stats.p95 = samples[std::max(0, int(std::ceil(0.95 * n)) - 1)];
    return stats;
}

Stats p95Of(const Stats &stats)
{
    if (stats.isEmpty())
        return stats;
    Stats figure;
    figure.count = 1;
    figure.median = figure.min = figure.max = figure.p95 = stats.p95;
    return figure;
}

double compare(const Row &row)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (row.shell.isEmpty() || row.floor.isEmpty())
        return nan;
    switch (row.comparison) {
    case Comparison::Ratio:
        return row.floor.median != 0 ? row.shell.median / row.floor.median : nan;
    case Comparison::Difference:
        return row.shell.median - row.floor.median;
    case Comparison::None:
        break;
    }
    return nan;
}

static QString number(double value)
{
    const double magnitude = std::fabs(value);
    // Counts stay whole numbers.
    if (value == std::floor(value) && magnitude < 1e9)
        return QString::number(qint64(value));
    return QString::number(value, 'f', magnitude >= 100 ? 0 : magnitude >= 10 ? 1 : 2);
}

QString formatStats(const Stats &stats)
{
    if (stats.isEmpty())
        return QStringLiteral("-");
    if (stats.count == 1 || stats.min == stats.max)
        return number(stats.median);
    return QStringLiteral("%1 [%2-%3]").arg(number(stats.median), number(stats.min), number(stats.max));
}

QString formatComparison(const Row &row)
{
    const double value = compare(row);
    if (std::isnan(value))
        return QStringLiteral("-");
    if (row.comparison == Comparison::Difference)
        return (value >= 0 ? QStringLiteral("+") : QString()) + number(value) + QLatin1Char(' ') + row.unit;
    return QString::number(value, 'f', 2) + QLatin1Char('x');
}

QString tableText(const QVector<Row> &rows)
{
    const QStringList heading = {QStringLiteral("Figure"), QStringLiteral("Shell"), QStringLiteral("Floor"),
                                 QStringLiteral("Ratio"), QStringLiteral("Goal"), QStringLiteral("Bare Window")};
    QVector<QStringList> cells;
    for (const Row &row : rows) {
        cells.append({row.figure + QStringLiteral(" (") + row.unit + QLatin1Char(')'), formatStats(row.shell),
                      formatStats(row.floor), formatComparison(row), row.goal.isEmpty() ? QStringLiteral("-") : row.goal,
                      formatStats(row.bare)});
    }
    QVector<int> widths;
    for (const QString &h : heading)
        widths.append(h.size());
    for (const QStringList &line : cells) {
        for (int i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], int(line[i].size()));
    }
    auto lineText = [&widths](const QStringList &line) {
        QStringList padded;
        for (int i = 0; i < line.size(); ++i)
            padded.append(line[i].leftJustified(widths[i]));
        return QStringLiteral("| ") + padded.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
    };
    QStringList rule;
    for (int w : widths)
        rule.append(QString(w, QLatin1Char('-')));
    QString text = lineText(heading) + lineText(rule);
    QString section;
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].section != section) {
            section = rows[i].section;
            QStringList sectionLine(QStringLiteral("**") + section + QStringLiteral("**"));
            while (sectionLine.size() < heading.size())
                sectionLine.append(QString());
            text += lineText(sectionLine);
        }
        text += lineText(cells[i]);
    }
    return text;
}

static QJsonObject statsJson(const Stats &stats)
{
    if (stats.isEmpty())
        return QJsonObject();
    return QJsonObject{{QStringLiteral("count"), stats.count},
                       {QStringLiteral("median"), stats.median},
                       {QStringLiteral("min"), stats.min},
                       {QStringLiteral("max"), stats.max}};
}

QJsonObject rowJson(const Row &row)
{
    QJsonObject object{{QStringLiteral("section"), row.section},
                       {QStringLiteral("figure"), row.figure},
                       {QStringLiteral("unit"), row.unit},
                       {QStringLiteral("shell"), statsJson(row.shell)},
                       {QStringLiteral("floor"), statsJson(row.floor)},
                       {QStringLiteral("goal"), row.goal}};
    if (!row.bare.isEmpty())
        object.insert(QStringLiteral("bareWindow"), statsJson(row.bare));
    const double value = compare(row);
    if (!std::isnan(value)) {
        object.insert(row.comparison == Comparison::Difference ? QStringLiteral("difference") : QStringLiteral("ratio"),
                      value);
    }
    return object;
}

} // namespace bench

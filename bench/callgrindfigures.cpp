#include "callgrindfigures.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>

#include <map>

namespace bench {

CallgrindDump parseCallgrindDump(const QByteArray &text)
{
    CallgrindDump dump;
    static const QByteArray trigger("desc: Trigger: Client Request: ");
    static const QByteArray totals("totals:");
    static const QByteArray summary("summary:");
    for (const QByteArray &line : text.split('\n')) {
        if (line.startsWith(trigger)) {
            dump.trigger = QString::fromUtf8(line.mid(trigger.size()).trimmed());
        } else if (line.startsWith(totals) || (dump.instructions < 0 && line.startsWith(summary))) {
            // The first event is Ir, the instructions.
            const QByteArray value = line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0);
            bool ok = false;
            const double count = value.toDouble(&ok);
            if (ok)
                dump.instructions = count;
        }
    }
    return dump;
}

QJsonObject callgrindFigures(const QString &dir, const QString &base)
{
    const QRegularExpression name(QStringLiteral("^%1\\.(\\d+)(-01)?$").arg(QRegularExpression::escape(base)));
    std::map<int, QString> parts;
    for (const QString &file : QDir(dir).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        if (match.hasMatch())
            parts[match.captured(1).toInt()] = file;
    }
    QJsonObject phases;
    QJsonObject steps;
    double sinceStart = 0;
    // Once the steps begin, the phases no longer add up from the start.
    bool stepped = false;
    for (const auto &part : parts) {
        QFile file(dir + QLatin1Char('/') + part.second);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const CallgrindDump dump = parseCallgrindDump(file.readAll());
        if (dump.instructions < 0)
            continue;
        const bool before = dump.trigger.startsWith(QLatin1String("before:"));
        const bool step = dump.trigger.startsWith(QLatin1String("step:"));
        stepped = stepped || before || step;
        if (!stepped) {
            sinceStart += dump.instructions;
            if (dump.trigger.startsWith(QLatin1String("phase:")))
                phases.insert(dump.trigger.mid(6), sinceStart);
        } else if (step) {
            // The dump before a step ends the time between two steps; the
            // step's own dump holds the step alone.
            const QString name = dump.trigger.mid(5);
            QJsonArray list = steps.value(name).toArray();
            list.append(dump.instructions);
            steps.insert(name, list);
        }
    }
    return QJsonObject{{QStringLiteral("phases"), phases}, {QStringLiteral("steps"), steps}};
}

} // namespace bench

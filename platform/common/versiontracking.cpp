#include "versiontracking.h"

#include "savedfile.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QString>

namespace zelcommon {

namespace {

// A line per version change: a history far larger than this is not one.
constexpr qint64 kMaxHistoryBytes = 1024 * 1024;

} // namespace

QByteArray VersionTracking::lastVersion(const QByteArray &history)
{
    const QByteArray lastLine = history.trimmed().split('\n').last();
    const int blank = lastLine.indexOf(' ');
    return blank < 0 ? QByteArray() : lastLine.mid(blank + 1).trimmed();
}

QByteArray VersionTracking::historyText(const QByteArray &version)
{
    QString text = QString::fromUtf8(version);
    for (QChar &c : text) {
        if (!c.isPrint())
            c = QLatin1Char(' ');
    }
    // Trimmed after the cut, which may end at a blank: lastVersion() trims
    // the line, and a line ending in a blank would never match it again.
    return text.simplified().left(kMaxVersionLength).trimmed().toUtf8();
}

void VersionTracking::init(const QByteArray &dir, const QByteArray &version)
{
    const QString directory = QString::fromUtf8(dir);
    const QByteArray line = historyText(version);
    if (directory.isEmpty() || line.isEmpty()) {
        qDebug() << "VersionTracking::init() nothing to track:" << dir << version;
        return;
    }
    if (!QDir().mkpath(directory)) {
        qDebug() << "VersionTracking::init() cannot create" << directory;
        return;
    }
    const QString path = QDir(directory).filePath(QStringLiteral("version_history"));
    const QByteArray history = saved::readFile(path, kMaxHistoryBytes).value_or(QByteArray());
    if (lastVersion(history) == line)
        return;
    QByteArray updated = history;
    if (!updated.isEmpty() && !updated.endsWith('\n'))
        updated += '\n';
    updated += QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8() + ' ' + line + '\n';
    if (!saved::writeFile(path, updated)) {
        qDebug() << "VersionTracking::init() cannot write" << path;
        return;
    }
    qDebug() << "VersionTracking::init() now running version" << line;
}

} // namespace zelcommon

#include "versiontracking.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>

namespace zelcommon {

void VersionTracking::init(const QByteArray &dir, const QByteArray &version)
{
    const QString directory = QString::fromUtf8(dir);
    if (directory.isEmpty() || version.isEmpty()) {
        qDebug() << "VersionTracking::init() nothing to track:" << dir << version;
        return;
    }
    if (!QDir().mkpath(directory)) {
        qDebug() << "VersionTracking::init() cannot create" << directory;
        return;
    }
    QFile history(QDir(directory).filePath(QStringLiteral("version_history")));
    QByteArray lastVersion;
    if (history.open(QIODevice::ReadOnly)) {
        // The file is small: a line per version change.
        const QByteArray lastLine = history.readAll().trimmed().split('\n').last();
        const int blank = lastLine.indexOf(' ');
        lastVersion = blank < 0 ? QByteArray() : lastLine.mid(blank + 1);
        history.close();
    }
    QByteArray oneLine = version;
    oneLine.replace('\n', ' ').replace('\r', ' ');
    oneLine = oneLine.trimmed();
    if (lastVersion == oneLine)
        return;
    if (!history.open(QIODevice::Append | QIODevice::Text)) {
        qDebug() << "VersionTracking::init() cannot write" << history.fileName();
        return;
    }
    history.write(QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8() + ' ' + oneLine + '\n');
    qDebug() << "VersionTracking::init() now running version" << version;
}

} // namespace zelcommon

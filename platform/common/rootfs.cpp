#include "rootfs.h"

#include <QDebug>
#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace veltra {

QString rootfsBase()
{
    const QString fromEnv = qEnvironmentVariable("VELTRA_ROOTFS").trimmed();
    if (!fromEnv.isEmpty()) {
        const QString base = QDir::cleanPath(QDir(fromEnv).absolutePath());
        if (base != QLatin1String("/"))
            return base;
        qDebug() << "veltra::rootfsBase() VELTRA_ROOTFS names the file-system root; using the per-user directory";
    }
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::tempPath();
    return QDir::cleanPath(data + QStringLiteral("/veltra/rootfs"));
}

QString rootfs(const QString &devicePath)
{
    QStringList kept;
    const QStringList segments = devicePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &segment : segments) {
        if (segment == QLatin1String("."))
            continue;
        if (segment == QLatin1String("..")) {
            if (!kept.isEmpty())
                kept.removeLast();
            continue;
        }
        kept.append(segment);
    }
    QString mapped = rootfsBase();
    if (!kept.isEmpty())
        mapped += QLatin1Char('/') + kept.join(QLatin1Char('/'));
    if (devicePath.endsWith(QLatin1Char('/')))
        mapped += QLatin1Char('/');
    return mapped;
}

} // namespace veltra

#include "appset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>
#include <QSet>

namespace AppSet {

QString appIdOf(const QString &library)
{
    return QPluginLoader(library).metaData().value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("id")).toString();
}

bool assemble(const QString &installedDir, const QStringList &libraries, const QString &into, QString *error)
{
    QSet<QString> names;
    QSet<QString> ids;
    QStringList links;
    for (const QString &library : libraries) {
        const QFileInfo info(library);
        if (!info.isFile()) {
            *error = QStringLiteral("%1 is not a file").arg(library);
            return false;
        }
        if (names.contains(info.fileName())) {
            *error = QStringLiteral("two libraries named %1").arg(info.fileName());
            return false;
        }
        names.insert(info.fileName());
        const QString id = appIdOf(info.absoluteFilePath());
        if (!id.isEmpty())
            ids.insert(id);
        links.append(info.absoluteFilePath());
    }
    if (!installedDir.isEmpty()) {
        const QFileInfoList installed = QDir(installedDir).entryInfoList(QDir::Files, QDir::Name);
        for (const QFileInfo &info : installed) {
            if (names.contains(info.fileName()) || ids.contains(appIdOf(info.absoluteFilePath())))
                continue;
            links.append(info.absoluteFilePath());
        }
    }
    for (const QString &target : links) {
        const QString link = into + QLatin1Char('/') + QFileInfo(target).fileName();
        if (!QFile::link(target, link)) {
            *error = QStringLiteral("cannot link %1 to %2").arg(link, target);
            return false;
        }
    }
    return true;
}

} // namespace AppSet

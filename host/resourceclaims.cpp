#include "resourceclaims.h"

#include <QDirIterator>
#include <QResource>

namespace ResourceClaims {

namespace {

QHash<QString, Owner> &owners()
{
    // Resources stay registered until the process ends; so does this record.
    static QHash<QString, Owner> table;
    return table;
}

QStringList registeredFiles()
{
    QStringList files;
    QDirIterator it(QStringLiteral(":/"), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next().mid(1)); // ":/a/b" -> "/a/b"
    return files;
}

} // namespace

QString Owner::describe() const
{
    if (appId.isEmpty())
        return QStringLiteral("the shell");
    return QStringLiteral("the app %1 (%2)").arg(appId, library);
}

void claimRegistered()
{
    claim(registeredFiles(), Owner());
}

QString firstTaken(const QStringList &files, const QString &appId, Owner *owner)
{
    const QHash<QString, Owner> &table = owners();
    for (const QString &file : files) {
        const auto it = table.constFind(file);
        // The same app again (another copy of its library) brings the same files.
        if (it != table.constEnd() && (it->appId.isEmpty() || it->appId != appId)) {
            if (owner)
                *owner = it.value();
            return file;
        }
        // Registered but claimed by no app: the shell's. Asked file by file
        // rather than listing the shell's many files at start.
        if (it == table.constEnd() && QResource(QLatin1Char(':') + file).isValid()) {
            if (owner)
                *owner = Owner();
            return file;
        }
    }
    return QString();
}

void claim(const QStringList &files, const Owner &owner)
{
    QHash<QString, Owner> &table = owners();
    for (const QString &file : files) {
        if (!table.contains(file))
            table.insert(file, owner);
    }
}

QStringList unclaimedRegistered()
{
    QStringList files;
    const QHash<QString, Owner> &table = owners();
    for (const QString &file : registeredFiles()) {
        if (!table.contains(file))
            files.append(file);
    }
    return files;
}

} // namespace ResourceClaims

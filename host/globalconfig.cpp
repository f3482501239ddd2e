#include "globalconfig.h"

#include "initext.h"
#include "rootfs.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kStartupAppId = QStringLiteral("startup_app_id");
const QString kClockSync = QStringLiteral("internet_clock_sync_enabled");
const QString kAppsDir = QStringLiteral("apps_dir");
const QString kHomeAppId = QStringLiteral("home_app_id");
const QString kSingleAppMode = QStringLiteral("single_app_mode");
const QString kScreenshotDir = QStringLiteral("screenshot_dir");
const QString kDefaultAppId = QStringLiteral("com.ostrelle.veltra.Home");

} // namespace

QString GlobalConfig::savedDataDir()
{
    return veltra::rootfs(QStringLiteral("/opt/save_data/"));
}

QString GlobalConfig::filePath()
{
    return veltra::rootfs(QStringLiteral("/opt/save_data/global.conf"));
}

QString GlobalConfig::resetMarkerPath()
{
    return veltra::rootfs(QStringLiteral("/opt/save_data/delete_on_reboot"));
}

bool GlobalConfig::resetIfRequested()
{
    const QFileInfo marker(resetMarkerPath());
    // Only a regular file counts; a directory or a link of that name does not.
    if (!marker.exists() || marker.isSymLink() || !marker.isFile())
        return false;
    const QString dir = QDir::cleanPath(savedDataDir());
    const QFileInfo dirInfo(dir);
    if (!dirInfo.isSymLink()) {
        qDebug() << "GlobalConfig::resetIfRequested() clearing" << dir;
        // QDir::removeRecursively removes links themselves, not their targets.
        QDir(dir).removeRecursively();
        return true;
    }
    // A saved-data directory that is a link to a data partition: its contents
    // go, the link stays. Links inside are removed, never followed.
    const QString target = dirInfo.canonicalFilePath();
    const QString linkParent = QFileInfo(dirInfo.absolutePath()).canonicalFilePath();
    if (target.isEmpty() || target == QLatin1String("/") || linkParent == target
        || linkParent.startsWith(target + QLatin1Char('/'))) {
        // A link to "/" or to a directory holding the link would take far more
        // than the saved data with it.
        qDebug() << "GlobalConfig::resetIfRequested() not clearing" << dir << ": it links to" << target;
        return false;
    }
    qDebug() << "GlobalConfig::resetIfRequested() clearing" << dir << "(a link to" << target << ")";
    const QFileInfoList entries =
        QDir(target).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString path = entry.absoluteFilePath();
        const bool removed = entry.isDir() && !entry.isSymLink() ? QDir(path).removeRecursively() : QFile::remove(path);
        if (!removed)
            qDebug() << "GlobalConfig::resetIfRequested() cannot remove" << path;
    }
    return true;
}

std::unique_ptr<QSettings> GlobalConfig::open()
{
    const QString path = filePath();
    const QString dir = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(dir) && !QDir().mkpath(dir))
        qDebug() << "GlobalConfig::open() cannot create" << dir << "; settings stay in memory";
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (settings->status() != QSettings::NoError)
        qDebug() << "GlobalConfig::open() cannot read" << path << "; using defaults";
    return settings;
}

void GlobalConfig::writeDefaults(QSettings &settings)
{
    if (!settings.contains(kStartupAppId))
        settings.setValue(kStartupAppId, kDefaultAppId);
    if (!settings.contains(kClockSync))
        settings.setValue(kClockSync, true);
}

StartupSettings GlobalConfig::read(QSettings &settings)
{
    // Every value is the plain text the file holds, commas and all.
    StartupSettings s;
    s.appsDir = IniText::value(settings, kAppsDir, QStringLiteral("..\\..\\veltra\\apps"));
    s.homeAppId = IniText::value(settings, kHomeAppId, kDefaultAppId);
    s.startupAppId = IniText::value(settings, kStartupAppId);
    s.singleAppMode = IniText::value(settings, kSingleAppMode, QStringLiteral("false"));
    s.screenshotDir = IniText::value(settings, kScreenshotDir, veltra::rootfs(QStringLiteral("/opt/save_data/screenshots")));
    return s;
}

QString GlobalConfig::appFilter(const StartupSettings &settings)
{
    return settings.singleAppMode == QLatin1String("true") ? settings.startupAppId : QString();
}

QString GlobalConfig::iconDirUrl(const QString &programDir)
{
    return QStringLiteral("file:///") + programDir + QStringLiteral("/../../veltra/icons/");
}

QString GlobalConfig::appsDirPath(const QString &setting)
{
    QString path = setting;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

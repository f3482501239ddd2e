#include "globalconfig.h"

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
    qDebug() << "GlobalConfig::resetIfRequested() clearing" << dir;
    const QFileInfo dirInfo(dir);
    if (dirInfo.isSymLink()) {
        // Clear the link, never what it points to.
        QFile::remove(dir);
        return true;
    }
    // QDir::removeRecursively removes links themselves, not their targets.
    QDir(dir).removeRecursively();
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
    StartupSettings s;
    s.appsDir = settings.value(kAppsDir, QStringLiteral("..\\..\\veltra\\apps")).toString();
    s.homeAppId = settings.value(kHomeAppId, kDefaultAppId).toString();
    s.startupAppId = settings.value(kStartupAppId, QString()).toString();
    s.singleAppMode = settings.value(kSingleAppMode, QStringLiteral("false")).toString();
    s.screenshotDir = settings.value(kScreenshotDir, veltra::rootfs(QStringLiteral("/opt/save_data/screenshots")))
                          .toString();
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

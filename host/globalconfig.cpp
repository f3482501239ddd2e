#include "globalconfig.h"

#include "initext.h"
#include "rootfs.h"
#include "savedfile.h"
#include "savedsettings.h"

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
        // Links inside are removed, not followed; file systems mounted inside
        // are left alone.
        saved::removeContents(dir);
        QDir().rmdir(dir);
        return true;
    }
    // A saved-data directory that is a link to a data partition: its contents
    // go, the link stays.
    const QString target = dirInfo.canonicalFilePath();
    if (!isClearable(target, dirInfo.absolutePath())) {
        qDebug() << "GlobalConfig::resetIfRequested() not clearing" << dir << ": it links to" << target
                 << ", which holds more than saved data";
        return false;
    }
    qDebug() << "GlobalConfig::resetIfRequested() clearing" << dir << "(a link to" << target << ")";
    saved::removeContents(target);
    return true;
}

// A link's target that a reset may empty: not "/", not a directory that holds
// the link, and not one of the system's or the program's own directories.
bool GlobalConfig::isClearable(const QString &target, const QString &linkDir)
{
    if (target.isEmpty())
        return false;
    const auto within = [](const QString &path, const QString &dir) {
        return path == dir || path.startsWith(dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/'));
    };
    const QString linkParent = QFileInfo(linkDir).canonicalFilePath();
    if (target == QLatin1String("/") || within(linkParent, target))
        return false;
    // Trees that are the system's or the program's own, wholly; and
    // directories whose subdirectories may well hold a data partition.
    static const char *const kSystemTrees[] = {"/bin",  "/boot", "/dev", "/etc", "/lib", "/lib64",
                                               "/proc", "/sbin", "/sys", "/usr", "/opt/tarvik", "/opt/veltra"};
    static const char *const kSystemDirs[] = {"/opt", "/root", "/run", "/var", "/home", "/mnt", "/media", "/tmp"};
    const QString root = QFileInfo(veltra::rootfs(QStringLiteral("/"))).canonicalFilePath();
    for (const char *tree : kSystemTrees) {
        for (const QString &dir : {QString::fromLatin1(tree), root + QLatin1String(tree)}) {
            if (within(target, dir) || within(dir, target))
                return false;
        }
    }
    for (const char *systemDir : kSystemDirs) {
        for (const QString &dir : {QString::fromLatin1(systemDir), root + QLatin1String(systemDir)}) {
            if (within(dir, target))
                return false;
        }
    }
    return true;
}

std::unique_ptr<QSettings> GlobalConfig::open()
{
    const QString path = filePath();
    const QString dir = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(dir) && !QDir().mkpath(dir))
        qDebug() << "GlobalConfig::open() cannot create" << dir << "; settings stay in memory";
    // What a killed earlier run left half-written.
    saved::removeStaleTemporaries(dir);
    auto settings = std::make_unique<SavedSettings>(path);
    if (settings->status() != QSettings::NoError)
        qDebug() << "GlobalConfig::open() cannot read" << path << "; using defaults";
    // The settings class takes a value with a comma for a list and would write
    // it back changed ("a,b" as "a, b") at its next write: the shell's own keys
    // are held as the plain text the file has.
    for (const QString &key : {kStartupAppId, kAppsDir, kHomeAppId, kSingleAppMode, kScreenshotDir,
                               QStringLiteral("language")}) {
        const QVariant stored = settings->value(key);
        if (stored.type() == QVariant::StringList || stored.type() == QVariant::List)
            settings->setValue(key, IniText::value(*settings, key));
    }
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

#include "appmanager.h"

#include "appinterface.h"
#include "language.h"
#include "qmlsetup.h"
#include "reminder.h"
#include "rootfs.h"
#include "zelqtutils.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdio>

namespace {

struct BuiltInTitle
{
    const char *name;
    const char *messageId;
};

// Apps whose title the host translates itself, in the order they are compared.
const BuiltInTitle kBuiltInTitles[] = {
    {"gauge", QT_TRANSLATE_NOOP("AppManager", "GAUGE_APP_TITLE")},
    {"updates", QT_TRANSLATE_NOOP("AppManager", "UPDATES_APP_TITLE")},
    {"settings", QT_TRANSLATE_NOOP("AppManager", "SETTINGS_APP_TITLE")},
    {"power", QT_TRANSLATE_NOOP("AppManager", "POWER_APP_TITLE")},
    {"lumvar", QT_TRANSLATE_NOOP("AppManager", "LUMVAR_APP_TITLE")},
};

const QString kTranslationDir = QStringLiteral(":/i18n");

// Badge keys lie at the top level of the badge file. The settings class takes
// "/" as a group separator and drops leading, trailing and doubled ones, so an
// identifier holding one would land in a group or on another app's key
// ("/com.ostrelle.veltra.Home" is "com.ostrelle.veltra.Home"). Every other
// character, the backslash, "=", "[", spaces and non-ASCII text among them, is escaped by
// the settings class and comes back unchanged.
bool isBadgeKey(const QString &appId)
{
    return !appId.isEmpty() && !appId.contains(QLatin1Char('/'));
}

} // namespace

AppManager::AppManager(const QString &appsDir, const QString &appFilter, QObject *parent)
    : QObject(parent)
    , appsDir(appsDir)
    , appFilter(appFilter)
{
    badgePath = veltra::rootfs(QStringLiteral("/opt/save_data/badges.conf"));
    const QString badgeDir = QFileInfo(badgePath).absolutePath();
    if (!QFileInfo::exists(badgeDir) && !QDir().mkpath(badgeDir))
        qDebug() << "AppManager::AppManager() cannot create" << badgeDir << "; badges stay in memory";
    {
        const QSettings stored(badgePath, QSettings::IniFormat);
        const QStringList keys = stored.allKeys();
        for (const QString &key : keys)
            badges.insert(key, stored.value(key).toString());
    }
    discover();
}

AppManager::~AppManager()
{
    // A change that could not be written (a full file system) gets one more try.
    if (badgesUnsaved)
        saveBadges();
}

// The settings class writes its file through a save file that, when the file
// system fills up while it flushes, still renames the cut-off file into place.
// So the badges are written under a fresh temporary name in the same
// directory, read back under another fresh name (one the settings class has no
// cached copy of, so it reads the disk) and compared; only a complete file
// replaces badges.conf, by an atomic rename. Otherwise badges.conf stays as it
// was and the badges stay in memory.
bool AppManager::saveBadges()
{
    const QFileInfo target(badgePath);
    if (target.exists() && !target.isWritable()) {
        qDebug() << "AppManager:" << badgePath << "is read-only; the badges stay in memory";
        badgesUnsaved = true;
        return false;
    }
    QTemporaryFile reserved(target.absolutePath() + QStringLiteral("/.badges.conf.XXXXXX"));
    if (!reserved.open()) {
        qDebug() << "AppManager: cannot write the badges to" << target.absolutePath() << ":"
                 << reserved.errorString() << "; they stay in memory";
        badgesUnsaved = true;
        return false;
    }
    reserved.setAutoRemove(false);
    const QString written = reserved.fileName();
    const QString checked = written + QStringLiteral(".check");
    reserved.close();
    auto fail = [&](const char *why) {
        QFile::remove(written);
        QFile::remove(checked);
        qDebug() << "AppManager: the badges were not saved (" << why << "); badges.conf is unchanged and the"
                 << "badges stay in memory";
        badgesUnsaved = true;
        return false;
    };
    {
        QSettings out(written, QSettings::IniFormat);
        for (auto it = badges.cbegin(); it != badges.cend(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
        if (out.status() != QSettings::NoError)
            return fail("writing failed");
    }
    if (::rename(QFile::encodeName(written).constData(), QFile::encodeName(checked).constData()) != 0)
        return fail("the written file could not be renamed");
    {
        const QSettings in(checked, QSettings::IniFormat);
        QVariantMap readBack;
        const QStringList keys = in.allKeys();
        for (const QString &key : keys)
            readBack.insert(key, in.value(key).toString());
        if (in.status() != QSettings::NoError || readBack != badges)
            return fail("the written file is incomplete, the file system may be full");
    }
    // The permissions the badge file had, or the usual ones for a new file.
    const QFileDevice::Permissions permissions = target.exists() && target.isFile() && !target.isSymLink()
        ? QFile::permissions(badgePath)
        : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(checked, permissions);
    if (::rename(QFile::encodeName(checked).constData(), QFile::encodeName(badgePath).constData()) != 0)
        return fail("badges.conf could not be replaced");
    badgesUnsaved = false;
    return true;
}

void AppManager::discover()
{
    const QString language = Language::instance().language();
    tarvik::initResources();
    // The host's own texts, the built-in titles among them. Lives until the process ends.
    ZELQtUtils::setLanguage(language, kTranslationDir, QStringLiteral("tarvik"), &sharedTranslator,
                            new QTranslator);

    const QDir dir(appsDir);
    const QFileInfoList files = dir.entryInfoList(QDir::Files);
    for (const QFileInfo &file : files)
        acceptPlugin(file.absoluteFilePath());
}

bool AppManager::acceptPlugin(const QString &filePath)
{
    // The loader stays loaded with its root object for the life of the process,
    // whether the app is accepted or not.
    auto *loader = new QPluginLoader(filePath);
    QObject *root = loader->instance();
    if (!root) {
        qDebug() << "AppManager::discover() skipped" << filePath << ":" << loader->errorString();
        return false;
    }
    auto *app = qobject_cast<AppInterface *>(root);
    if (!app) {
        qDebug() << "AppManager::discover() skipped" << filePath << ": not an app plug-in";
        return false;
    }
    const QJsonValue metaData = loader->metaData().value(QStringLiteral("MetaData"));
    if (!metaData.isObject()) {
        qDebug() << "AppManager::discover() skipped" << filePath << ": its metadata has no \"MetaData\" record";
        return false;
    }
    QJsonObject record = metaData.toObject();
    const QJsonValue id = record.value(QStringLiteral("id"));
    if (record.value(QStringLiteral("type")).toString() != QLatin1String(kAppInterfaceId)) {
        qDebug() << "AppManager::discover() skipped" << filePath << ": its record's \"type\" is not"
                 << kAppInterfaceId;
        return false;
    }
    if (id.toString() == QLatin1String(kExcludedAppId))
        return false;
    if (!id.isString() || id.toString().isEmpty()) {
        // An app without an identifier could never be shown or launched.
        qDebug() << "AppManager::discover() skipped" << filePath << ": its record has no text \"id\"";
        return false;
    }
    const QString appId = id.toString();
    const QString name = record.value(QStringLiteral("name")).toString();
    if (!appFilter.isEmpty() && appFilter != appId)
        return false;

    app->registerTypes(nullptr);

    record.insert(QStringLiteral("title"), builtInTitle(name, record.value(QStringLiteral("title")).toString()));
    appMetadata.insert(appId, record);
    // The app's own texts. Lives until the process ends.
    ZELQtUtils::setLanguage(Language::instance().language(), kTranslationDir, name, &sharedTranslator,
                            new QTranslator);
    return true;
}

QString AppManager::builtInTitle(const QString &name, const QString &title)
{
    for (const BuiltInTitle &builtIn : kBuiltInTitles) {
        if (name == QLatin1String(builtIn.name))
            return QCoreApplication::translate("AppManager", builtIn.messageId);
    }
    return title;
}

QVariant AppManager::appMetadataList() const
{
    QVariantList list;
    for (auto it = appMetadata.cbegin(); it != appMetadata.cend(); ++it) {
        QVariantMap record = it.value().toVariantMap();
        // JSON numbers reach QML as doubles, whole or not.
        for (QVariant &value : record) {
            if (value.type() == QVariant::LongLong || value.type() == QVariant::Int)
                value = value.toDouble();
        }
        list.append(record);
    }
    return list;
}

QVariant AppManager::badgesText() const
{
    return badges;
}

QString AppManager::getBadgeText(const QString &appId) const
{
    if (!isBadgeKey(appId))
        return QString();
    return badges.value(appId).toString();
}

void AppManager::setBadgeText(const QString &appId, const QString &badgeText)
{
    if (appId.isEmpty()) {
        qDebug() << "AppManager::setBadgeText() refused a badge without an app identifier";
        return;
    }
    if (!isBadgeKey(appId)) {
        qDebug() << "AppManager::setBadgeText() refused the app identifier" << appId << ": it holds a \"/\"";
        return;
    }
    if (badges.value(appId).toString() == badgeText)
        return;
    badges.insert(appId, badgeText);
    saveBadges();
    emit badgesTextChanged();
}

void AppManager::removeBadge(const QString &appId)
{
    if (!isBadgeKey(appId)) {
        qDebug() << "AppManager::removeBadge() refused the app identifier" << appId;
        return;
    }
    if (!badges.contains(appId))
        return;
    badges.remove(appId);
    saveBadges();
    emit badgesTextChanged();
}

void AppManager::allAppsLoaded()
{
    Reminder::instance().check();
}

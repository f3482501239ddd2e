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
    const QString badgePath = veltra::rootfs(QStringLiteral("/opt/save_data/badges.conf"));
    const QString badgeDir = QFileInfo(badgePath).absolutePath();
    if (!QFileInfo::exists(badgeDir) && !QDir().mkpath(badgeDir))
        qDebug() << "AppManager::AppManager() cannot create" << badgeDir << "; badges stay in memory";
    // Kept for the rest of the process, like the loaded plug-ins.
    badgeSettings = new QSettings(badgePath, QSettings::IniFormat);
    discover();
}

AppManager::~AppManager()
{
    // The badge store outlives the manager; write what is pending now, so a
    // change made right before the event loop ended is not lost.
    badgeSettings->sync();
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
    QVariantMap badges;
    const QStringList keys = badgeSettings->allKeys();
    for (const QString &key : keys)
        badges.insert(key, badgeSettings->value(key).toString());
    return badges;
}

QString AppManager::getBadgeText(const QString &appId) const
{
    if (!isBadgeKey(appId))
        return QString();
    return badgeSettings->value(appId, QString()).toString();
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
    if (badgeSettings->value(appId, QString()).toString() == badgeText)
        return;
    badgeSettings->setValue(appId, badgeText);
    emit badgesTextChanged();
}

void AppManager::removeBadge(const QString &appId)
{
    if (!isBadgeKey(appId)) {
        qDebug() << "AppManager::removeBadge() refused the app identifier" << appId;
        return;
    }
    if (!badgeSettings->contains(appId))
        return;
    badgeSettings->remove(appId);
    emit badgesTextChanged();
}

void AppManager::allAppsLoaded()
{
    Reminder::instance().check();
}

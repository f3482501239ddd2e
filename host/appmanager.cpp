#include "appmanager.h"

#include "appinterface.h"
#include "apprecord.h"
#include "badgestore.h"
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

} // namespace

AppManager::AppManager(const QString &appsDir, const QString &appFilter, QObject *parent)
    : QObject(parent)
    , appsDir(appsDir)
    , appFilter(appFilter)
    , badgeStore(new BadgeStore(veltra::rootfs(QStringLiteral("/opt/save_data/badges.conf")), this))
{
    connect(badgeStore, &BadgeStore::changed, this, &AppManager::badgesTextChanged);
    discover();
}

AppManager::~AppManager() = default;

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
    const AppRecord::Check verdict = AppRecord::check(metaData);
    if (verdict.verdict == AppRecord::Verdict::Excluded)
        return false;
    if (verdict.verdict == AppRecord::Verdict::Refused) {
        qDebug() << "AppManager::discover() skipped" << filePath << ":" << qPrintable(verdict.problem);
        return false;
    }
    QJsonObject record = metaData.toObject();
    const QJsonValue id = record.value(QStringLiteral("id"));
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
    return badgeStore->badges();
}

QString AppManager::getBadgeText(const QString &appId) const
{
    return badgeStore->text(appId);
}

void AppManager::setBadgeText(const QString &appId, const QString &badgeText)
{
    badgeStore->setText(appId, badgeText);
}

void AppManager::removeBadge(const QString &appId)
{
    badgeStore->remove(appId);
}

void AppManager::allAppsLoaded()
{
    Reminder::instance().check();
}

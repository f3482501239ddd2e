#include "appmanager.h"

#include "appinterface.h"
#include "apprecord.h"
#include "badgestore.h"
#include "language.h"
#include "qmlsetup.h"
#include "reminder.h"
#include "resourceclaims.h"
#include "rootfs.h"
#include "zelqtutils.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
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
// The list of an app's resource files that the build adds to its record.
const QString kResourceFilesKey = QStringLiteral("resourceFiles");
// The context of an app's own translation of its title; the message id is the app's id.
const char *const kTitleContext = "AppTitle";

} // namespace

AppManager::AppManager(const QString &appsDir, const QString &appFilter, QObject *parent,
                       const QString &excludedAppShown)
    : QObject(parent)
    , appsDir(appsDir)
    , appFilter(appFilter)
    , excludedAppShown(excludedAppShown)
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
    // Read from the file, before the library is loaded and its resources registered.
    const QJsonObject declared = loader->metaData().value(QStringLiteral("MetaData")).toObject();
    const QString declaredId = declared.value(QStringLiteral("id")).toString();
    const QJsonValue listed = declared.value(kResourceFilesKey);
    QStringList files;
    for (const QJsonValue &file : listed.toArray())
        files.append(file.toString());
    // A library loaded already (another run in this process) registers nothing new.
    const bool loadedBefore = loader->isLoaded();
    if (listed.isArray() && !loadedBefore) {
        ResourceClaims::Owner owner;
        const QString taken = ResourceClaims::firstTaken(files, declaredId, &owner);
        if (!taken.isEmpty()) {
            qDebug() << "AppManager::discover() skipped" << filePath << ":"
                     << qPrintable(QStringLiteral("the app %1 has the resource file %2 of %3, which stays; "
                                                  "loading this app would break one of the two")
                                       .arg(declaredId.isEmpty() ? QStringLiteral("(no id)") : declaredId, taken,
                                            owner.describe()));
            delete loader;
            return false;
        }
    }
    // A library that lists no files: what it registers is told from what
    // was there before it, which goes to the shell unless an app has it.
    if (!listed.isArray() && !loadedBefore)
        ResourceClaims::claimRegistered();
    QObject *root = loader->instance();
    if (loader->isLoaded() && !loadedBefore) {
        const ResourceClaims::Owner owner{declaredId, filePath};
        ResourceClaims::claim(listed.isArray() ? files : ResourceClaims::unclaimedRegistered(), owner);
    }
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
    if (verdict.verdict == AppRecord::Verdict::Excluded && metaData.toObject().value(QStringLiteral("id")).toString()
                                                               != excludedAppShown)
        return false;
    if (verdict.verdict == AppRecord::Verdict::Refused) {
        qDebug() << "AppManager::discover() skipped" << filePath << ":" << qPrintable(verdict.problem);
        return false;
    }
    QJsonObject record = metaData.toObject();
    record.remove(kResourceFilesKey);
    const QJsonValue id = record.value(QStringLiteral("id"));
    const QString appId = id.toString();
    const QString name = record.value(QStringLiteral("name")).toString();
    if (!appFilter.isEmpty() && appFilter != appId)
        return false;

    app->registerTypes(nullptr);

    // The app's own texts. Lives until the process ends.
    auto *own = new QTranslator;
    const bool translated = ZELQtUtils::setLanguage(Language::instance().language(), kTranslationDir, name,
                                                    &sharedTranslator, own);
    record.insert(QStringLiteral("title"), appTitle(name, appId, record.value(QStringLiteral("title")).toString(),
                                                    translated ? own : nullptr));
    // One entry per id: the later file is listed, and the earlier app is gone
    // from the launcher, which the log must say.
    const QString earlierFile = appFiles.value(appId);
    if (!earlierFile.isEmpty()) {
        qDebug() << "AppManager::discover()" << filePath << ":"
                 << qPrintable(QStringLiteral("the app %1 replaces the app of the same id in %2").arg(appId, earlierFile));
    }
    appMetadata.insert(appId, record);
    appFiles.insert(appId, filePath);
    return true;
}

QString AppManager::appTitle(const QString &name, const QString &appId, const QString &title,
                             const QTranslator *own)
{
    for (const BuiltInTitle &builtIn : kBuiltInTitles) {
        if (name == QLatin1String(builtIn.name))
            return QCoreApplication::translate("AppManager", builtIn.messageId);
    }
    // Only the app's own catalogue: another app's could carry the same id.
    const QString translatedTitle = own ? own->translate(kTitleContext, appId.toUtf8().constData()) : QString();
    return translatedTitle.isEmpty() ? title : translatedTitle;
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

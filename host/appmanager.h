#pragma once

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTranslator>
#include <QVariant>

class BadgeStore;

// The host's catalogue of apps. Construction finds the app plug-ins in the apps
// directory, lets each accepted app register its types and install its
// translation, and keeps one metadata record per app; the list is fixed from
// then on. Its badge invokables reach the badge store, a short text per app
// identifier in "/opt/save_data/badges.conf".
class AppManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariant appMetadataList READ appMetadataList NOTIFY appMetadataListChanged)
    Q_PROPERTY(QVariant badgesText READ badgesText NOTIFY badgesTextChanged)
public:
    // `excludedAppShown`: the id of an app the shell never lists (the capture
    // list) that is listed all the same, for a preview of it.
    AppManager(const QString &appsDir, const QString &appFilter, QObject *parent = nullptr,
               const QString &excludedAppShown = QString());
    ~AppManager() override;

    static constexpr const char *kAppInterfaceId = "com.ostrelle.veltra.AppInterface";
    static constexpr const char *kExcludedAppId = "com.ostrelle.veltra.Sorvel";

    QVariant appMetadataList() const;
    QVariant badgesText() const;

    Q_INVOKABLE QString getBadgeText(const QString &appId) const;
    Q_INVOKABLE void setBadgeText(const QString &appId, const QString &badgeText);
    Q_INVOKABLE void removeBadge(const QString &appId);
    Q_INVOKABLE void allAppsLoaded();

signals:
    void appMetadataListChanged();
    void badgesTextChanged();

private:
    void discover();
    bool acceptPlugin(const QString &filePath);
    // A built-in app's title from the host's catalogue; another app's from its
    // own (context "AppTitle", message id its id), else as its record says.
    static QString appTitle(const QString &name, const QString &appId, const QString &title,
                            const QTranslator *own);

    QString appsDir;
    QString appFilter;
    QString excludedAppShown;
    QHash<QString, QJsonObject> appMetadata;
    // The library file each listed app came from, by id.
    QHash<QString, QString> appFiles;
    QTranslator sharedTranslator;
    BadgeStore *badgeStore;
};

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
    AppManager(const QString &appsDir, const QString &appFilter, QObject *parent = nullptr);
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
    static QString builtInTitle(const QString &name, const QString &title);

    QString appsDir;
    QString appFilter;
    QHash<QString, QJsonObject> appMetadata;
    QTranslator sharedTranslator;
    BadgeStore *badgeStore;
};

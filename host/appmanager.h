#pragma once

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTranslator>
#include <QVariant>

// The host's catalogue of apps. Construction finds the app plug-ins in the apps
// directory, lets each accepted app register its types and install its
// translation, and keeps one metadata record per app; the list is fixed from
// then on. It also keeps a short badge text per app identifier in
// "/opt/save_data/badges.conf".
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
    bool saveBadges();

    QString appsDir;
    QString appFilter;
    QHash<QString, QJsonObject> appMetadata;
    QTranslator sharedTranslator;
    // The badge file's path and its badges with this run's changes. Every
    // change is written at once through a checked temporary file; one that
    // could not be written is tried again with the next change and at the end.
    QString badgePath;
    QVariantMap badges;
    bool badgesUnsaved = false;
};

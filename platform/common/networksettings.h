#pragma once

#include "common_global.h"

#include <QObject>
#include <QString>

// The network as the device reports it; follows the device live. Modes,
// states and errors come as numbers and as their NetworkTypes names.
class COMMON_EXPORT NetworkSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int networkMode READ networkMode NOTIFY changed)
    Q_PROPERTY(QString networkModeStr READ networkModeStr NOTIFY changed)
    Q_PROPERTY(int networkState READ networkState NOTIFY changed)
    Q_PROPERTY(QString networkStateStr READ networkStateStr NOTIFY changed)
    Q_PROPERTY(int networkError READ networkError NOTIFY changed)
    Q_PROPERTY(QString networkErrorStr READ networkErrorStr NOTIFY changed)
    Q_PROPERTY(QString ssid READ ssid NOTIFY changed)
    Q_PROPERTY(QString ipAddress READ ipAddress NOTIFY changed)
    Q_PROPERTY(bool isApEth0BridgeEnabled READ isApEth0BridgeEnabled NOTIFY changed)
public:
    explicit NetworkSettings(QObject *parent = nullptr);

    int networkMode() const;
    QString networkModeStr() const;
    int networkState() const;
    QString networkStateStr() const;
    int networkError() const;
    QString networkErrorStr() const;
    QString ssid() const;
    QString ipAddress() const;
    bool isApEth0BridgeEnabled() const;

signals:
    void changed();
};

#pragma once

#include "common_global.h"

#include <QObject>

class BatteryStateWrapper;
class GaugeInfo;
class NetworkSettings;

// Everything the status bar shows: battery, network, radio and the gauge's
// identity. Each part notifies its own changes.
class COMMON_EXPORT StatusManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(BatteryStateWrapper *batteryState READ batteryState CONSTANT)
    Q_PROPERTY(NetworkSettings *networkSettings READ networkSettings CONSTANT)
    Q_PROPERTY(bool bluetoothEnabled READ bluetoothEnabled NOTIFY bluetoothEnabledChanged)
    Q_PROPERTY(GaugeInfo *gaugeInfo READ gaugeInfo CONSTANT)
public:
    explicit StatusManager(QObject *parent = nullptr);

    BatteryStateWrapper *batteryState() const { return m_battery; }
    NetworkSettings *networkSettings() const { return m_network; }
    bool bluetoothEnabled() const;
    GaugeInfo *gaugeInfo() const;

signals:
    void bluetoothEnabledChanged();

private:
    BatteryStateWrapper *m_battery;
    NetworkSettings *m_network;
};

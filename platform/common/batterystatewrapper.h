#pragma once

#include "common_global.h"

#include <QObject>

// The battery as the device reports it; follows the device live.
class COMMON_EXPORT BatteryStateWrapper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isCharging READ isCharging NOTIFY changed)
    Q_PROPERTY(int batteryPercent READ batteryPercent NOTIFY changed)
    Q_PROPERTY(int batteryMillivolts READ batteryMillivolts NOTIFY changed)
public:
    explicit BatteryStateWrapper(QObject *parent = nullptr);

    bool isCharging() const;
    int batteryPercent() const;
    int batteryMillivolts() const;

signals:
    void changed();
};

#include "statusmanager.h"

#include "batterystatewrapper.h"
#include "gaugeinfo.h"
#include "networksettings.h"
#include "simulateddevice.h"

StatusManager::StatusManager(QObject *parent)
    : QObject(parent)
    , m_battery(new BatteryStateWrapper(this))
    , m_network(new NetworkSettings(this))
{
    connect(&SimulatedDevice::instance(), &SimulatedDevice::bluetoothChanged, this,
            &StatusManager::bluetoothEnabledChanged);
}

bool StatusManager::bluetoothEnabled() const
{
    return SimulatedDevice::instance().state().bluetoothEnabled;
}

GaugeInfo *StatusManager::gaugeInfo() const
{
    return &GaugeInfo::instance();
}

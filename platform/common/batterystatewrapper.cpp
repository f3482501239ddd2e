#include "batterystatewrapper.h"

#include "simulateddevice.h"

BatteryStateWrapper::BatteryStateWrapper(QObject *parent)
    : QObject(parent)
{
    connect(&SimulatedDevice::instance(), &SimulatedDevice::batteryChanged, this, &BatteryStateWrapper::changed);
}

bool BatteryStateWrapper::isCharging() const { return SimulatedDevice::instance().state().charging; }
int BatteryStateWrapper::batteryPercent() const { return SimulatedDevice::instance().state().batteryPercent; }
int BatteryStateWrapper::batteryMillivolts() const { return SimulatedDevice::instance().state().batteryMillivolts; }

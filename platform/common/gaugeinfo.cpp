#include "gaugeinfo.h"

#include "simulateddevice.h"

GaugeInfo::GaugeInfo()
{
    connect(&SimulatedDevice::instance(), &SimulatedDevice::gaugeChanged, this, &GaugeInfo::changed);
}

GaugeInfo &GaugeInfo::instance()
{
    // Used before the application object exists; lives until the process ends.
    static GaugeInfo *info = new GaugeInfo;
    return *info;
}

QString GaugeInfo::modelNumber() const { return SimulatedDevice::instance().state().modelNumber; }
QString GaugeInfo::serialNumber() const { return SimulatedDevice::instance().state().serialNumber; }
QString GaugeInfo::calibrationDate() const { return SimulatedDevice::instance().state().calibrationDate; }
QString GaugeInfo::softwareVersion() const { return SimulatedDevice::instance().state().softwareVersion; }

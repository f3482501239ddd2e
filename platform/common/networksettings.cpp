#include "networksettings.h"

#include "networktypes.h"
#include "simulateddevice.h"

using namespace NetworkTypes;

NetworkSettings::NetworkSettings(QObject *parent)
    : QObject(parent)
{
    connect(&SimulatedDevice::instance(), &SimulatedDevice::networkChanged, this, &NetworkSettings::changed);
}

int NetworkSettings::networkMode() const { return EnumParser<NetworkModes>().fromString(networkModeStr()); }
QString NetworkSettings::networkModeStr() const { return SimulatedDevice::instance().state().networkMode; }
int NetworkSettings::networkState() const { return EnumParser<NetworkStates>().fromString(networkStateStr()); }
QString NetworkSettings::networkStateStr() const { return SimulatedDevice::instance().state().networkState; }
int NetworkSettings::networkError() const { return EnumParser<NetworkErrors>().fromString(networkErrorStr()); }
QString NetworkSettings::networkErrorStr() const { return SimulatedDevice::instance().state().networkError; }
QString NetworkSettings::ssid() const { return SimulatedDevice::instance().state().ssid; }
QString NetworkSettings::ipAddress() const { return SimulatedDevice::instance().state().ipAddress; }
bool NetworkSettings::isApEth0BridgeEnabled() const { return SimulatedDevice::instance().state().apEth0Bridge; }

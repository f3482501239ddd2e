#include "networktypes.h"

namespace NetworkTypes {

template <>
EnumParser<NetworkModes>::EnumParser()
    : m_names{{NETWORKMODE_NONE, QStringLiteral("NETWORKMODE_NONE")},
              {NETWORKMODE_ETHERNET, QStringLiteral("NETWORKMODE_ETHERNET")},
              {NETWORKMODE_WIFI_AP, QStringLiteral("NETWORKMODE_WIFI_AP")},
              {NETWORKMODE_WIFI_ST, QStringLiteral("NETWORKMODE_WIFI_ST")},
              {NETWORKMODE_USB, QStringLiteral("NETWORKMODE_USB")},
              {NETWORKMODE_CETEST, QStringLiteral("NETWORKMODE_CETEST")},
              {NETWORKMODE_BT, QStringLiteral("NETWORKMODE_BT")}}
{
}

template <>
EnumParser<NetworkStates>::EnumParser()
    : m_names{{NETWORKSTATE_DISCONNECTED, QStringLiteral("NETWORKSTATE_DISCONNECTED")},
              {NETWORKSTATE_CONNECTED, QStringLiteral("NETWORKSTATE_CONNECTED")},
              {NETWORKSTATE_CONNECTING, QStringLiteral("NETWORKSTATE_CONNECTING")},
              {NETWORKSTATE_ERROR, QStringLiteral("NETWORKSTATE_ERROR")}}
{
}

template <>
EnumParser<NetworkErrors>::EnumParser()
    : m_names{{NETWORKERROR_SSID_NOT_SET, QStringLiteral("NETWORKERROR_SSID_NOT_SET")},
              {NETWORKERROR_SSID_NOT_FOUND, QStringLiteral("NETWORKERROR_SSID_NOT_FOUND")},
              {NETWORKERROR_PASSWORD_INVALID, QStringLiteral("NETWORKERROR_PASSWORD_INVALID")},
              {NETWORKERROR_OTHER, QStringLiteral("NETWORKERROR_OTHER")}}
{
}

} // namespace NetworkTypes

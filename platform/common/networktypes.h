#pragma once

#include "common_global.h"

#include <QMap>
#include <QObject>
#include <QString>

// The network vocabularies the device reports, with tables between value and name.
namespace NetworkTypes {
Q_NAMESPACE_EXPORT(COMMON_EXPORT)

enum NetworkModes {
    NETWORKMODE_NONE,
    NETWORKMODE_ETHERNET,
    NETWORKMODE_WIFI_AP,
    NETWORKMODE_WIFI_ST,
    NETWORKMODE_USB,
    NETWORKMODE_CETEST,
    NETWORKMODE_BT
};
Q_ENUM_NS(NetworkModes)

enum NetworkStates {
    NETWORKSTATE_DISCONNECTED,
    NETWORKSTATE_CONNECTED,
    NETWORKSTATE_CONNECTING,
    NETWORKSTATE_ERROR
};
Q_ENUM_NS(NetworkStates)

enum NetworkErrors {
    NETWORKERROR_SSID_NOT_SET,
    NETWORKERROR_SSID_NOT_FOUND,
    NETWORKERROR_PASSWORD_INVALID,
    NETWORKERROR_OTHER
};
Q_ENUM_NS(NetworkErrors)

// Value <-> name table of one vocabulary.
template <typename E>
class EnumParser
{
public:
    EnumParser();

    QString toString(E value) const { return m_names.value(value); }

    E fromString(const QString &name, bool *ok = nullptr) const
    {
        for (auto it = m_names.cbegin(); it != m_names.cend(); ++it) {
            if (it.value() == name) {
                if (ok)
                    *ok = true;
                return it.key();
            }
        }
        if (ok)
            *ok = false;
        return E(0);
    }

    const QMap<E, QString> &names() const { return m_names; }

private:
    QMap<E, QString> m_names;
};

template <> COMMON_EXPORT EnumParser<NetworkModes>::EnumParser();
template <> COMMON_EXPORT EnumParser<NetworkStates>::EnumParser();
template <> COMMON_EXPORT EnumParser<NetworkErrors>::EnumParser();

} // namespace NetworkTypes

#pragma once

#include "common_global.h"

#include <QObject>
#include <QPointer>
#include <QString>

class FileWatch;

// What the simulated gauge reports. Defaults describe a plausible gauge on a
// site's Wi-Fi with a healthy battery and auto-off disabled.
struct COMMON_EXPORT DeviceState
{
    int batteryPercent = 87;
    int batteryMillivolts = 3980;
    bool charging = false;

    QString networkMode = QStringLiteral("NETWORKMODE_WIFI_ST");
    QString networkState = QStringLiteral("NETWORKSTATE_CONNECTED");
    QString networkError = QStringLiteral("NETWORKERROR_OTHER");
    QString ssid = QStringLiteral("SiteOffice");
    QString ipAddress = QStringLiteral("192.168.4.23");
    bool apEth0Bridge = false;

    bool bluetoothEnabled = true;

    QString modelNumber = QStringLiteral("VG-2");
    QString serialNumber = QStringLiteral("104217");
    QString calibrationDate = QStringLiteral("2026-03-14");
    QString softwareVersion = QStringLiteral("1.4.2");

    bool autoOffEnabled = false;
    qint64 autoOffTimeoutSeconds = 900;

    QString alternateChBRefColor = QStringLiteral("Y");
};

// The simulated device: an INI file that a developer or a test edits while the
// shell runs. Path: $VELTRA_DEVICE_FILE, else veltra::rootfs("/etc/veltra/device.ini").
// Keys (all optional; a missing or unusable value keeps its default):
//   [battery]   percent (0-100), millivolts, charging (true/false)
//   [network]   mode (NETWORKMODE_*), state (NETWORKSTATE_*), error (NETWORKERROR_*),
//               ssid, ip, bridge (true/false)
//   [bluetooth] enabled
//   [gauge]     model, serial, calibration_date, software_version
//   [autooff]   enabled, timeout (seconds from the last activity to power-off)
//   [tubing]    alternate_chb_ref_color (one of 0 G R B Y, or empty)
// The file is watched: every change is read at once and announced by the
// signals below, each only when its part of the state changed.
class COMMON_EXPORT SimulatedDevice : public QObject
{
    Q_OBJECT
public:
    static SimulatedDevice &instance();

    DeviceState state();
    QString filePath() const;

    // Reads the file again now (the watch does this on its own).
    void reload();

    // The state a device file with `content` describes (defaults for what it
    // lacks or holds unusable).
    static DeviceState parse(const QByteArray &content);

signals:
    void batteryChanged();
    void networkChanged();
    void bluetoothChanged();
    void gaugeChanged();
    void autoOffChanged();
    void tubingChanged();

private:
    SimulatedDevice();
    // Arms the watch for this application and path; true when it did.
    bool ensureWatching();
    static DeviceState read(const QString &path);

    DeviceState m_state;
    bool m_loaded = false;
    FileWatch *m_watch = nullptr;
    QPointer<QObject> m_watchApp;
};

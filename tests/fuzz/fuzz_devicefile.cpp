// The simulated device's file reader, SimulatedDevice::parse(), over any bytes.
// Properties: every value is within its range or a name of its vocabulary,
// the same bytes give the same state, and a text value read from the file,
// written back quoted the way the README shows, is read as the same text.

#include "fuzzsupport.h"
#include "networktypes.h"
#include "simulateddevice.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

template <typename E>
bool isName(const QString &name)
{
    bool ok = false;
    NetworkTypes::EnumParser<E>().fromString(name, &ok);
    return ok;
}

bool sameState(const DeviceState &a, const DeviceState &b)
{
    return a.batteryPercent == b.batteryPercent && a.batteryMillivolts == b.batteryMillivolts
        && a.charging == b.charging && a.networkMode == b.networkMode && a.networkState == b.networkState
        && a.networkError == b.networkError && a.ssid == b.ssid && a.ipAddress == b.ipAddress
        && a.apEth0Bridge == b.apEth0Bridge && a.bluetoothEnabled == b.bluetoothEnabled
        && a.modelNumber == b.modelNumber && a.serialNumber == b.serialNumber
        && a.calibrationDate == b.calibrationDate && a.softwareVersion == b.softwareVersion
        && a.autoOffEnabled == b.autoOffEnabled && a.autoOffTimeoutSeconds == b.autoOffTimeoutSeconds
        && a.alternateChBRefColor == b.alternateChBRefColor;
}

// `text` as a quoted value: a quote and a backslash inside are escaped.
QByteArray quoted(const QString &text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return '"' + escaped.toUtf8() + '"';
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), int(size));
    const DeviceState s = SimulatedDevice::parse(content);

    CHECK(s.batteryPercent >= 0 && s.batteryPercent <= 100, "percent %d", s.batteryPercent);
    CHECK(s.batteryMillivolts >= 0 && s.batteryMillivolts <= 100000, "millivolts %d", s.batteryMillivolts);
    CHECK(s.autoOffTimeoutSeconds >= -86400 && s.autoOffTimeoutSeconds <= 7 * 86400, "timeout %lld",
          static_cast<long long>(s.autoOffTimeoutSeconds));
    CHECK(isName<NetworkTypes::NetworkModes>(s.networkMode), "mode %s", fuzz::show(s.networkMode).constData());
    CHECK(isName<NetworkTypes::NetworkStates>(s.networkState), "state %s", fuzz::show(s.networkState).constData());
    CHECK(isName<NetworkTypes::NetworkErrors>(s.networkError), "error %s", fuzz::show(s.networkError).constData());
    static const QStringList colours = {QString(), QStringLiteral("0"), QStringLiteral("G"), QStringLiteral("R"),
                                        QStringLiteral("B"), QStringLiteral("Y")};
    CHECK(colours.contains(s.alternateChBRefColor), "colour %s", fuzz::show(s.alternateChBRefColor).constData());
    // Texts come from one line each.
    for (const QString &text : {s.ssid, s.ipAddress, s.modelNumber, s.serialNumber, s.calibrationDate,
                                s.softwareVersion}) {
        CHECK(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')), "text %s",
              fuzz::show(text).constData());
    }

    CHECK(sameState(s, SimulatedDevice::parse(content)), "two reads of the same bytes differ");

    // What was read from the file, written back quoted, reads the same.
    const QByteArray written = "[network]\nssid=" + quoted(s.ssid) + "\n[gauge]\nmodel=" + quoted(s.modelNumber)
        + "  ; a comment\nsoftware_version = " + quoted(s.softwareVersion) + "\n";
    const DeviceState again = SimulatedDevice::parse(written);
    CHECK(again.ssid == s.ssid, "ssid %s read back as %s", fuzz::show(s.ssid).constData(),
          fuzz::show(again.ssid).constData());
    CHECK(again.modelNumber == s.modelNumber, "model %s read back as %s", fuzz::show(s.modelNumber).constData(),
          fuzz::show(again.modelNumber).constData());
    CHECK(again.softwareVersion == s.softwareVersion, "version %s read back as %s",
          fuzz::show(s.softwareVersion).constData(), fuzz::show(again.softwareVersion).constData());
    return 0;
}

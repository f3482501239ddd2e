#include "simulateddevice.h"

#include "filewatch.h"
#include "networktypes.h"
#include "rootfs.h"
#include "savedfile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QHash>

namespace {

const QStringList kColourCodes = {QStringLiteral("0"), QStringLiteral("G"), QStringLiteral("R"),
                                  QStringLiteral("B"), QStringLiteral("Y")};

// The value of a "key = value" line: a ";" or "#" outside double quotes starts
// a comment; a value wholly in double quotes keeps what is inside them, where
// \" stands for a quote and \\ for a backslash.
QString iniValue(const QString &raw)
{
    QString text;
    bool quoted = false;
    for (int i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (quoted && c == QLatin1Char('\\') && i + 1 < raw.size()) {
            text += c;
            text += raw.at(++i);
            continue;
        }
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char(';') || c == QLatin1Char('#')))
            break;
        text += c;
    }
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"'))) {
        QString inner;
        for (int i = 1; i < text.size() - 1; ++i) {
            if (text.at(i) == QLatin1Char('\\') && i + 1 < text.size() - 1)
                ++i;
            inner += text.at(i);
        }
        return inner;
    }
    return text;
}

// The device file is read with a small parser of its own: QSettings keeps a
// per-path cache that misses quick edits of the same size within one time stamp.
class IniValues
{
public:
    explicit IniValues(const QByteArray &content)
    {
        QString group;
        QByteArray text = content;
        text.replace("\r\n", "\n").replace('\r', '\n');
        for (const QByteArray &rawLine : text.split('\n')) {
            const QString line = QString::fromUtf8(rawLine).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
                continue;
            if (line.startsWith(QLatin1Char('['))) {
                // "[name]", then perhaps a comment; anything else after it is
                // logged, and the section counts all the same.
                const int close = line.indexOf(QLatin1Char(']'));
                group = close > 0 ? line.mid(1, close - 1).trimmed() : line.mid(1).trimmed();
                if (close < 0 || !iniValue(line.mid(close + 1)).isEmpty())
                    qDebug() << "SimulatedDevice::read() a malformed section line:" << line;
                continue;
            }
            const int equals = line.indexOf(QLatin1Char('='));
            if (equals <= 0)
                continue;
            m_values.insert(group + QLatin1Char('/') + line.left(equals).trimmed(), iniValue(line.mid(equals + 1)));
        }
    }
    bool contains(const QString &key) const { return m_values.contains(key); }
    QString value(const QString &key) const { return m_values.value(key); }

private:
    QHash<QString, QString> m_values;
};

bool readBool(const IniValues &ini, const QString &key, bool fallback)
{
    if (!ini.contains(key))
        return fallback;
    const QString text = ini.value(key).trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1") || text == QLatin1String("yes"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0") || text == QLatin1String("no"))
        return false;
    qDebug() << "SimulatedDevice::read() ignoring" << key << "=" << text;
    return fallback;
}

qint64 readInt(const IniValues &ini, const QString &key, qint64 fallback, qint64 low, qint64 high)
{
    if (!ini.contains(key))
        return fallback;
    bool ok = false;
    const qint64 value = ini.value(key).trimmed().toLongLong(&ok);
    if (!ok || value < low || value > high) {
        qDebug() << "SimulatedDevice::read() ignoring" << key << "=" << ini.value(key);
        return fallback;
    }
    return value;
}

QString readText(const IniValues &ini, const QString &key, const QString &fallback)
{
    return ini.contains(key) ? ini.value(key) : fallback;
}

template <typename E>
QString readName(const IniValues &ini, const QString &key, const QString &fallback)
{
    if (!ini.contains(key))
        return fallback;
    const QString name = ini.value(key).trimmed();
    bool ok = false;
    NetworkTypes::EnumParser<E>().fromString(name, &ok);
    if (!ok) {
        qDebug() << "SimulatedDevice::read() ignoring" << key << "=" << name;
        return fallback;
    }
    return name;
}

} // namespace

SimulatedDevice::SimulatedDevice() = default;

SimulatedDevice &SimulatedDevice::instance()
{
    // Lives until the process ends, like the device library's other singletons.
    static SimulatedDevice *device = new SimulatedDevice;
    return *device;
}

QString SimulatedDevice::filePath() const
{
    const QString fromEnv = qEnvironmentVariable("VELTRA_DEVICE_FILE");
    return fromEnv.isEmpty() ? veltra::rootfs(QStringLiteral("/etc/veltra/device.ini")) : fromEnv;
}

DeviceState SimulatedDevice::state()
{
    // Watch first, then read, so that no edit falls between the two.
    if (ensureWatching() || !m_loaded) {
        m_state = read(filePath());
        m_loaded = true;
    }
    return m_state;
}

bool SimulatedDevice::ensureWatching()
{
    // The watch needs an application object; start-up asks for the device
    // state before one exists, and tests create more than one in turn (and
    // may point $VELTRA_DEVICE_FILE elsewhere between them).
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || (m_watch && m_watchApp == app && m_watch->path() == QFileInfo(filePath()).absoluteFilePath()))
        return false;
    delete m_watch;
    m_watch = new FileWatch(filePath(), this);
    m_watchApp = app;
    connect(m_watch, &FileWatch::changed, this, &SimulatedDevice::reload);
    return true;
}

void SimulatedDevice::reload()
{
    const DeviceState old = m_loaded ? m_state : DeviceState();
    ensureWatching();
    m_state = read(filePath());
    m_loaded = true;

    const DeviceState &s = m_state;
    if (old.batteryPercent != s.batteryPercent || old.batteryMillivolts != s.batteryMillivolts
        || old.charging != s.charging)
        emit batteryChanged();
    if (old.networkMode != s.networkMode || old.networkState != s.networkState
        || old.networkError != s.networkError || old.ssid != s.ssid || old.ipAddress != s.ipAddress
        || old.apEth0Bridge != s.apEth0Bridge)
        emit networkChanged();
    if (old.bluetoothEnabled != s.bluetoothEnabled)
        emit bluetoothChanged();
    if (old.modelNumber != s.modelNumber || old.serialNumber != s.serialNumber
        || old.calibrationDate != s.calibrationDate || old.softwareVersion != s.softwareVersion)
        emit gaugeChanged();
    if (old.autoOffEnabled != s.autoOffEnabled || old.autoOffTimeoutSeconds != s.autoOffTimeoutSeconds)
        emit autoOffChanged();
    if (old.alternateChBRefColor != s.alternateChBRefColor)
        emit tubingChanged();
}

DeviceState SimulatedDevice::read(const QString &path)
{
    // A simulated device file is a few hundred bytes; anything huge, special
    // (a FIFO never blocks the read) or missing gives the defaults. A link is
    // followed: the file is the developer's, not saved data.
    const std::optional<QByteArray> content = saved::readFile(path, 1024 * 1024, saved::Links::Follow);
    if (!content)
        return DeviceState();
    return parse(*content);
}

DeviceState SimulatedDevice::parse(const QByteArray &content)
{
    DeviceState s;
    const IniValues ini(content);
    s.batteryPercent = int(readInt(ini, QStringLiteral("battery/percent"), s.batteryPercent, 0, 100));
    s.batteryMillivolts = int(readInt(ini, QStringLiteral("battery/millivolts"), s.batteryMillivolts, 0, 100000));
    s.charging = readBool(ini, QStringLiteral("battery/charging"), s.charging);

    s.networkMode = readName<NetworkTypes::NetworkModes>(ini, QStringLiteral("network/mode"), s.networkMode);
    s.networkState = readName<NetworkTypes::NetworkStates>(ini, QStringLiteral("network/state"), s.networkState);
    s.networkError = readName<NetworkTypes::NetworkErrors>(ini, QStringLiteral("network/error"), s.networkError);
    s.ssid = readText(ini, QStringLiteral("network/ssid"), s.ssid);
    s.ipAddress = readText(ini, QStringLiteral("network/ip"), s.ipAddress);
    s.apEth0Bridge = readBool(ini, QStringLiteral("network/bridge"), s.apEth0Bridge);

    s.bluetoothEnabled = readBool(ini, QStringLiteral("bluetooth/enabled"), s.bluetoothEnabled);

    s.modelNumber = readText(ini, QStringLiteral("gauge/model"), s.modelNumber);
    s.serialNumber = readText(ini, QStringLiteral("gauge/serial"), s.serialNumber);
    s.calibrationDate = readText(ini, QStringLiteral("gauge/calibration_date"), s.calibrationDate);
    s.softwareVersion = readText(ini, QStringLiteral("gauge/software_version"), s.softwareVersion);

    s.autoOffEnabled = readBool(ini, QStringLiteral("autooff/enabled"), s.autoOffEnabled);
    s.autoOffTimeoutSeconds = readInt(ini, QStringLiteral("autooff/timeout"), s.autoOffTimeoutSeconds,
                                      -86400, 7 * 86400);

    const QString alternate = readText(ini, QStringLiteral("tubing/alternate_chb_ref_color"),
                                       s.alternateChBRefColor).trimmed().toUpper();
    if (alternate.isEmpty() || kColourCodes.contains(alternate))
        s.alternateChBRefColor = alternate;
    else
        qDebug() << "SimulatedDevice::read() ignoring tubing/alternate_chb_ref_color =" << alternate;
    return s;
}

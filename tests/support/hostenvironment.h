#pragma once

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

class AppManager;
class QQmlEngine;

namespace veltra::test {

class DeviceFileWriter;
class ScreenProbe;
class HttpProbe;

// Gives a QML engine the context the host gives its engine: `appManager` (over
// $VELTRA_TEST_APPS_DIR, else the staged apps, and the libraries named in
// $VELTRA_TEST_APPS), `globalConfig`, `icondir` and
// `language` ($VELTRA_TEST_LANGUAGE, else en-US), with the host's resources
// registered and every device path mapped into a fresh temporary root. The
// context property `simulatedDevice` (DeviceFileWriter) plays the device,
// `httpProbe` (HttpProbe) is a web server on this machine that records what is
// asked of it, `testMarkerPicture` the file URL of a small magenta PNG, and
// `timeoutFactor` (VELTRA_TIMEOUT_FACTOR, else 1) scales the tests' time-outs;
// `screenProbe` reads the colours of grabbed pictures.
class HostEnvironment
{
public:
    HostEnvironment();
    ~HostEnvironment();
    void attach(QQmlEngine *engine);

    QString rootfs() const { return m_rootfs.path(); }

private:
    QTemporaryDir m_rootfs;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<AppManager> m_appManager;
    std::unique_ptr<DeviceFileWriter> m_device;
    std::unique_ptr<ScreenProbe> m_screenProbe;
    std::unique_ptr<HttpProbe> m_httpProbe;
};

} // namespace veltra::test

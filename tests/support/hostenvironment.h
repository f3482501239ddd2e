#pragma once

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

class AppManager;
class QQmlEngine;

namespace veltra::test {

// Gives a QML engine the context the host gives its engine: `appManager` (over
// $VELTRA_TEST_APPS_DIR, else the staged apps), `globalConfig`, `icondir` and
// `language` ($VELTRA_TEST_LANGUAGE, else en-US), with the host's resources
// registered and every device path mapped into a fresh temporary root.
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
};

} // namespace veltra::test

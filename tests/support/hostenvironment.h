#pragma once

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

class QQmlEngine;

namespace veltra::test {

// Gives a QML engine the context the host gives its engine: `globalConfig`,
// `icondir`, `language` and (once the apps exist) `appManager`, with every
// device path mapped into a fresh temporary root.
class HostEnvironment
{
public:
    HostEnvironment();
    void attach(QQmlEngine *engine);

    QString rootfs() const { return m_rootfs.path(); }

private:
    QTemporaryDir m_rootfs;
    std::unique_ptr<QSettings> m_settings;
};

} // namespace veltra::test

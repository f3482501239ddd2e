#pragma once

#include <QObject>
#include <QString>

namespace veltra::test {

// Lets a QML test play the simulated device: write() replaces the device file
// ($VELTRA_DEVICE_FILE) and has the device library read it at once.
class DeviceFileWriter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE bool write(const QString &ini);
};

} // namespace veltra::test

#pragma once

#include <QObject>
#include <QString>

namespace veltra::test {

// Lets a QML test play the simulated device: write() replaces the device file
// ($VELTRA_DEVICE_FILE) and has the device library read it at once;
// setSavedFileWritable() makes a saved file read-only or writable again.
class DeviceFileWriter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE bool write(const QString &ini);

    // Clears or sets the owner's write permission of a file of the saved
    // data ("global.conf"): one without it is read-only by intent and is
    // never written, not even by root.
    Q_INVOKABLE bool setSavedFileWritable(const QString &name, bool writable);
};

} // namespace veltra::test

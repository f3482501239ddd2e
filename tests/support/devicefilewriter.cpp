#include "devicefilewriter.h"

#include "rootfs.h"
#include "simulateddevice.h"

#include <QFile>

namespace veltra::test {

bool DeviceFileWriter::write(const QString &ini)
{
    QFile file(SimulatedDevice::instance().filePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(ini.toUtf8());
    file.close();
    SimulatedDevice::instance().reload();
    return true;
}

bool DeviceFileWriter::setSavedFileWritable(const QString &name, bool writable)
{
    QFile file(veltra::rootfs(QStringLiteral("/opt/save_data/") + name));
    const QFileDevice::Permissions permissions = file.permissions();
    return file.setPermissions(writable ? permissions | QFileDevice::WriteOwner
                                        : permissions & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser));
}

} // namespace veltra::test

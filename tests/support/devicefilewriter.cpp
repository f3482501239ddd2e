#include "devicefilewriter.h"

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

} // namespace veltra::test

#include "qmlsetup.h"

#include "batterystatewrapper.h"
#include "diagtime.h"
#include "statusmanager.h"
#include "virtualkeyboard.h"

#include <QSettings>
#include <QtQml>

namespace tarvik {

void registerZelTypes()
{
    const char *uri = "com.zel";
    qmlRegisterType<VirtualKeyboard>(uri, 1, 0, "VirtualKeyboard");
    qmlRegisterType<QSettings>(uri, 1, 0, "QSettings");
    qmlRegisterType<DiagTime>(uri, 1, 0, "DiagTime");
    qmlRegisterType<StatusManager>(uri, 1, 0, "StatusManager");
    qmlRegisterType<BatteryStateWrapper>(uri, 1, 0, "BatteryStateWrapper");
}

} // namespace tarvik

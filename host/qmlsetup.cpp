#include "qmlsetup.h"

#include "batterystatewrapper.h"
#include "diagtime.h"
#include "firstframewatch.h"
#include "gaugeinfo.h"
#include "networksettings.h"
#include "statusmanager.h"
#include "virtualkeyboard.h"

#include <QFont>
#include <QGuiApplication>
#include <QSettings>
#include <QtQml>

static void initHostResources()
{
    // Q_INIT_RESOURCE must be used outside any namespace.
    Q_INIT_RESOURCE(host_qml);
    Q_INIT_RESOURCE(host_veltra_module);
    Q_INIT_RESOURCE(tarvik_i18n);
}

namespace tarvik {

void initResources()
{
    static bool registered = false;
    if (!registered) {
        initHostResources();
        registered = true;
    }
}

void setTextRendering()
{
    // Labels bind font.weight and font.capitalization. Qt 5.15 looks up the
    // type of a value type's enum property by its name at every evaluation
    // of such a binding, and finds none: each miss walks every registered
    // type (about 15,000 instructions; 900 of them while the apps load)
    // before it settles on int. Known as names of int, the first lookup
    // finds them early, with the same result.
    for (const char *name : {"FontWeight", "QQuickFontValueType::FontWeight", "Capitalization",
                             "QQuickFontValueType::Capitalization"})
        qRegisterMetaType<int>(name);
    QFont font = QGuiApplication::font();
    font.setHintingPreference(QFont::PreferNoHinting);
    QGuiApplication::setFont(font);
}

void registerZelTypes()
{
    const char *uri = "com.zel";
    qmlRegisterType<VirtualKeyboard>(uri, 1, 0, "VirtualKeyboard");
    qmlRegisterType<QSettings>(uri, 1, 0, "QSettings");
    qmlRegisterType<DiagTime>(uri, 1, 0, "DiagTime");
    qmlRegisterType<FirstFrameWatch>(uri, 1, 0, "FirstFrameWatch");
    qmlRegisterType<StatusManager>(uri, 1, 0, "StatusManager");
    qmlRegisterType<BatteryStateWrapper>(uri, 1, 0, "BatteryStateWrapper");
    // Reached through StatusManager's properties only; no names of their own.
    qmlRegisterAnonymousType<NetworkSettings>(uri, 1);
    qmlRegisterAnonymousType<GaugeInfo>(uri, 1);
}

} // namespace tarvik

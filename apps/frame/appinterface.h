#pragma once

#include <QQmlExtensionPlugin>

// The one interface the host asks an app plug-in for. It adds nothing to
// QQmlExtensionPlugin and has no meta-object of its own: what makes a plug-in
// an app is that its class lists AppInterface among its interfaces, so that
// the host's interface cast (by the identifier below) succeeds.
class AppInterface : public QQmlExtensionPlugin
{
public:
    using QQmlExtensionPlugin::QQmlExtensionPlugin;
};

#define AppInterface_iid "com.ostrelle.veltra.AppInterface"
Q_DECLARE_INTERFACE(AppInterface, AppInterface_iid)

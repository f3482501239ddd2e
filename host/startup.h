#pragma once

#include "globalconfig.h"

#include <QString>
#include <QUrl>

#include <functional>

class AppManager;
class AutoOffWatch;
class QGuiApplication;
class QObject;
class QQmlApplicationEngine;
class QSettings;
class Screenshot;

namespace tarvik {

// What a run has built by the time the event loop is about to start; handed to
// StartupOptions::beforeEventLoop so that tests and benchmarks can look in.
struct StartupContext
{
    QGuiApplication *app = nullptr;
    QSettings *settings = nullptr;
    AppManager *appManager = nullptr;
    QQmlApplicationEngine *engine = nullptr;
    QObject *rootWindow = nullptr;
    Screenshot *screenshot = nullptr;
    AutoOffWatch *autoOffWatch = nullptr;
    StartupSettings config;
    QString iconDir;
};

struct StartupOptions
{
    QUrl rootUrl = QUrl(QStringLiteral("qrc:/VeltraRootApp.qml"));
    QString powerOffProgram = QStringLiteral("/sbin/poweroff");
    QString startupSound = QStringLiteral("/opt/sounds/startup.wav");
    // The directory the icon URL is built from; empty: the program's own.
    QString programDir;
    // An app the shell never lists (the capture list) listed all the same: a preview of it.
    QString excludedAppShown;
    // Called once, right before the event loop runs.
    std::function<void(StartupContext &)> beforeEventLoop;
};

// The whole life of tarvik: start-up, the event loop, and the orderly end.
// Returns the event loop's exit code.
int run(int &argc, char **argv, const StartupOptions &options = StartupOptions());

} // namespace tarvik

#pragma once

#include <QString>

#include <memory>

class QSettings;

// The values start-up reads from the global configuration, each as a string.
struct StartupSettings
{
    QString appsDir;
    QString homeAppId;
    QString startupAppId;
    QString singleAppMode;
    QString screenshotDir;
};

// The device's global configuration "/opt/save_data/global.conf" and the saved
// data directory around it (all device paths mapped through veltra::rootfs).
class GlobalConfig
{
public:
    static QString savedDataDir();     // mapped "/opt/save_data/", with its trailing slash
    static QString filePath();         // mapped "/opt/save_data/global.conf"
    static QString resetMarkerPath();  // mapped "/opt/save_data/delete_on_reboot"

    // Removes the whole saved data directory when the reset marker is a regular
    // file (a linked one is emptied and kept). Returns whether a reset was made.
    static bool resetIfRequested();

    // Opens the configuration, creating its directory when missing and
    // removing the temporaries a killed earlier run left in it. The settings
    // object never touches the file itself (SavedSettings).
    static std::unique_ptr<QSettings> open();

    // Stores "startup_app_id" and "internet_clock_sync_enabled" when absent.
    static void writeDefaults(QSettings &settings);

    static StartupSettings read(QSettings &settings);

    // The one app to list in single-app mode ("single_app_mode" exactly
    // "true"), else the empty string: every app.
    static QString appFilter(const StartupSettings &settings);

    // "file:///" + the program's directory + "/../../veltra/icons/".
    static QString iconDirUrl(const QString &programDir);

    // The apps directory setting as a path: "\" separates directories on every
    // platform, so the Windows-style default "..\..\veltra\apps" works here too.
    static QString appsDirPath(const QString &setting);

private:
    static bool isClearable(const QString &target, const QString &linkDir);
};

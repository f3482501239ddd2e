// The real start-up sequence, run in-process against a recording root window.
#include "appmanager.h"
#include "diagtime.h"
#include "globalconfig.h"
#include "startup.h"
#include "logcapture.h"
#include "warningguard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

struct RunResult
{
    int exitCode = -1;
    bool hadRoot = false;
    QVariantMap atCompletion;
    QStringList writes;
    QVariantMap finalProperties;
    QString defaultLocale;
    QString iconDir;
    QString programDir;
    bool screenshotSet = false;
    QVariantList apps;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_root;

    void writeConfig(const QByteArray &content)
    {
        const QString path = m_root->path() + "/opt/save_data/global.conf";
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    static RunResult runOnce(const QString &rootUrl = QStringLiteral("qrc:/RecordingRoot.qml"))
    {
        RunResult result;
        tarvik::StartupOptions options;
        options.rootUrl = QUrl(rootUrl);
        options.powerOffProgram = QStringLiteral("/bin/true");
        options.beforeEventLoop = [&result](tarvik::StartupContext &context) {
            result.hadRoot = context.rootWindow != nullptr;
            if (context.rootWindow) {
                result.atCompletion = context.rootWindow->property("atCompletion").toMap();
                result.writes = context.rootWindow->property("writes").toStringList();
                for (const char *name : {"__homeAppId", "__startupAppId", "__singleAppMode", "autoOffWarning"})
                    result.finalProperties.insert(name, context.rootWindow->property(name));
            }
            result.defaultLocale = QLocale().name();
            result.iconDir = context.iconDir;
            result.programDir = QCoreApplication::applicationDirPath();
            result.screenshotSet = context.screenshot != nullptr;
            if (context.appManager)
                result.apps = context.appManager->appMetadataList().toList();
            QTimer::singleShot(0, context.app, &QCoreApplication::quit);
        };
        static char arg0[] = "tst_startup";
        static char *argv[] = {arg0, nullptr};
        int argc = 1;
        result.exitCode = tarvik::run(argc, argv, options);
        return result;
    }

private slots:
    void initTestCase()
    {
        veltra::test::startLogCapture();
        veltra::test::installWarningGuard();
    }

    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        qputenv("VELTRA_ROOTFS", m_root->path().toUtf8());
        veltra::test::clearCapturedLog();
    }

    void cleanup()
    {
        const QString warnings = veltra::test::takeQmlWarnings();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
    }

    void rootPropertiesAreWrittenAfterCompletionInOrder()
    {
        writeConfig("[General]\nhome_app_id=com.example.Home\nstartup_app_id=com.example.Start\n"
                    "single_app_mode=yes\n");
        const RunResult r = runOnce();
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.hadRoot);
        QCOMPARE(r.atCompletion.value("homeAppId").toString(), QString());
        QCOMPARE(r.atCompletion.value("startupAppId").toString(), QString());
        QCOMPARE(r.atCompletion.value("singleAppMode").toBool(), false);
        QCOMPARE(r.atCompletion.value("autoOffWarning").toBool(), true);
        QCOMPARE(r.atCompletion.value("hasScreenshot").toBool(), false);
        QCOMPARE(r.writes,
                 QStringList({"__homeAppId", "__startupAppId", "__singleAppMode", "autoOffWarning"}));
        QCOMPARE(r.finalProperties.value("__homeAppId").toString(), QString("com.example.Home"));
        QCOMPARE(r.finalProperties.value("__startupAppId").toString(), QString("com.example.Start"));
        QCOMPARE(r.finalProperties.value("autoOffWarning").toBool(), false);
        QVERIFY(r.screenshotSet);
    }

    void singleAppModeTextBecomesABool_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("true") << QByteArray("true") << true;
        QTest::newRow("True") << QByteArray("True") << true;
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("false") << QByteArray("false") << false;
        QTest::newRow("FALSE") << QByteArray("FALSE") << false;
        QTest::newRow("empty") << QByteArray("") << false;
    }
    void singleAppModeTextBecomesABool()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, expected);
        writeConfig("[General]\nsingle_app_mode=" + text + "\n");
        const RunResult r = runOnce();
        QCOMPARE(r.finalProperties.value("__singleAppMode").toBool(), expected);
    }

    void contextAndLocaleFollowTheConfiguration()
    {
        writeConfig("[General]\nlanguage=de-DE\n");
        const RunResult r = runOnce();
        QCOMPARE(r.defaultLocale, QString("de_DE"));
        QCOMPARE(r.atCompletion.value("locale").toString(), QString("de_DE"));
        QCOMPARE(r.atCompletion.value("language").toString(), QString("de-DE"));
        QCOMPARE(r.atCompletion.value("hasGlobalConfig").toBool(), true);
        QCOMPARE(r.iconDir, "file:///" + r.programDir + "/../../veltra/icons/");
        QCOMPARE(r.atCompletion.value("icondir").toString(), r.iconDir);
        // The com.zel types are registered before the root window loads.
        QCOMPARE(r.atCompletion.value("keyboardDigit").toString(), QString("1"));
        QCOMPARE(r.atCompletion.value("batteryPercent").toInt(), 87);
        // Reading the language wrote nothing back.
        QSettings ini(m_root->path() + "/opt/save_data/global.conf", QSettings::IniFormat);
        QCOMPARE(ini.value("language").toString(), QString("de-DE"));
    }

    void diagTimeIsZero()
    {
        const RunResult r = runOnce();
        QCOMPARE(r.atCompletion.value("diagEnd").toInt(), 0);
        // A number in QML, so arithmetic works ("01" if it were an object).
        QCOMPARE(r.atCompletion.value("diagEndPlusOne"), QVariant(1));
        DiagTime::start();
        QCOMPARE(DiagTime::end(), qint64(0));
        QCOMPARE(DiagTime().end(), qint64(0));
    }

    void startupWritesItsFilesAndLogs()
    {
        const RunResult r = runOnce();
        QCOMPARE(r.exitCode, 0);
        QVERIFY(veltra::test::capturedLog().contains("STARTUP SOUND!"));
        QVERIFY(veltra::test::capturedLog().filter("ZELSound::play() no sound file").size() == 1);
        QSettings ini(m_root->path() + "/opt/save_data/global.conf", QSettings::IniFormat);
        QCOMPARE(ini.value("startup_app_id").toString(), QString("com.ostrelle.veltra.Home"));
        QVERIFY(QFileInfo::exists(m_root->path() + "/opt/save_data/version_history"));
    }

    void resetMarkerClearsBeforeStart()
    {
        writeConfig("[General]\nhome_app_id=com.example.Home\n");
        QFile marker(m_root->path() + "/opt/save_data/delete_on_reboot");
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        const RunResult r = runOnce();
        QCOMPARE(r.finalProperties.value("__homeAppId").toString(), QString("com.ostrelle.veltra.Home"));
        QVERIFY(!marker.exists());
        QSettings ini(m_root->path() + "/opt/save_data/global.conf", QSettings::IniFormat);
        QCOMPARE(ini.allKeys().size(), 2);
    }

    void stagedAppsAreListedWithTranslatedTitles_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("singleAppMode");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("en-US") << QByteArray("en-US") << QByteArray("false")
                               << QStringList({"Gauge", "Home", "Lumvar", "Power Off", "Settings", "Updates"});
        QTest::newRow("de-DE") << QByteArray("de-DE") << QByteArray("false")
                               << QStringList({"Aktualisierungen", "Ausschalten", "Einstellungen", "Lumvar", "Manometer",
                                               "Startseite"});
        QTest::newRow("single app") << QByteArray("en-US") << QByteArray("true") << QStringList({"Lumvar"});
    }
    void stagedAppsAreListedWithTranslatedTitles()
    {
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, singleAppMode);
        QFETCH(QStringList, titles);
        writeConfig("[General]\napps_dir=" VELTRA_STAGE_APPS_DIR "\nlanguage=" + language
                    + "\nstartup_app_id=com.ostrelle.veltra.Lumvar\nsingle_app_mode=" + singleAppMode + "\n");
        const RunResult r = runOnce();
        // Apps of other teams may be staged beside ours: ours are all listed,
        // with these titles, and nothing else of ours.
        const QStringList ours = {"com.ostrelle.veltra.Home",     "com.ostrelle.veltra.Gauge",
                                  "com.ostrelle.veltra.Updates",  "com.ostrelle.veltra.Settings",
                                  "com.ostrelle.veltra.Power",    "com.ostrelle.veltra.Lumvar",
                                  "com.ostrelle.veltra.Sorvel"};
        QStringList listed;
        for (const QVariant &app : r.apps) {
            if (ours.contains(app.toMap().value("id").toString()))
                listed.append(app.toMap().value("title").toString());
        }
        listed.sort();
        QCOMPARE(listed, titles);
        if (singleAppMode == "true")
            QCOMPARE(r.apps.size(), 1);
    }

    void realShellLaunchesAppsAndTakesScreenshots()
    {
        const QString shots = m_root->path() + "/shots";
        writeConfig("[General]\napps_dir=" VELTRA_STAGE_APPS_DIR "\nscreenshot_dir=" + shots.toUtf8() + "\n");
        QStringList visited;
        QStringList files;
        tarvik::StartupOptions options;
        options.powerOffProgram = QStringLiteral("/bin/true");
        // As if run from the stage, whose pictures the launcher shows.
        options.programDir = QStringLiteral(VELTRA_STAGE_BIN_DIR);
        options.beforeEventLoop = [&](tarvik::StartupContext &context) {
            auto *window = qobject_cast<QQuickWindow *>(context.rootWindow);
            QTimer::singleShot(0, context.app, [&, window, root = context.rootWindow, app = context.app] {
                // A window never shown spoils the list of visits, and the test with it.
                if (!QTest::qWaitForWindowExposed(window))
                    visited << QStringLiteral("(window never exposed)");
                visited << root->property("__currAppId").toString();
                QMetaObject::invokeMethod(root, "launchApp", Q_ARG(QVariant, "com.ostrelle.veltra.Settings"),
                                          Q_ARG(QVariant, QVariant()));
                visited << root->property("__currAppId").toString();
                QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
                files = QDir(shots).entryList(QDir::Files);
                QMetaObject::invokeMethod(root, "launchApp", Q_ARG(QVariant, "com.ostrelle.veltra.Home"),
                                          Q_ARG(QVariant, QVariant()));
                visited << root->property("__currAppId").toString();
                app->quit();
            });
        };
        static char arg0[] = "tst_startup";
        static char *argv[] = {arg0, nullptr};
        int argc = 1;
        QCOMPARE(tarvik::run(argc, argv, options), 0);
        QCOMPARE(visited, QStringList({"com.ostrelle.veltra.Home", "com.ostrelle.veltra.Settings",
                                       "com.ostrelle.veltra.Home"}));
        QCOMPARE(files.size(), 1);
        QVERIFY(files.first().startsWith("screenshot-"));
        QVERIFY(QImage(shots + "/" + files.first()).width() > 0);
    }

    // Without a screen the shell ends with a failure at once (the service then
    // starts it again) instead of running on with nothing shown.
    void missingRootWindowEndsWithAFailure()
    {
        const RunResult r = runOnce(QStringLiteral("qrc:/NoSuchRoot.qml"));
        QCOMPARE(r.exitCode, 1);
        QVERIFY(!r.hadRoot);
        QVERIFY(!veltra::test::capturedLog().filter("did not load").isEmpty());
        veltra::test::clearQmlWarnings();
    }
};

int main(int argc, char **argv)
{
    // Each test function runs the whole start-up, which makes its own application.
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"

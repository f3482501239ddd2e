// App discovery, titles, translations and badges, over fixture plug-ins built
// with the real frame and over the real app libraries.
#include "appmanager.h"
#include "apprecord.h"
#include "language.h"
#include "reminder.h"
#include "simulateddevice.h"
#include "logcapture.h"
#include "warningguard.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QQmlContext>
#include <QRegularExpression>
#include <QQmlEngine>
#include <QQmlComponent>
#include <memory>
#include <QQmlExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace {

const QString kFixtures = QStringLiteral(VELTRA_FIXTURE_DIR);
const QString kStageApps = QStringLiteral(VELTRA_STAGE_APPS_DIR);

QStringList ids(const AppManager &manager)
{
    QStringList list;
    for (const QVariant &record : manager.appMetadataList().toList())
        list.append(record.toMap().value("id").toString());
    list.sort();
    return list;
}

QVariantMap record(const AppManager &manager, const QString &id)
{
    for (const QVariant &r : manager.appMetadataList().toList()) {
        if (r.toMap().value("id").toString() == id)
            return r.toMap();
    }
    return {};
}

} // namespace

class TestAppManager : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<QTemporaryDir> m_apps;

    // Copies plug-ins into the apps directory: "name" from the fixtures,
    // "stage:name" from the staged real apps.
    void install(const QStringList &files)
    {
        for (const QString &f : files) {
            const QString source = f.startsWith("stage:") ? kStageApps + "/" + f.mid(6) : kFixtures + "/" + f;
            QVERIFY2(QFile::copy(source, m_apps->path() + "/" + QFileInfo(source).fileName()), qPrintable(source));
        }
    }

    void setLanguage(const QString &language)
    {
        QSettings settings(m_root->path() + "/lang-" + language + ".conf", QSettings::IniFormat);
        settings.setValue("language", language);
        Language::instance().initLanguage(settings);
    }

    QString badgeFileText() const
    {
        QFile f(m_root->path() + "/opt/save_data/badges.conf");
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
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
        m_apps = std::make_unique<QTemporaryDir>();
        qputenv("VELTRA_ROOTFS", m_root->path().toUtf8());
        veltra::test::clearCapturedLog();
        setLanguage("en-US");
    }

    void cleanup()
    {
        const QString warnings = veltra::test::takeQmlWarnings();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
    }

    void emptyOrMissingDirectoryListsNothing()
    {
        QCOMPARE(AppManager(m_apps->path(), QString()).appMetadataList().toList().size(), 0);
        QCOMPARE(AppManager(m_apps->path() + "/missing", QString()).appMetadataList().toList().size(), 0);
    }

    void realAppsAreListedButNotSorvel()
    {
        install({"stage:libhomeapp.so", "stage:libgaugeapp.so", "stage:libupdatesapp.so",
                 "stage:libsettingsapp.so", "stage:libpowerapp.so", "stage:liblumvar.so", "stage:libsorvel.so"});
        AppManager manager(m_apps->path(), QString());
        QCOMPARE(ids(manager), QStringList({"com.ostrelle.veltra.Gauge", "com.ostrelle.veltra.Home",
                                            "com.ostrelle.veltra.Lumvar", "com.ostrelle.veltra.Power",
                                            "com.ostrelle.veltra.Settings", "com.ostrelle.veltra.Updates"}));
        QCOMPARE(record(manager, "com.ostrelle.veltra.Power").value("title").toString(), QString("Power Off"));
        QCOMPARE(record(manager, "com.ostrelle.veltra.Lumvar").value("title").toString(), QString("Lumvar"));
        // Sorvel's library was loaded (its resources exist) but nothing of it was accepted.
        QVERIFY(QFile::exists(":/SorvelApp.qml"));
        QVERIFY(veltra::test::capturedLog().contains("LumvarApp::registerTypes()"));
        QVERIFY(!veltra::test::capturedLog().contains("SorvelApp::registerTypes()"));
        QCOMPARE(QCoreApplication::translate("SorvelApp", "SORVEL_APP_TITLE"), QString("SORVEL_APP_TITLE"));
    }

    void recordsPassThroughWithTranslatedTitles()
    {
        install({"libalpha.so", "libfakelumvar.so"});
        AppManager manager(m_apps->path(), QString());
        const QVariantMap alpha = record(manager, "com.ostrelle.veltra.Alpha");
        QCOMPARE(alpha.value("title").toString(), QString("Alpha Title"));
        QCOMPARE(alpha.value("icon").toString(), QString("action/star"));
        QCOMPARE(alpha.value("version").toString(), QString("2.0.0"));
        QCOMPARE(alpha.value("sequence").type(), QVariant::Double);
        QCOMPARE(record(manager, "com.ostrelle.veltra.FakeLumvar").value("title").toString(), QString("Lumvar"));
        QCOMPARE(QCoreApplication::translate("AlphaApp", "ALPHA_GREETING"), QString("Hello from Alpha"));

        // QML sees the list as values: the sequence as a number.
        QQmlEngine engine;
        engine.rootContext()->setContextProperty("appManager", &manager);
        QQmlExpression expression(engine.rootContext(), nullptr,
                                  "typeof appManager.appMetadataList[0].sequence + ':' + appManager.appMetadataList.length");
        QCOMPARE(expression.evaluate().toString(), QString("number:2"));
    }

    void builtInTitlesFollowTheLanguage()
    {
        setLanguage("de-DE");
        install({"libfakepower.so", "libalpha.so"});
        AppManager manager(m_apps->path(), QString());
        QCOMPARE(record(manager, "com.ostrelle.veltra.FakePower").value("title").toString(), QString("Ausschalten"));
        QCOMPARE(record(manager, "com.ostrelle.veltra.Alpha").value("title").toString(), QString("Alpha-Titel"));
        QCOMPARE(QCoreApplication::translate("AlphaApp", "ALPHA_GREETING"), QString("Hallo von Alpha"));
    }

    // An app that is not built in may translate its launcher title in its own
    // catalogue: context "AppTitle", message id its id. Another app's catalogue
    // (dupfirst's carries a title for Alpha's id too, and loads first) is never asked.
    void ownCatalogueTranslatesTheTitle_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        // What a look-up in all catalogues would have given.
        QTest::addColumn<QString>("anyCatalogue");
        QTest::newRow("de-DE, translated") << "de-DE" << "Alpha-Titel" << "Alpha-Titel";
        // Alpha has no French catalogue; dupfirst has one, with a title for Alpha's id.
        QTest::newRow("fr-FR, no catalogue: as written") << "fr-FR" << "Alpha Title" << "Not Alpha's";
    }
    void ownCatalogueTranslatesTheTitle()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QString, anyCatalogue);
        setLanguage(language);
        QVERIFY(QFile::copy(kFixtures + "/libdup_a.so", m_apps->path() + "/lib0first.so"));
        install({"libalpha.so"});
        AppManager manager(m_apps->path(), QString());
        QCOMPARE(record(manager, "com.ostrelle.veltra.Alpha").value("title").toString(), title);
        QCOMPARE(QCoreApplication::translate("AppTitle", "com.ostrelle.veltra.Alpha"), anyCatalogue);
    }

    // All apps' files share one resource root: an app with a file that another
    // app (loaded before it) or the shell has is refused before its library is
    // loaded, with a line naming both and the file; the other keeps its file.
    void appWithAFileTakenAlreadyIsRefused_data()
    {
        QTest::addColumn<QStringList>("libraries");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("refusedFile");
        QTest::addColumn<QString>("kept");
        // %1: the apps directory.
        QTest::newRow("another app's")
            << QStringList({"clash_a/libfixture_clash_a.so", "clash_b/libfixture_clash_b.so"})
            << "libfixture_clash_b.so"
            << "the app com.ostrelle.veltra.ClashB has the resource file /ClashPage.qml of the app "
               "com.ostrelle.veltra.ClashA (%1/libfixture_clash_a.so), which stays"
            << ":/ClashBApp.qml" << "com.ostrelle.veltra.ClashA";
        QTest::newRow("the shell's") << QStringList({"clash_c/libfixture_clash_c.so", "libalpha.so"})
                                     << "libfixture_clash_c.so"
                                     << "the app com.ostrelle.veltra.ClashC has the resource file "
                                        "/TestShellFile.qml of the shell, which stays"
                                     << ":/ClashCApp.qml" << "com.ostrelle.veltra.Alpha";
    }
    void appWithAFileTakenAlreadyIsRefused()
    {
        QFETCH(QStringList, libraries);
        QFETCH(QString, refused);
        QFETCH(QString, message);
        QFETCH(QString, refusedFile);
        QFETCH(QString, kept);
        install(libraries);
        AppManager manager(m_apps->path(), QString());
        QCOMPARE(ids(manager), QStringList({kept}));
        const QStringList lines = veltra::test::capturedLog().filter("AppManager::discover() skipped");
        QCOMPARE(lines.size(), 1);
        const QString expected = m_apps->path() + "/" + refused + "\" : " + message.arg(m_apps->path());
        QVERIFY2(lines.constFirst().contains(expected), qPrintable(lines.constFirst() + "\n" + expected));
        // Never loaded: none of its files is there, and the kept file is the other's.
        QVERIFY(!QFile::exists(refusedFile));
        if (QFile::exists(":/ClashPage.qml")) {
            QFile page(":/ClashPage.qml");
            QVERIFY(page.open(QIODevice::ReadOnly));
            QVERIFY(page.readAll().contains("\"com.ostrelle.veltra.ClashA\""));
        }
    }

    // Records written by hand, with odd "resourceFiles": never a crash; an
    // entry that names a registered file or folder refuses the app with one
    // line, anything else is no one's file and lets it load.
    void oddResourceListsLoadOrAreRefusedWithOneLine_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("refusedFor"); // empty: loaded
        QTest::newRow("empty string") << "empty" << QString();
        QTest::newRow("numbers, null, objects, arrays") << "nonstring" << QString();
        QTest::newRow("..") << "dotdot" << QString();
        QTest::newRow("paths of this machine") << "abs" << QString();
        QTest::newRow("10000 characters") << "long" << QString();
        QTest::newRow("3000 entries") << "many" << QString();
        QTest::newRow("the shell's translations folder") << "i18n dir" << "/i18n";
        QTest::newRow("a shell file, doubled slash") << "shellvariant" << "//TestShellFile.qml";
    }
    void oddResourceListsLoadOrAreRefusedWithOneLine()
    {
        QFETCH(QString, variant);
        QFETCH(QString, refusedFor);
        const QString target = "hostile_odd_" + QString(variant).remove(' ');
        install({QStringLiteral("hostile/%1/lib%1.so").arg(target)});
        AppManager manager(m_apps->path(), QString());
        const QStringList lines = veltra::test::capturedLog().filter("AppManager::discover() skipped");
        if (refusedFor.isEmpty()) {
            QCOMPARE(ids(manager), QStringList({"com.ostrelle.veltra.Odd"}));
            QVERIFY2(lines.isEmpty(), qPrintable(lines.join('\n')));
        } else {
            QCOMPARE(ids(manager), QStringList());
            QCOMPARE(lines.size(), 1);
            const QString expected = "the app com.ostrelle.veltra.Odd has the resource file " + refusedFor
                                     + " of the shell, which stays";
            QVERIFY2(lines.constFirst().contains(expected), qPrintable(lines.constFirst()));
        }
    }

    // A library that lists none of its files ([]) loads, and its files are no
    // one's: an app that lists one of them later is refused and keeps nothing
    // of its own, and the file stays the first library's.
    void unlistedFileOfAnEarlierLibraryIsNotTakenOver()
    {
        install({"hostile/hostile_liar/libaaliar.so", "hostile/hostile_honest/libhostile_honest.so"});
        AppManager manager(m_apps->path(), QString());
        QCOMPARE(ids(manager), QStringList({"com.ostrelle.veltra.Liar"}));
        const QStringList lines = veltra::test::capturedLog().filter("AppManager::discover() skipped");
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.constFirst().contains("libhostile_honest.so\" : the app com.ostrelle.veltra.Honest has the "
                                             "resource file /LiarPage.qml of "),
                 qPrintable(lines.constFirst()));
        QVERIFY(!QFile::exists(":/HonestApp.qml"));
        QFile page(":/LiarPage.qml");
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("\"liar\""));
    }

    // A library that lists no files loads unchecked; its file of the shell's
    // name stays the shell's, in the resources and for the QML engine.
    void noListLibraryDoesNotTakeTheShellsFile()
    {
        install({"hostile/hostile_nolist/libhostile_nolist.so"});
        AppManager manager(m_apps->path(), QString());
        QCOMPARE(ids(manager), QStringList({"com.ostrelle.veltra.NoList"}));
        QFile file(":/TestShellFile.qml");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("no-list"));
        QQmlEngine engine;
        QQmlComponent component(&engine, QUrl("qrc:/TestShellFile.qml"));
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->objectName(), QString());
    }

    void otherTypeIsLoadedAndSkipped()
    {
        install({"libothertype.so", "libalpha.so"});
        AppManager manager(m_apps->path(), QString());
        QCOMPARE(ids(manager), QStringList({"com.ostrelle.veltra.Alpha"}));
        QVERIFY(QFile::exists(":/OtherTypeApp.qml"));
        QVERIFY(!veltra::test::capturedLog().contains("OtherTypeApp::registerTypes()"));
    }

    void duplicateIdsListTheLaterFileWithoutRegardToCase()
    {
        // Case-sensitive order would put "libDup_b.so" first.
        install({"libdup_a.so", "libDup_b.so"});
        AppManager manager(m_apps->path(), QString());
        QCOMPARE(manager.appMetadataList().toList().size(), 1);
        QCOMPARE(record(manager, "com.ostrelle.veltra.Dup").value("title").toString(), QString("Second"));
        QVERIFY(veltra::test::capturedLog().contains("DupFirstApp::registerTypes()"));
        QVERIFY(veltra::test::capturedLog().contains("DupSecondApp::registerTypes()"));
        QCOMPARE(QCoreApplication::translate("Dup", "DUPFIRST"), QString("first translated"));
        QCOMPARE(QCoreApplication::translate("Dup", "DUPSECOND"), QString("second translated"));
    }

    // Whichever of two libraries with one id is listed, the other app is gone
    // from the launcher: one line names the id and both files.
    void duplicateIdsAreLoggedWithBothFiles()
    {
        install({"libdup_a.so", "libDup_b.so"});
        AppManager manager(m_apps->path(), QString());
        const QStringList lines = veltra::test::capturedLog().filter("com.ostrelle.veltra.Dup");
        QCOMPARE(lines.size(), 1);
        const QString expected = QString("AppManager::discover() \"%1/libDup_b.so\" : the app com.ostrelle.veltra.Dup "
                                         "replaces the app of the same id in %1/libdup_a.so")
                                     .arg(m_apps->path());
        QVERIFY2(lines.constFirst().contains(expected), qPrintable(lines.constFirst() + "\n" + expected));
    }

    void filterListsOnlyItsApp()
    {
        install({"libalpha.so", "libfakelumvar.so"});
        AppManager manager(m_apps->path(), "com.ostrelle.veltra.Alpha");
        QCOMPARE(ids(manager), QStringList({"com.ostrelle.veltra.Alpha"}));
        QVERIFY(!veltra::test::capturedLog().contains("FakeLumvarApp::registerTypes()"));
    }

    void filterNamingNoAppListsAndRegistersNothing()
    {
        install({"libalpha.so", "libfakelumvar.so"});
        AppManager manager(m_apps->path(), "com.ostrelle.veltra.Nowhere");
        QCOMPARE(manager.appMetadataList().toList().size(), 0);
        QCOMPARE(veltra::test::capturedLog().filter("::registerTypes()").size(), 0);
    }

    void badFilesAreSkipped()
    {
        install({"libalpha.so", "libnotanapp.so", "libbadtypes.so", "libnoid.so", "libnoqml.so", "libwebqml.so"});
        const QString dir = m_apps->path();
        QFile text(dir + "/readme.txt");
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a library\n");
        text.close();
        QFile(dir + "/empty.so").open(QIODevice::WriteOnly);
        QFile real(kStageApps + "/liblumvar.so");
        QVERIFY(real.open(QIODevice::ReadOnly));
        QFile truncated(dir + "/libtruncated.so");
        QVERIFY(truncated.open(QIODevice::WriteOnly));
        truncated.write(real.read(real.size() / 3));
        truncated.close();
        QVERIFY(QFile::copy(QStringLiteral(VELTRA_COMMON_LIBRARY_FILE), dir + "/libplain.so"));
        QVERIFY(QDir(dir).mkdir("subdir.so"));
        QVERIFY(QFile::link(dir + "/gone.so", dir + "/libdangling.so"));
        QFile locked(dir + "/liblocked.so");
        QVERIFY(QFile::copy(kFixtures + "/libfakepower.so", locked.fileName()));
        QVERIFY(locked.setPermissions(QFileDevice::Permissions()));

        AppManager manager(dir, QString());
        QStringList listed = ids(manager);
        // As root the locked file is still readable; otherwise it is skipped.
        listed.removeAll("com.ostrelle.veltra.FakePower");
        QCOMPARE(listed, QStringList({"com.ostrelle.veltra.Alpha"}));
        QVERIFY(!veltra::test::capturedLog().filter("noid.so\" : its record has no text \"id\"").isEmpty());
        QVERIFY(!veltra::test::capturedLog().filter("noqml.so\" : its record has no text \"qmlUrl\"").isEmpty());
        QVERIFY(!veltra::test::capturedLog().filter("webqml.so\" : its \"qmlUrl\" http://").isEmpty());
        QVERIFY(!veltra::test::capturedLog().filter("notanapp.so\" : not an app plug-in").isEmpty());
        QVERIFY(!veltra::test::capturedLog().filter("readme.txt").isEmpty());
    }

    // An app's main QML file is a plain name in its own resources: anything
    // else (a web address, a file of the system) is refused at discovery.
    void mainQmlFileMustBeAPlainName_data()
    {
        QTest::addColumn<QString>("qmlUrl");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "MyApp.qml" << true;
        QTest::newRow("dashes and dots") << "my-app.v2.qml" << true;
        QTest::newRow("web address") << "http://127.0.0.1:9/x.qml" << false;
        QTest::newRow("file URL") << "file:///etc/x.qml" << false;
        QTest::newRow("resource URL") << "qrc:/Other.qml" << false;
        QTest::newRow("absolute path") << "/etc/x.qml" << false;
        QTest::newRow("up a directory") << "../x.qml" << false;
        QTest::newRow("in a directory") << "sub/x.qml" << false;
        QTest::newRow("backslash") << "..\\x.qml" << false;
        QTest::newRow("not QML") << "x.js" << false;
        QTest::newRow("hidden dots") << "x..qml" << false;
    }
    void mainQmlFileMustBeAPlainName()
    {
        QFETCH(QString, qmlUrl);
        QFETCH(bool, accepted);
        const QJsonObject record{{"type", AppManager::kAppInterfaceId}, {"id", "com.example.X"}, {"qmlUrl", qmlUrl}};
        const AppRecord::Check check = AppRecord::check(record);
        QCOMPARE(check.verdict == AppRecord::Verdict::Accepted, accepted);
        if (!accepted)
            QVERIFY2(check.problem.contains("qmlUrl"), qPrintable(check.problem));
    }

    void badgeSemantics()
    {
        AppManager manager(m_apps->path(), QString());
        QSignalSpy changed(&manager, &AppManager::badgesTextChanged);
        const QString home = "com.ostrelle.veltra.Home";

        QCOMPARE(manager.getBadgeText(home), QString());
        manager.removeBadge(home);
        manager.setBadgeText(home, "");
        QCOMPARE(changed.count(), 0);
        QVERIFY(manager.badgesText().toMap().isEmpty());

        manager.setBadgeText(home, "3");
        QCOMPARE(changed.count(), 1);
        manager.setBadgeText(home, "3");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(manager.getBadgeText(home), QString("3"));

        // An empty text for an app with a badge is stored: the key stays.
        manager.setBadgeText(home, "");
        QCOMPARE(changed.count(), 2);
        QVERIFY(manager.badgesText().toMap().contains(home));
        QCOMPARE(manager.getBadgeText(home), QString());

        manager.removeBadge(home);
        QCOMPARE(changed.count(), 3);
        QVERIFY(!manager.badgesText().toMap().contains(home));

        manager.setBadgeText("", "orphan");
        QCOMPARE(changed.count(), 3);
    }

    void badgeReadsInsideTheChangeHandlerSeeTheNewValue()
    {
        AppManager manager(m_apps->path(), QString());
        QVariantMap seen;
        QString seenDirect;
        connect(&manager, &AppManager::badgesTextChanged, this, [&] {
            seen = manager.badgesText().toMap();
            seenDirect = manager.getBadgeText("com.ostrelle.veltra.Lumvar");
        });
        manager.setBadgeText("com.ostrelle.veltra.Lumvar", "new");
        QCOMPARE(seen.value("com.ostrelle.veltra.Lumvar").toString(), QString("new"));
        QCOMPARE(seenDirect, QString("new"));
    }

    void badgesPersistAcrossARestart()
    {
        {
            AppManager manager(m_apps->path(), QString());
            manager.setBadgeText("com.ostrelle.veltra.Gauge", "2 new");
            manager.setBadgeText("com.ostrelle.veltra.Home", "!");
        }
        // Written by the time the manager is gone, without waiting for the event loop.
        QVERIFY2(badgeFileText().contains("com.ostrelle.veltra.Gauge=2 new"), qPrintable(badgeFileText()));
        AppManager restarted(m_apps->path(), QString());
        QCOMPARE(restarted.getBadgeText("com.ostrelle.veltra.Gauge"), QString("2 new"));
        QCOMPARE(restarted.badgesText().toMap().size(), 2);
    }

    // Awkward identifiers and texts either come back unchanged after a restart or
    // are refused with a log line; the badges around them never change.
    void awkwardBadgeKeysRoundTripOrAreRefused_data()
    {
        QTest::addColumn<QString>("appId");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("stored");
        const QString big(10 * 1024, QChar(0x263A));
        QTest::newRow("slash inside") << "com.ostrelle/veltra.Home" << "x" << false;
        QTest::newRow("leading slash names another app") << "/com.ostrelle.veltra.Home" << "x" << false;
        QTest::newRow("trailing slash names another app") << "com.ostrelle.veltra.Home/" << "x" << false;
        QTest::newRow("slash alone") << "/" << "x" << false;
        QTest::newRow("empty") << "" << "x" << false;
        QTest::newRow("equals") << "com.a=b" << "=1=" << true;
        QTest::newRow("bracket") << "[General]" << "[x]" << true;
        QTest::newRow("General") << "General" << "g" << true;
        QTest::newRow("spaces") << "  com a  " << "  two  words " << true;
        QTest::newRow("backslash") << "com\\a" << "c:\\x" << true;
        QTest::newRow("non-ASCII") << QString::fromUtf8("com.zürich.测试") << QString::fromUtf8("Grüße 测") << true;
        QTest::newRow("semicolon and hash") << ";#com" << ";# not a comment" << true;
        QTest::newRow("newline") << "a\nb" << "line\nbreak" << true;
        QTest::newRow("10 kB text") << "com.ostrelle.veltra.Big" << big << true;
    }
    void awkwardBadgeKeysRoundTripOrAreRefused()
    {
        QFETCH(QString, appId);
        QFETCH(QString, text);
        QFETCH(bool, stored);
        const QVariantMap others{{"com.ostrelle.veltra.Home", "3"}, {"com.ostrelle.veltra.Gauge", "new"}};
        {
            AppManager manager(m_apps->path(), QString());
            for (auto it = others.cbegin(); it != others.cend(); ++it)
                manager.setBadgeText(it.key(), it.value().toString());
            veltra::test::clearCapturedLog();
            QSignalSpy changed(&manager, &AppManager::badgesTextChanged);
            manager.setBadgeText(appId, text);
            QCOMPARE(changed.count(), stored ? 1 : 0);
            if (!stored) {
                QVERIFY(!veltra::test::capturedLog().filter("BadgeStore::setText() refused the app identifier").isEmpty());
                // Removing through the same identifier touches nobody else's badge either.
                manager.removeBadge(appId);
                QCOMPARE(manager.getBadgeText(appId), QString());
            }
        }
        AppManager restarted(m_apps->path(), QString());
        QVariantMap expected = others;
        if (stored)
            expected.insert(appId, text);
        QCOMPARE(restarted.badgesText().toMap(), expected);
        if (stored)
            QCOMPARE(restarted.getBadgeText(appId), text);
        // Nothing but top-level keys in the file.
        QVERIFY2(!badgeFileText().contains(QRegularExpression("^\\[(?!General\\])", QRegularExpression::MultilineOption)),
                 qPrintable(badgeFileText()));
    }

    // Each change is on disk at once, through a temporary file that does not
    // stay behind. A badge file that is a link (to a file outside the saved
    // data) is read as absent and replaced by a file of its own at the first
    // change; the outside file is never read, written or removed.
    void badgeChangesAreWrittenWholeAndInPlace()
    {
        const QString saveData = m_root->path() + "/opt/save_data";
        QVERIFY(QDir().mkpath(saveData));
        QTemporaryDir outside;
        const QString outsideFile = outside.path() + "/report.conf";
        QFile report(outsideFile);
        QVERIFY(report.open(QIODevice::WriteOnly));
        report.write("[General]\nkept=1\n");
        report.close();
        QVERIFY(QFile::link(outsideFile, saveData + "/badges.conf"));

        AppManager manager(m_apps->path(), QString());
        QCOMPARE(manager.getBadgeText("kept"), QString());
        manager.setBadgeText("com.ostrelle.veltra.Home", "4");
        QVERIFY2(badgeFileText().contains("com.ostrelle.veltra.Home=4"), qPrintable(badgeFileText()));
        QVERIFY(!QFileInfo(saveData + "/badges.conf").isSymLink());
        // Beside it only the store's own private copy, while the store lives.
        const QString ownCopy = ".badges.conf." + QString::number(QCoreApplication::applicationPid()) + ".";
        QStringList entries = QDir(saveData).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        entries = entries.filter("badges");
        for (QString &entry : entries) {
            if (entry.startsWith(ownCopy) && entry.endsWith(".tmp"))
                entry = "(own copy)";
        }
        QCOMPARE(entries, QStringList({"(own copy)", "badges.conf"}));
        QVERIFY(report.open(QIODevice::ReadOnly));
        QCOMPARE(report.readAll(), QByteArray("[General]\nkept=1\n"));
        report.close();

        manager.removeBadge("com.ostrelle.veltra.Home");
        QVERIFY2(!badgeFileText().contains("com.ostrelle.veltra.Home"), qPrintable(badgeFileText()));
        AppManager restarted(m_apps->path(), QString());
        QCOMPARE(restarted.badgesText().toMap(), QVariantMap());
    }


    // Another program writes badges.conf while the shell runs (in place, or by
    // replacing it): the store sees its badges at once, announces them, and a
    // change of its own alters only the key it names.
    void badgesWrittenByOthersAreMergedNotErased()
    {
        const QString path = m_root->path() + "/opt/save_data/badges.conf";
        auto writeAsOther = [&](const QByteArray &content, bool byRename) {
            const QString target = byRename ? path + ".other" : path;
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
            f.close();
            if (byRename)
                QVERIFY(::rename(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0);
        };
        AppManager manager(m_apps->path(), QString());
        QSignalSpy changed(&manager, &AppManager::badgesTextChanged);
        manager.setBadgeText("com.ostrelle.veltra.Home", "1");

        writeAsOther("[General]\ncom.ostrelle.veltra.Home=1\ncom.ostrelle.veltra.Updates=2, new\n", true);
        QCOMPARE(manager.getBadgeText("com.ostrelle.veltra.Updates"), QString("2, new"));
        QTRY_VERIFY_WITH_TIMEOUT(changed.count() >= 2, veltra::test::timeout(5000));

        manager.setBadgeText("com.ostrelle.veltra.Gauge", "3");
        QCOMPARE(manager.badgesText().toMap(),
                 QVariantMap({{"com.ostrelle.veltra.Home", "1"}, {"com.ostrelle.veltra.Updates", "2, new"},
                              {"com.ostrelle.veltra.Gauge", "3"}}));

        // Written in place, the same size as before.
        const QByteArray before = badgeFileText().toUtf8();
        QByteArray edited = before;
        edited.replace("com.ostrelle.veltra.Gauge=3", "com.ostrelle.veltra.Gauge=7");
        QCOMPARE(edited.size(), before.size());
        writeAsOther(edited, false);
        QCOMPARE(manager.getBadgeText("com.ostrelle.veltra.Gauge"), QString("7"));
        manager.removeBadge("com.ostrelle.veltra.Home");
        AppManager restarted(m_apps->path(), QString());
        QCOMPARE(restarted.badgesText().toMap(),
                 QVariantMap({{"com.ostrelle.veltra.Updates", "2, new"}, {"com.ostrelle.veltra.Gauge", "7"}}));
    }

    // Texts the file's format cannot hold exactly (a trailing tab, a NUL) never
    // stop later badges from being saved; what else another program keeps in
    // the file (its own sections) stays; and a saved-data directory made anew
    // while the shell runs is still followed.
    void badgeFileSurvivesOddTextsOthersAndANewDirectory()
    {
        const QString dir = m_root->path() + "/opt/save_data";
        QVERIFY(QDir().mkpath(dir));
        QFile file(dir + "/badges.conf");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\na=1\n\n[com.vendor]\nb=2\n");
        file.close();
        {
            AppManager manager(m_apps->path(), QString());
            manager.setBadgeText("com.app.Tab", "3\t");
            manager.setBadgeText("com.app.Nul", QString("a") + QChar(0) + "b");
            manager.setBadgeText("com.app.Later", "5");
            QCOMPARE(manager.badgesText().toMap().value("a").toString(), QString("1"));
            QVERIFY(!manager.badgesText().toMap().contains("com.vendor/b"));
        }
        {
            AppManager restarted(m_apps->path(), QString());
            QCOMPARE(restarted.getBadgeText("com.app.Later"), QString("5"));
            QCOMPARE(restarted.getBadgeText("com.app.Nul"), QString("a") + QChar(0) + "b");
            QVERIFY(restarted.getBadgeText("com.app.Tab").startsWith("3"));
            QSettings vendor(dir + "/badges.conf", QSettings::IniFormat);
            QCOMPARE(vendor.value("com.vendor/b").toString(), QString("2"));

            QSignalSpy changed(&restarted, &AppManager::badgesTextChanged);
            QVERIFY(QDir(dir).removeRecursively());
            QTest::qWait(50);
            QVERIFY(QDir().mkpath(dir));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[General]\ncom.ostrelle.veltra.Gauge=9\n");
            file.close();
            QTRY_VERIFY_WITH_TIMEOUT(restarted.getBadgeText("com.ostrelle.veltra.Gauge") == "9"
                                         && changed.count() > 0,
                                     veltra::test::timeout(5000));
        }
    }

    void unwritableBadgeFileKeepsBadgesInMemory()
    {
        // "opt" is a file: the saved-data directory cannot exist.
        QFile blocker(m_root->path() + "/opt");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        AppManager manager(m_apps->path(), QString());
        manager.setBadgeText("com.ostrelle.veltra.Home", "5");
        QCOMPARE(manager.getBadgeText("com.ostrelle.veltra.Home"), QString("5"));
        QVERIFY(QFileInfo(m_root->path() + "/opt").isFile());
    }

    void allAppsLoadedRunsTheReminder()
    {
        AppManager manager(m_apps->path(), QString());
        QSignalSpy checks(&Reminder::instance(), &Reminder::calibrationDue);
        qputenv("VELTRA_DEVICE_FILE", (m_root->path() + "/device.ini").toUtf8());
        QFile device(m_root->path() + "/device.ini");
        QVERIFY(device.open(QIODevice::WriteOnly));
        device.write("[gauge]\ncalibration_date=2000-02-02\n");
        device.close();
        SimulatedDevice::instance().reload();
        manager.allAppsLoaded();
        manager.allAppsLoaded();
        QCOMPARE(checks.count(), 2);
        qunsetenv("VELTRA_DEVICE_FILE");
        SimulatedDevice::instance().reload();
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TestAppManager test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_appmanager.moc"

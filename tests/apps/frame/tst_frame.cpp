// The app plug-in frame, seen from the host's side: the libraries lumvar and
// sorvel as the plug-in loader finds them.
#include "appinterface.h"
#include "logcapture.h"
#include "warningguard.h"

#include <QFile>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <QtTest>

namespace {

const QString kLumvar = QStringLiteral(VELTRA_STAGE_APPS_DIR "/liblumvar.so");
const QString kSorvel = QStringLiteral(VELTRA_STAGE_APPS_DIR "/libsorvel.so");

} // namespace

class TestFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        veltra::test::startLogCapture();
        veltra::test::installWarningGuard();
    }

    // Must run first: nothing of lumvar is loaded yet.
    void qmlResolvesOnlyOnceTheLibraryIsLoaded()
    {
        QVERIFY(!QFile::exists(":/LumvarApp.qml"));
        QVERIFY(!QFile::exists(":/i18n/lumvar_en-US.qm"));
        QPluginLoader loader(kLumvar);
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        QVERIFY(QFile::exists(":/LumvarApp.qml"));
        QVERIFY(QFile::exists(":/i18n/lumvar_en-US.qm"));
    }

    void metadataOfBothApps_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QJsonObject>("record");
        QTest::addColumn<QStringList>("resourceFiles");
        QStringList lumvarFiles = {"/LumvarApp.qml", "/DecisionTree.qml", "/MultiChoicePage.qml",
                                   "/ConnectionsPage.qml"};
        QStringList sorvelFiles = {"/SorvelApp.qml", "/keyboard.png"};
        for (const char *locale : {"de-DE", "en-BE", "en-GB", "en-US", "es-ES", "fr-FR", "it-IT", "nb-NO", "nl-NL",
                                   "pt-BR", "zh-CN"}) {
            lumvarFiles << QString("/i18n/lumvar_%1.qm").arg(locale);
            if (QByteArray(locale) != "zh-CN")
                sorvelFiles << QString("/i18n/sorvel_%1.qm").arg(locale);
        }
        QTest::newRow("lumvar") << kLumvar << "LumvarApp"
                                << QJsonObject{{"type", "com.ostrelle.veltra.AppInterface"},
                                               {"id", "com.ostrelle.veltra.Lumvar"},
                                               {"name", "lumvar"},
                                               {"title", "Lumvar"},
                                               {"qmlUrl", "LumvarApp.qml"},
                                               {"sequence", 10000},
                                               {"iconFileName", "lumvar.color.svg"},
                                               {"version", "0.0.0"}}
                                << lumvarFiles;
        QTest::newRow("sorvel") << kSorvel << "SorvelApp"
                                << QJsonObject{{"type", "com.ostrelle.veltra.AppInterface"},
                                               {"id", "com.ostrelle.veltra.Sorvel"},
                                               {"name", "sorvel"},
                                               {"title", "Sorvel"},
                                               {"qmlUrl", "SorvelApp.qml"},
                                               {"sequence", 11000},
                                               {"icon", "awesome/database"},
                                               {"version", "0.0.0"}}
                                << sorvelFiles;
    }
    void metadataOfBothApps()
    {
        QFETCH(QString, file);
        QFETCH(QString, className);
        QFETCH(QJsonObject, record);
        QFETCH(QStringList, resourceFiles);
        const QJsonObject meta = QPluginLoader(file).metaData();
        QCOMPARE(meta.value("IID").toString(), "com.ostrelle.veltra." + className + "Plugin");
        QCOMPARE(meta.value("className").toString(), className);
        QCOMPARE(meta.value("debug").toBool(), false);
        // The record as written, and the build's list of every file the library registers.
        QJsonObject embedded = meta.value("MetaData").toObject();
        const QJsonValue listed = embedded.take("resourceFiles");
        QCOMPARE(embedded, record);
        QStringList files;
        for (const QJsonValue &value : listed.toArray())
            files << value.toString();
        QCOMPARE(files, resourceFiles);
        QVERIFY(QPluginLoader(file).load());
        for (const QString &f : files)
            QVERIFY2(QFile::exists(":" + f), qPrintable(f));
    }

    void instanceIsOneObjectThatCastsToTheInterface()
    {
        QPluginLoader loader(kLumvar);
        QObject *first = loader.instance();
        QVERIFY(first);
        QCOMPARE(loader.instance(), first);
        using InstanceFunction = QObject *(*)();
        auto instanceFunction = reinterpret_cast<InstanceFunction>(QLibrary(kLumvar).resolve("qt_plugin_instance"));
        QVERIFY(instanceFunction);
        QCOMPARE(instanceFunction(), first);

        QVERIFY(qobject_cast<AppInterface *>(first));
        QCOMPARE(first->qt_metacast("LumvarApp"), static_cast<void *>(first));
        QVERIFY(first->qt_metacast(AppInterface_iid));
        QVERIFY(first->qt_metacast("QQmlExtensionPlugin"));
        // The plug-in identifier is no class of its own: the base class answers (nothing).
        QCOMPARE(first->qt_metacast("com.ostrelle.veltra.LumvarAppPlugin"), static_cast<void *>(nullptr));
        QCOMPARE(first->metaObject()->className(), "LumvarApp");
        QCOMPARE(first->metaObject()->methodCount(), first->metaObject()->superClass()->methodCount());
        QCOMPARE(QString(first->metaObject()->superClass()->className()), QString("QQmlExtensionPlugin"));
    }

    void registerTypesOnlyLogs()
    {
        QPluginLoader loader(kSorvel);
        auto *app = qobject_cast<AppInterface *>(loader.instance());
        QVERIFY(app);
        veltra::test::clearCapturedLog();
        app->registerTypes(nullptr);
        QCOMPARE(veltra::test::capturedLog(), QStringList({"SorvelApp::registerTypes()"}));
    }

    void translationsPerLocale()
    {
        QVERIFY(QPluginLoader(kLumvar).load());
        QVERIFY(QPluginLoader(kSorvel).load());
        QVERIFY(QFile::exists(":/i18n/lumvar_zh-CN.qm"));
        QVERIFY(!QFile::exists(":/i18n/sorvel_zh-CN.qm"));
        for (const char *locale : {"de-DE", "en-BE", "en-GB", "en-US", "es-ES", "fr-FR", "it-IT", "nb-NO", "nl-NL",
                                   "pt-BR"}) {
            QVERIFY2(QFile::exists(QString(":/i18n/lumvar_%1.qm").arg(locale)), locale);
            QVERIFY2(QFile::exists(QString(":/i18n/sorvel_%1.qm").arg(locale)), locale);
        }
    }

    void cleanup()
    {
        const QString warnings = veltra::test::takeQmlWarnings();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
    }
};

QTEST_GUILESS_MAIN(TestFrame)
#include "tst_frame.moc"

// The device library stand-in: the simulated device and what follows it,
// language, auto-off, the virtual keyboard, screenshots and sound.
#include "autooff.h"
#include "autooffeventfilter.h"
#include "batterystatewrapper.h"
#include "gaugeinfo.h"
#include "language.h"
#include "logcapture.h"
#include "networksettings.h"
#include "networktypes.h"
#include "reminder.h"
#include "screenshot.h"
#include "simulateddevice.h"
#include "statusmanager.h"
#include "versiontracking.h"
#include "virtualkeyboard.h"
#include "warningguard.h"
#include "zelqtutils.h"
#include "zelsound.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickView>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

class TestCommon : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_deviceFile;

    void writeDevice(const QByteArray &content)
    {
        QFile f(m_deviceFile);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
    }

private slots:
    void initTestCase()
    {
        veltra::test::installWarningGuard();
        veltra::test::startLogCapture();
        qputenv("VELTRA_ROOTFS", m_root.path().toUtf8());
        m_deviceFile = m_root.path() + "/device.ini";
        qputenv("VELTRA_DEVICE_FILE", m_deviceFile.toUtf8());
    }

    void init()
    {
        writeDevice("");
        SimulatedDevice::instance().reload();
    }

    void cleanup()
    {
        const QString warnings = veltra::test::takeQmlWarnings();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
    }

    void defaultsDescribeAPlausibleGauge()
    {
        StatusManager status;
        QVERIFY(status.batteryState()->batteryPercent() > 20);
        QVERIFY(!status.gaugeInfo()->modelNumber().isEmpty());
        QVERIFY(!status.gaugeInfo()->serialNumber().isEmpty());
        QVERIFY(QDate::fromString(status.gaugeInfo()->calibrationDate(), Qt::ISODate).isValid());
        QVERIFY(!AutoOff::instance().isEnabled());
        QCOMPARE(Language::instance().alternateChBRefColor(), QString("Y"));
    }

    void fileChangesShowLive()
    {
        StatusManager status;
        QSignalSpy battery(status.batteryState(), &BatteryStateWrapper::changed);
        QSignalSpy network(status.networkSettings(), &NetworkSettings::changed);
        QSignalSpy bluetooth(&status, &StatusManager::bluetoothEnabledChanged);
        QSignalSpy gauge(status.gaugeInfo(), &GaugeInfo::changed);
        QSignalSpy tubing(&SimulatedDevice::instance(), &SimulatedDevice::tubingChanged);
        status.bluetoothEnabled(); // starts the watch

        writeDevice("[battery]\npercent=5\nmillivolts=3400\ncharging=true\n"
                    "[network]\nmode=NETWORKMODE_ETHERNET\nstate=NETWORKSTATE_CONNECTING\nip=10.1.2.3\n"
                    "[bluetooth]\nenabled=false\n[gauge]\nserial=999\n"
                    "[tubing]\nalternate_chb_ref_color=b\n");
        QVERIFY(battery.wait(veltra::test::timeout(5000)));
        QCOMPARE(status.batteryState()->batteryPercent(), 5);
        QCOMPARE(status.batteryState()->batteryMillivolts(), 3400);
        QVERIFY(status.batteryState()->isCharging());
        QCOMPARE(network.count(), 1);
        QCOMPARE(status.networkSettings()->networkModeStr(), QString("NETWORKMODE_ETHERNET"));
        QCOMPARE(status.networkSettings()->networkMode(), int(NetworkTypes::NETWORKMODE_ETHERNET));
        QCOMPARE(status.networkSettings()->networkStateStr(), QString("NETWORKSTATE_CONNECTING"));
        QCOMPARE(status.networkSettings()->ipAddress(), QString("10.1.2.3"));
        QCOMPARE(bluetooth.count(), 1);
        QVERIFY(!status.bluetoothEnabled());
        QCOMPARE(gauge.count(), 1);
        QCOMPARE(status.gaugeInfo()->serialNumber(), QString("999"));
        QCOMPARE(tubing.count(), 1);
        QCOMPARE(Language::instance().alternateChBRefColor(), QString("B"));

        // Writing the same values again announces nothing.
        battery.clear();
        network.clear();
        SimulatedDevice::instance().reload();
        QCOMPARE(battery.count(), 0);
        QCOMPARE(network.count(), 0);
    }

    void unusableValuesKeepTheirDefaults()
    {
        writeDevice("[battery]\npercent=250\nmillivolts=lots\ncharging=maybe\n"
                    "[network]\nmode=NETWORKMODE_CARRIER_PIGEON\n[tubing]\nalternate_chb_ref_color=Q\n");
        SimulatedDevice::instance().reload();
        const DeviceState s = SimulatedDevice::instance().state();
        const DeviceState defaults;
        QCOMPARE(s.batteryPercent, defaults.batteryPercent);
        QCOMPARE(s.batteryMillivolts, defaults.batteryMillivolts);
        QCOMPARE(s.charging, defaults.charging);
        QCOMPARE(s.networkMode, defaults.networkMode);
        QCOMPARE(s.alternateChBRefColor, defaults.alternateChBRefColor);

        // An explicitly empty code is kept: the tap strip falls back to grey.
        writeDevice("[tubing]\nalternate_chb_ref_color=\n");
        SimulatedDevice::instance().reload();
        QCOMPARE(Language::instance().alternateChBRefColor(), QString());
    }

    // The README's example device file, taken from README.md itself, is read
    // as written (inline comments and all), and so is the same file with other
    // values in it: the README and the reader cannot drift apart.
    void readmeDeviceFileExample()
    {
        QFile readme(VELTRA_SOURCE_DIR "/README.md");
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(readme.readAll());
        const int section = text.indexOf("## The simulated device");
        QVERIFY(section >= 0);
        const int start = text.indexOf("```ini\n", section);
        const int end = text.indexOf("```", start + 7);
        QVERIFY(start > 0 && end > start);
        const QString example = text.mid(start + 7, end - start - 7);

        struct Field
        {
            const char *key;
            const char *other; // a value other than the README's
            std::function<QString(const DeviceState &)> get;
        };
        auto yes = [](bool b) { return QString(b ? "true" : "false"); };
        const QVector<Field> fields = {
            {"battery/percent", "12", [](const DeviceState &s) { return QString::number(s.batteryPercent); }},
            {"battery/millivolts", "3500", [](const DeviceState &s) { return QString::number(s.batteryMillivolts); }},
            {"battery/charging", "true", [&](const DeviceState &s) { return yes(s.charging); }},
            {"network/mode", "NETWORKMODE_ETHERNET", [](const DeviceState &s) { return s.networkMode; }},
            {"network/state", "NETWORKSTATE_ERROR", [](const DeviceState &s) { return s.networkState; }},
            {"network/error", "NETWORKERROR_SSID_NOT_FOUND", [](const DeviceState &s) { return s.networkError; }},
            {"network/ssid", "Plant7", [](const DeviceState &s) { return s.ssid; }},
            {"network/ip", "10.0.0.9", [](const DeviceState &s) { return s.ipAddress; }},
            {"network/bridge", "true", [&](const DeviceState &s) { return yes(s.apEth0Bridge); }},
            {"bluetooth/enabled", "false", [&](const DeviceState &s) { return yes(s.bluetoothEnabled); }},
            {"gauge/model", "VG-3", [](const DeviceState &s) { return s.modelNumber; }},
            {"gauge/serial", "777", [](const DeviceState &s) { return s.serialNumber; }},
            {"gauge/calibration_date", "2025-01-02", [](const DeviceState &s) { return s.calibrationDate; }},
            {"gauge/software_version", "2.0.1", [](const DeviceState &s) { return s.softwareVersion; }},
            {"autooff/enabled", "true", [&](const DeviceState &s) { return yes(s.autoOffEnabled); }},
            {"autooff/timeout", "120", [](const DeviceState &s) { return QString::number(s.autoOffTimeoutSeconds); }},
            {"tubing/alternate_chb_ref_color", "R", [](const DeviceState &s) { return s.alternateChBRefColor; }},
        };

        // Every key line of the example with its value as written; and the
        // same file with the other values, comments kept.
        QMap<QString, QString> written;
        QStringList otherLines;
        QString group;
        const QRegularExpression keyLine("^(\\w+)=(\\S*)");
        for (const QString &line : example.split('\n')) {
            if (line.startsWith('['))
                group = line.mid(1, line.indexOf(']') - 1);
            const QRegularExpressionMatch m = keyLine.match(line);
            QString other = line;
            if (m.hasMatch()) {
                const QString key = group + "/" + m.captured(1);
                written.insert(key, m.captured(2));
                for (const Field &f : fields) {
                    if (key == f.key)
                        other.replace(m.capturedStart(2), m.capturedLength(2), f.other);
                }
            }
            otherLines << other;
        }
        QStringList known;
        for (const Field &f : fields)
            known << f.key;
        known.sort();
        QCOMPARE(QStringList(written.keys()), known);

        for (const bool others : {false, true}) {
            writeDevice((others ? otherLines.join('\n') : example).toUtf8());
            veltra::test::clearCapturedLog();
            SimulatedDevice::instance().reload();
            QCOMPARE(veltra::test::capturedLog().filter("SimulatedDevice::read()"), QStringList());
            const DeviceState s = SimulatedDevice::instance().state();
            for (const Field &f : fields)
                QCOMPARE(f.get(s), others ? QString(f.other) : written.value(f.key));
        }
    }

    void inlineCommentsAndQuotes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("ssid");
        QTest::newRow("comment after blanks") << QByteArray("ssid=Lab   ; the lab's") << "Lab";
        QTest::newRow("hash comment") << QByteArray("ssid=Lab # the lab's") << "Lab";
        QTest::newRow("comment right after") << QByteArray("ssid=Lab;x") << "Lab";
        QTest::newRow("quoted keeps ; and #") << QByteArray("ssid=\"Lab;2 #3\" ; comment") << "Lab;2 #3";
        QTest::newRow("escaped quote") << QByteArray("ssid=\"say \\\"hi\\\"\"") << "say \"hi\"";
        QTest::newRow("empty before a comment") << QByteArray("ssid= ; none") << "";
        QTest::newRow("section with a comment") << QByteArray("ssid=Lab\n[gauge] ; gauge\nssid=Other") << "Lab";
        QTest::newRow("blanks around =") << QByteArray("ssid  =  Lab 2  ") << "Lab 2";
        QTest::newRow("CR line ends") << QByteArray("\rssid=Lab\r[gauge]\rssid=Other\r") << "Lab";
        QTest::newRow("section with junk after it") << QByteArray("ssid=Lab\n[gauge]x\nssid=Other") << "Lab";
    }
    void inlineCommentsAndQuotes()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, ssid);
        writeDevice("[network] ; the network\n" + file + "\n");
        SimulatedDevice::instance().reload();
        QCOMPARE(SimulatedDevice::instance().state().ssid, ssid);
    }

    // The device file's directory need not exist at start: the nearest
    // directory that does is watched, and the file is followed as it
    // appears, is replaced by an editor's rename, disappears, or becomes a
    // directory.
    void fileFollowedWhereverItAppears()
    {
        QTemporaryDir root;
        const QString dir = root.path() + "/etc/veltra";
        const QString path = dir + "/device.ini";
        qputenv("VELTRA_DEVICE_FILE", path.toUtf8());
        auto restore = qScopeGuard([this] {
            qputenv("VELTRA_DEVICE_FILE", m_deviceFile.toUtf8());
            SimulatedDevice::instance().reload();
        });
        auto percent = [] { return SimulatedDevice::instance().state().batteryPercent; };
        auto write = [](const QString &file, const QByteArray &content) {
            QFile f(file);
            return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
        };
        const int wait = veltra::test::timeout(5000);
        QCOMPARE(percent(), DeviceState().batteryPercent);

        QVERIFY(QDir().mkpath(dir));
        QVERIFY(write(path, "[battery]\npercent=12\n"));
        QTRY_COMPARE_WITH_TIMEOUT(percent(), 12, wait);

        QVERIFY(write(path + ".new", "[battery]\npercent=13\n"));
        QVERIFY(QFile::remove(path) && QFile::rename(path + ".new", path));
        QTRY_COMPARE_WITH_TIMEOUT(percent(), 13, wait);
        QVERIFY(write(path, "[battery]\npercent=14\n")); // the renamed file is watched too
        QTRY_COMPARE_WITH_TIMEOUT(percent(), 14, wait);

        QVERIFY(QFile::remove(path));
        QTRY_COMPARE_WITH_TIMEOUT(percent(), DeviceState().batteryPercent, wait);
        QVERIFY(write(path, "[battery]\npercent=15\n"));
        QTRY_COMPARE_WITH_TIMEOUT(percent(), 15, wait);

        QVERIFY(QFile::remove(path) && QDir().mkpath(path));
        QTRY_COMPARE_WITH_TIMEOUT(percent(), DeviceState().batteryPercent, wait);

        QVERIFY(QDir(root.path() + "/etc").removeRecursively());
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(write(path, "[battery]\npercent=16\n"));
        QTRY_COMPARE_WITH_TIMEOUT(percent(), 16, wait);

        // The directory a link that is switched to another directory.
        QVERIFY(QDir(root.path() + "/etc").removeRecursively());
        QVERIFY(QDir().mkpath(root.path() + "/a") && QDir().mkpath(root.path() + "/b"));
        QVERIFY(write(root.path() + "/a/device.ini", "[battery]\npercent=21\n"));
        QVERIFY(write(root.path() + "/b/device.ini", "[battery]\npercent=22\n"));
        QVERIFY(QDir().mkpath(root.path() + "/etc"));
        QVERIFY(QFile::link(root.path() + "/a", dir));
        QTRY_COMPARE_WITH_TIMEOUT(percent(), 21, wait);
        QVERIFY(QFile::link(root.path() + "/b", dir + ".new"));
        QVERIFY(::rename(QFile::encodeName(dir + ".new").constData(), QFile::encodeName(dir).constData()) == 0);
        QTRY_COMPARE_WITH_TIMEOUT(percent(), 22, wait);
        QVERIFY(write(root.path() + "/b/device.ini", "[battery]\npercent=23\n"));
        QTRY_COMPARE_WITH_TIMEOUT(percent(), 23, wait);
    }

    void enumParsersRoundTrip()
    {
        const NetworkTypes::EnumParser<NetworkTypes::NetworkModes> modes;
        QCOMPARE(modes.names().size(), 7);
        for (auto it = modes.names().cbegin(); it != modes.names().cend(); ++it) {
            bool ok = false;
            QCOMPARE(modes.fromString(it.value(), &ok), it.key());
            QVERIFY(ok);
        }
        QCOMPARE(modes.toString(NetworkTypes::NETWORKMODE_BT), QString("NETWORKMODE_BT"));
        QCOMPARE(NetworkTypes::EnumParser<NetworkTypes::NetworkStates>().toString(NetworkTypes::NETWORKSTATE_ERROR),
                 QString("NETWORKSTATE_ERROR"));
        QCOMPARE(NetworkTypes::EnumParser<NetworkTypes::NetworkErrors>().names().size(), 4);
        bool ok = true;
        modes.fromString("nonsense", &ok);
        QVERIFY(!ok);
    }

    void autoOffCountsDownFromActivity()
    {
        QSignalSpy enabled(&AutoOff::instance(), &AutoOff::isEnabledChanged);
        writeDevice("[autooff]\nenabled=true\ntimeout=59\n");
        SimulatedDevice::instance().reload();
        QCOMPARE(enabled.count(), 1);
        QCOMPARE(enabled.at(0).at(0).toBool(), true);
        QVERIFY(AutoOff::instance().isEnabled());
        AutoOff::activity();
        QCOMPARE(AutoOff::instance().getTimeRemaining(), qint64(59));

        writeDevice("[autooff]\nenabled=true\ntimeout=-3\n");
        SimulatedDevice::instance().reload();
        QCOMPARE(enabled.count(), 1);
        QCOMPARE(AutoOff::instance().getTimeRemaining(), qint64(-3));

        writeDevice("[autooff]\nenabled=false\n");
        SimulatedDevice::instance().reload();
        QCOMPARE(enabled.count(), 2);
        QCOMPARE(enabled.at(1).at(0).toBool(), false);
    }

    void inputEventsCountAsActivity_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("counts");
        QTest::newRow("press") << int(QEvent::MouseButtonPress) << true;
        QTest::newRow("touch") << int(QEvent::TouchBegin) << true;
        QTest::newRow("key") << int(QEvent::KeyPress) << true;
        QTest::newRow("paint") << int(QEvent::Paint) << false;
        QTest::newRow("timer") << int(QEvent::Timer) << false;
    }
    void inputEventsCountAsActivity()
    {
        QFETCH(int, type);
        QFETCH(bool, counts);
        QCOMPARE(AutoOffEventFilter::isUserInput(type), counts);
    }

    void languageReadsWithoutWriting_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("absent") << QByteArray("[General]\nhome_app_id=x\n") << "en-US";
        QTest::newRow("german") << QByteArray("[General]\nlanguage=de-DE\n") << "de-DE";
        QTest::newRow("unsupported") << QByteArray("[General]\nlanguage=xx-YY\n") << "en-US";
        QTest::newRow("garbage") << QByteArray("[General]\nlanguage=\xff\xfe\n") << "en-US";
    }
    void languageReadsWithoutWriting()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        // A file per row: QSettings caches by path, size and time stamp.
        const QString path = m_root.path() + "/language-" + QTest::currentDataTag() + ".conf";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        {
            QSettings settings(path, QSettings::IniFormat);
            Language::instance().initLanguage(settings);
        }
        QCOMPARE(Language::instance().language(), expected);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), content);
    }

    // A choice is stored for the next start; the running language stays, an
    // unsupported value or a configuration that is gone stores nothing, and
    // the other keys of the file survive.
    void languageChoiceIsStoredForTheNextStart()
    {
        const QString path = m_root.path() + "/language-choice.conf";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[General]\nhome_app_id=com.ostrelle.veltra.Home\nlanguage=fr-FR\n");
        f.close();
        Language &language = Language::instance();
        {
            QSettings settings(path, QSettings::IniFormat);
            language.initLanguage(settings);
            QCOMPARE(language.language(), QString("fr-FR"));
            QCOMPARE(language.storedLanguage(), QString("fr-FR"));
            QSignalSpy stored(&language, &Language::storedLanguageChanged);
            QSignalSpy running(&language, &Language::languageChanged);

            QVERIFY(language.setLanguage("zh-CN"));
            QCOMPARE(language.storedLanguage(), QString("zh-CN"));
            QCOMPARE(language.language(), QString("fr-FR"));
            QCOMPARE(stored.count(), 1);
            QCOMPARE(running.count(), 0);

            for (const QString &bad : {QString("xx-YY"), QString(), QString("de_DE"), QString(" de-DE")})
                QVERIFY2(!language.setLanguage(bad), qPrintable(bad));
            QCOMPARE(language.storedLanguage(), QString("zh-CN"));
            QCOMPARE(stored.count(), 1);
        }
        // The configuration ended with its scope: nothing to write into.
        QCOMPARE(language.storedLanguage(), QString());
        QVERIFY(!language.setLanguage("de-DE"));

        QSettings reread(path, QSettings::IniFormat);
        QCOMPARE(reread.value("language").toString(), QString("zh-CN"));
        QCOMPARE(reread.value("home_app_id").toString(), QString("com.ostrelle.veltra.Home"));
        language.initLanguage(reread);
        QCOMPARE(language.language(), QString("zh-CN"));
    }

    // Every supported language can be chosen and is what the next start reads.
    void everySupportedLanguageRoundTrips()
    {
        const QString path = m_root.path() + "/language-all.conf";
        QFile::remove(path);
        QSettings settings(path, QSettings::IniFormat);
        Language &language = Language::instance();
        language.initLanguage(settings);
        QCOMPARE(language.storedLanguage(), QString());
        QCOMPARE(Language::supportedLanguages().size(), 11);
        for (const QString &code : Language::supportedLanguages()) {
            QVERIFY2(language.setLanguage(code), qPrintable(code));
            QSettings nextStart(path, QSettings::IniFormat);
            language.initLanguage(nextStart);
            QCOMPARE(language.language(), code);
            language.initLanguage(settings);
        }
    }

    void setLanguageLoadsTheExactFile()
    {
        // A catalogue for one language only, made with the real tool chain's format.
        QTranslator shared;
        auto *own = new QTranslator(this);
        QVERIFY(!ZELQtUtils::setLanguage("zh-CN", ":/i18n", "nothing", &shared, own));
        QVERIFY(own->isEmpty());
        QVERIFY(ZELQtUtils::setLanguage("de-DE", ":/i18n", "sample", &shared, own));
        QCOMPARE(QCoreApplication::translate("Sample", "GREETING"), QString("Hallo"));
        QCoreApplication::removeTranslator(own);
    }

    void keyNamesRoundTrip_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("digit") << int(Qt::Key_1) << "1";
        QTest::newRow("period") << int(Qt::Key_Period) << ".";
        QTest::newRow("comma") << int(Qt::Key_Comma) << ",";
        QTest::newRow("at") << int(Qt::Key_At) << "@";
        QTest::newRow("minus") << int(Qt::Key_Minus) << "-";
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << "Backspace";
    }
    void keyNamesRoundTrip()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        VirtualKeyboard keyboard;
        QCOMPARE(keyboard.keyToString(key), text);
        QCOMPARE(keyboard.keyFromString(text), key);
        QCOMPARE(keyboard.keyFromString("a"), int(Qt::Key_A));
        QCOMPARE(keyboard.keyFromString(""), 0);
    }

    void keysReachTheFocusedField()
    {
        QQuickView view;
        view.setSource(QUrl("qrc:/KeyTarget.qml"));
        QCOMPARE(view.status(), QQuickView::Ready);
        view.show();
        view.requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QQuickItem *field = view.rootObject()->findChild<QQuickItem *>("field");
        QVERIFY(field);
        field->forceActiveFocus();

        VirtualKeyboard keyboard;
        keyboard.emitText("Ab 3");
        keyboard.emitKey(Qt::Key_Period);
        keyboard.emitKey(Qt::Key_5);
        QCOMPARE(field->property("text").toString(), QString("Ab 3.5"));
        keyboard.emitKey(Qt::Key_Backspace);
        keyboard.emitKey(Qt::Key_Backspace);
        QCOMPARE(field->property("text").toString(), QString("Ab 3"));

        // Nothing focused: the key is dropped, not sent anywhere.
        field->setFocus(false);
        view.rootObject()->forceActiveFocus();
        keyboard.emitKey(Qt::Key_7);
        QCOMPARE(field->property("text").toString(), QString("Ab 3"));
    }

    void screenshotWritesAPngIntoANewDirectory()
    {
        QQuickView view;
        QSignalSpy frames(&view, &QQuickWindow::frameSwapped);
        view.setSource(QUrl("qrc:/KeyTarget.qml"));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(frames.count() > 0 || frames.wait(veltra::test::timeout(5000)));
        const QString dir = m_root.path() + "/shots/nested";
        Screenshot screenshot(dir, &view);
        const QString path = screenshot.grab();
        QVERIFY(path.startsWith(dir + "/screenshot-"));
        QImage image(path);
        QCOMPARE(image.size(), QSize(120, 40));
        QVERIFY(screenshot.grab() != path);

        Screenshot orphan(dir, nullptr);
        QCOMPARE(orphan.grab(), QString());
    }

    // On a full file system (a file-size limit plays one) a screenshot is a
    // failure, with no file left; links planted under the names the next
    // screenshots would take are never written through.
    void screenshotFailsHonestlyAndNeverFollowsALink()
    {
        QQuickView view;
        QSignalSpy frames(&view, &QQuickWindow::frameSwapped);
        view.setSource(QUrl("qrc:/KeyTarget.qml"));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(frames.count() > 0 || frames.wait(veltra::test::timeout(5000)));
        const QString dir = m_root.path() + "/shots-hostile";
        QVERIFY(QDir().mkpath(dir));
        Screenshot screenshot(dir, &view);

        rlimit before{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &before), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit full = before;
        full.rlim_cur = 64;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &full), 0);
        const QString failed = screenshot.grab();
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(failed, QString());
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());

        // Dangling links for every name of the next two seconds.
        const QString victim = m_root.path() + "/victim";
        const QDateTime now = QDateTime::currentDateTime();
        for (int ms = 0; ms < 2000; ++ms) {
            const QString stamp = now.addMSecs(ms).toString("yyyyMMdd-HHmmss-zzz");
            QVERIFY(QFile::link(victim + stamp, dir + "/screenshot-" + stamp + ".png"));
        }
        const QString path = screenshot.grab();
        QVERIFY(!path.isEmpty());
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(QImage(path).size(), QSize(120, 40));
        QCOMPARE(QDir(m_root.path()).entryList({"victim*"}), QStringList());

        // A link in place of the directory: nothing written, nothing cleaned there.
        const QString elsewhere = m_root.path() + "/elsewhere";
        QVERIFY(QDir().mkpath(elsewhere));
        QFile lookalike(elsewhere + "/.report.12345678.abcdef.tmp");
        QVERIFY(lookalike.open(QIODevice::WriteOnly));
        lookalike.close();
        QVERIFY(QFile::link(elsewhere, m_root.path() + "/shots-link"));
        Screenshot linked(m_root.path() + "/shots-link", &view);
        QCOMPARE(linked.grab(), QString());
        QCOMPARE(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden), QStringList({".report.12345678.abcdef.tmp"}));
    }

    void missingSoundIsSilent()
    {
        veltra::test::clearCapturedLog();
        ZELSound sound(m_root.path() + "/no-such.wav", false, 100);
        sound.play();
        ZELSound directory(m_root.path(), true, 250);
        directory.play();
        // Nothing was set up to play, and each is logged once.
        QVERIFY(sound.findChildren<QObject *>().isEmpty());
        QVERIFY(directory.findChildren<QObject *>().isEmpty());
        QCOMPARE(veltra::test::capturedLog().filter("ZELSound::play() no sound file").size(), 2);
    }

    void versionHistoryGrowsOnlyOnChange()
    {
        const QByteArray dir = (m_root.path() + "/saved/").toUtf8();
        zelcommon::VersionTracking::init(dir, "1.0.0");
        zelcommon::VersionTracking::init(dir, "1.0.0");
        zelcommon::VersionTracking::init(dir, "1.1.0\nforged line");
        QFile history(QString::fromUtf8(dir) + "version_history");
        QVERIFY(history.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = history.readAll().trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(0).endsWith(" 1.0.0"));
        QVERIFY(lines.at(1).endsWith(" 1.1.0 forged line"));
    }

    void calibrationReminder()
    {
        QVERIFY(Reminder::isCalibrationDue(QDate(2025, 1, 10), QDate(2026, 1, 10)));
        QVERIFY(!Reminder::isCalibrationDue(QDate(2025, 1, 11), QDate(2026, 1, 10)));
        QVERIFY(Reminder::isCalibrationDue(QDate(), QDate(2026, 1, 10)));
        writeDevice("[gauge]\ncalibration_date=2001-01-01\n");
        SimulatedDevice::instance().reload();
        QSignalSpy due(&Reminder::instance(), &Reminder::calibrationDue);
        Reminder::instance().check();
        QCOMPARE(due.count(), 1);
    }
};

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    TestCommon test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_common.moc"

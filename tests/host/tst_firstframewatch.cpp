// The first-frame watch on real windows: it answers after a rendered frame,
// falls back after its interval for a window that shows nothing, and answers
// only once.
#include "firstframewatch.h"
#include "logcapture.h"
#include "warningguard.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

class TestFirstFrameWatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        veltra::test::startLogCapture();
    }

    void init()
    {
        veltra::test::clearCapturedLog();
    }

    void shownAfterTheFirstFrameOfAShownWindow()
    {
        QQuickWindow window;
        window.resize(120, 80);
        FirstFrameWatch watch;
        watch.setFallbackInterval(60000);
        QSignalSpy shownChanged(&watch, &FirstFrameWatch::shownChanged);
        watch.setWindow(&window);
        QCOMPARE(watch.window(), &window);
        QVERIFY(!watch.shown());
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(watch.shown(), veltra::test::timeout(5000));
        QCOMPARE(shownChanged.count(), 1);
        QVERIFY(veltra::test::capturedLog().contains("FirstFrameWatch: shown (first frame)"));
        // Later frames change nothing.
        window.contentItem()->setProperty("opacity", 0.5);
        window.update();
        QTest::qWait(100);
        QCOMPARE(shownChanged.count(), 1);
    }

    void aWindowThatShowsNothingCountsAsShownAfterTheFallback_data()
    {
        QTest::addColumn<bool>("withWindow");
        QTest::newRow("hidden window") << true;
        QTest::newRow("no window") << false;
    }

    void aWindowThatShowsNothingCountsAsShownAfterTheFallback()
    {
        QFETCH(bool, withWindow);
        QQuickWindow window;
        QObject notAWindow;
        FirstFrameWatch watch;
        watch.setFallbackInterval(50);
        watch.setWindow(withWindow ? static_cast<QObject *>(&window) : &notAWindow);
        QTest::qWait(20);
        QVERIFY(!watch.shown());
        QTRY_VERIFY_WITH_TIMEOUT(watch.shown(), veltra::test::timeout(5000));
        QVERIFY(veltra::test::capturedLog().contains("FirstFrameWatch: shown (no frame came in time)"));
        if (!withWindow)
            QVERIFY(veltra::test::capturedLog().join('\n').contains("FirstFrameWatch: not a Qt Quick window"));
    }

    void anUnsetWatchWaits()
    {
        FirstFrameWatch watch;
        watch.setFallbackInterval(10);
        QTest::qWait(60);
        QVERIFY(!watch.shown());
        QCOMPARE(watch.fallbackInterval(), 10);
        watch.setFallbackInterval(-5);
        QCOMPARE(watch.fallbackInterval(), 0);
    }
};

QTEST_MAIN(TestFirstFrameWatch)
#include "tst_firstframewatch.moc"

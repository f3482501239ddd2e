// The capture list, loaded through the real sorvel library and shown in a
// stand-in for the shell's window.
#include "logcapture.h"
#include "sorvelsession.h"
#include "warningguard.h"

#include <QFontMetricsF>
#include <QJSValue>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QSet>
#include <QtTest>

#include <algorithm>

namespace {

const QString kHomeAppId = QStringLiteral("com.ostrelle.veltra.Home");
const qint64 kMaxCaptureAgeMs = 10000000000LL;
const QString kGap = QStringLiteral("    ");
const int kListViewContain = 4; // ListView.Contain

QString columnHeading()
{
    return QString(18, ' ') + "Date/Time" + QString(63, ' ') + "Label" + QString(39, ' ') + "Ch A" + QString(11, ' ')
           + "Ch B";
}

// A date as the QML engine's JavaScript turns it into text by default:
// "Tue Mar 12 10:00:00 2024 GMT+0100" (no offset part in UTC).
QString javaScriptDateText(const QDateTime &date)
{
    const QDateTime local = date.toLocalTime();
    QString text = local.toString(Qt::TextDate) + QStringLiteral(" GMT");
    const int offsetMinutes = local.offsetFromUtc() / 60;
    if (offsetMinutes != 0) {
        text += offsetMinutes > 0 ? QLatin1Char('+') : QLatin1Char('-');
        text += QStringLiteral("%1%2")
                    .arg(qAbs(offsetMinutes) / 60, 2, 10, QLatin1Char('0'))
                    .arg(qAbs(offsetMinutes) % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}

QVariantList listProperty(QObject *object, const char *name)
{
    QVariant value = object->property(name);
    if (value.userType() == qMetaTypeId<QJSValue>())
        value = value.value<QJSValue>().toVariant();
    return value.toList();
}

QQuickItem *findItem(QQuickItem *root, const QString &objectName)
{
    if (!root)
        return nullptr;
    if (root->objectName() == objectName)
        return root;
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, objectName))
            return found;
    }
    return nullptr;
}

// The line of one capture, scrolled into view.
QQuickItem *lineAt(QQuickItem *list, int index)
{
    QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, index), Q_ARG(int, kListViewContain));
    QQuickItem *line = nullptr;
    QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, line), Q_ARG(int, index));
    return line;
}

QImage grabScreen(QQuickWindow *window)
{
    // The software renderer on the offscreen platform cannot grab the scene
    // itself; the platform's screen holds what was flushed.
    QImage image = window->grabWindow();
    if (image.isNull())
        image = window->screen()->grabWindow(window->winId()).toImage();
    return image;
}

bool showAndRender(QQuickWindow *window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    QSignalSpy swapped(window, &QQuickWindow::frameSwapped);
    window->update();
    return swapped.wait(veltra::test::timeout(5000));
}

// Transparent areas of a picture that do not reach its border, as bounding boxes.
QVector<QRect> enclosedHoles(const QImage &image)
{
    const int w = image.width();
    const int h = image.height();
    QVector<int> label(w * h, 0); // 0 unvisited, -1 outside or opaque, > 0 hole number
    auto transparent = [&](int x, int y) { return qAlpha(image.pixel(x, y)) < 128; };
    auto fill = [&](int x0, int y0, int mark, QRect *box) {
        QVector<QPoint> stack{QPoint(x0, y0)};
        label[y0 * w + x0] = mark;
        while (!stack.isEmpty()) {
            const QPoint p = stack.takeLast();
            if (box)
                *box |= QRect(p, QSize(1, 1));
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint q = p + d;
                if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h || label[q.y() * w + q.x()] != 0
                    || !transparent(q.x(), q.y()))
                    continue;
                label[q.y() * w + q.x()] = mark;
                stack.append(q);
            }
        }
    };
    for (int x = 0; x < w; ++x) {
        for (int y : {0, h - 1}) {
            if (transparent(x, y) && label[y * w + x] == 0)
                fill(x, y, -1, nullptr);
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x : {0, w - 1}) {
            if (transparent(x, y) && label[y * w + x] == 0)
                fill(x, y, -1, nullptr);
        }
    }
    QVector<QRect> holes;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (label[y * w + x] == 0 && transparent(x, y)) {
                QRect box;
                fill(x, y, holes.size() + 1, &box);
                holes.append(box);
            }
        }
    }
    return holes;
}

} // namespace

class TestSorvel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        veltra::test::startLogCapture();
        veltra::test::installWarningGuard();
    }

    void init() { veltra::test::clearCapturedLog(); }

    void cleanup()
    {
        const QString warnings = veltra::test::takeQmlWarnings();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
    }

    void capturesAreDrawnBackFromTheirCreation()
    {
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        SorvelSession session;
        QVERIFY2(session.open(), qPrintable(session.errorString()));
        const qint64 after = QDateTime::currentMSecsSinceEpoch();

        const QVariantList captures = listProperty(session.app(), "captures");
        QCOMPARE(captures.size(), 500);
        QVector<qint64> dates;
        for (const QVariant &entry : captures) {
            const QVariantMap capture = entry.toMap();
            QCOMPARE(capture.value("label").toString(), QString("Envelope Despress."));
            QCOMPARE(capture.value("chA").toString(), QString("48.4 Pa"));
            QCOMPARE(capture.value("chB").toString(), QString("2.7 ACH50"));
            const QDateTime date = capture.value("date").toDateTime();
            QVERIFY2(date.isValid(), qPrintable(capture.value("date").toString()));
            const qint64 ms = date.toMSecsSinceEpoch();
            // Each capture was made between `before` and `after`.
            QVERIFY2(ms <= after, qPrintable(date.toString(Qt::ISODateWithMs)));
            QVERIFY2(ms > before - kMaxCaptureAgeMs, qPrintable(date.toString(Qt::ISODateWithMs)));
            dates.append(ms);
        }
        const auto [earliest, latest] = std::minmax_element(dates.cbegin(), dates.cend());
        // Spread over the whole range back, in the order drawn: 500 uniform draws
        // all within one half of it, or in order, would be beyond chance.
        QVERIFY(*latest - *earliest > kMaxCaptureAgeMs / 2);
        QVERIFY(!std::is_sorted(dates.cbegin(), dates.cend()));
        QVERIFY(!std::is_sorted(dates.crbegin(), dates.crend()));

        // Another creation draws another set.
        SorvelSession again;
        QVERIFY2(again.open(), qPrintable(again.errorString()));
        const QVariantList second = listProperty(again.app(), "captures");
        QCOMPARE(second.size(), 500);
        int same = 0;
        for (int i = 0; i < 500; ++i)
            same += second.at(i).toMap().value("date") == captures.at(i).toMap().value("date") ? 1 : 0;
        QVERIFY2(same < 10, qPrintable(QString::number(same)));
    }

    void everyLineReadsDateLabelAndReadings()
    {
        SorvelSession session;
        QVERIFY2(session.open(), qPrintable(session.errorString()));
        QQuickItem *list = session.listView();
        QVERIFY(list);
        QCOMPARE(list->property("count").toInt(), 500);
        const QVariantList captures = listProperty(session.app(), "captures");
        QCOMPARE(captures.size(), 500);

        for (int i = 0; i < 500; ++i) {
            QQuickItem *line = lineAt(list, i);
            QVERIFY2(line, qPrintable(QString::number(i)));
            auto *text = line->findChild<QQuickItem *>("captureText");
            QVERIFY(text);
            const QString expected = javaScriptDateText(captures.at(i).toMap().value("date").toDateTime()) + kGap
                                     + "Envelope Despress." + kGap + "48.4 Pa" + kGap + "2.7 ACH50";
            QCOMPARE(text->property("text").toString(), expected);
        }

        // A line: the keyboard picture at its own size, the text beside it at the top.
        // One dp is one pixel on the test screen.
        QQuickItem *line = lineAt(list, 0);
        QVERIFY(line && !line->childItems().isEmpty());
        QQuickItem *picture = line->childItems().first();
        QCOMPARE(picture->property("status").toInt(), 1); // Image.Ready
        QCOMPARE(QSizeF(picture->width(), picture->height()), QSizeF(48, 48));
        QQuickItem *text = line->findChild<QQuickItem *>("captureText");
        QCOMPARE(QPointF(text->x(), text->y()), QPointF(picture->x() + 48 + 16, 0));
        QCOMPARE(line->height(), 36.0);
        QCOMPARE(lineAt(list, 1)->y() - line->y(), 36.0);
    }

    void textsTranslateOnlyInEnglish_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("appTitle");
        QTest::addColumn<QString>("pageTitle");
        QTest::addColumn<QString>("actionName");
        QTest::newRow("en-US") << "en-US" << "Sorvel" << "Sorvel" << "Home";
        for (const char *language : {"de-DE", "en-BE", "en-GB", "es-ES", "fr-FR", "it-IT", "nb-NO", "nl-NL", "pt-BR"})
            QTest::newRow(language) << language << "SORVEL_APP_TITLE" << "SORVEL_PAGE_TITLE" << "HOME_ACTION_NAME";
    }
    void textsTranslateOnlyInEnglish()
    {
        QFETCH(QString, language);
        QFETCH(QString, appTitle);
        QFETCH(QString, pageTitle);
        QFETCH(QString, actionName);
        SorvelSession session(language);
        QVERIFY2(session.open(), qPrintable(session.errorString()));
        QCOMPARE(session.app()->property("title").toString(), appTitle);
        QObject *page = session.find("capturePage");
        QVERIFY(page);
        QCOMPARE(page->property("title").toString(), pageTitle);
        QObject *home = session.find("homeAction");
        QVERIFY(home);
        QCOMPARE(home->property("name").toString(), actionName);
        QCOMPARE(home->property("iconName").toString(), QString("action/home"));
        auto *heading = qvariant_cast<QQuickItem *>(session.listView()->property("headerItem"));
        QVERIFY(heading);
        QCOMPARE(heading->property("text").toString(), columnHeading());
    }

    void headingScrollsWithTheLines()
    {
        SorvelSession session;
        QVERIFY2(session.open(), qPrintable(session.errorString()));
        QVERIFY(showAndRender(session.window()));
        QQuickItem *list = session.listView();
        auto *heading = qvariant_cast<QQuickItem *>(list->property("headerItem"));
        QVERIFY(heading);
        QCOMPARE(heading->mapToItem(list, QPointF(0, 0)).y(), 0.0);
        QCOMPARE(lineAt(list, 0)->mapToItem(list, QPointF(0, 0)).y(), heading->height());

        QMetaObject::invokeMethod(list, "positionViewAtEnd");
        QQuickItem *last = lineAt(list, 499);
        QVERIFY(last);
        QCOMPARE(last->mapToItem(list, QPointF(0, last->height())).y(), list->height());
        QVERIFY(heading->mapToItem(list, QPointF(0, heading->height())).y() <= 0);
    }

    void scrollbarShowsAtRest_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("500 lines") << 500;
        QTest::newRow("3 lines, all in view") << 3;
    }
    void scrollbarShowsAtRest()
    {
        QFETCH(int, lines);
        SorvelSession session;
        QVERIFY2(session.open(), qPrintable(session.errorString()));
        QQuickItem *list = session.listView();
        if (lines < 500) {
            const QVariantList all = listProperty(session.app(), "captures");
            list->setProperty("model", QVariant(all.mid(0, lines)));
            QCOMPARE(list->property("count").toInt(), lines);
            QVERIFY(list->property("contentHeight").toReal() < list->height());
        }
        QVERIFY(showAndRender(session.window()));
        auto *scrollbar = qobject_cast<QQuickItem *>(session.find("captureScrollbar"));
        QVERIFY(scrollbar);
        QVERIFY(!list->property("moving").toBool());
        QVERIFY(scrollbar->isVisible());
        QCOMPARE(scrollbar->property("showing").toBool(), true);
        QCOMPARE(scrollbar->opacity(), 1.0);
        QCOMPARE(scrollbar->property("flickableItem").value<QObject *>(), static_cast<QObject *>(list));
    }

    void homeActionGoesHome()
    {
        SorvelSession session;
        QVERIFY2(session.open(), qPrintable(session.errorString()));
        QQuickWindow *window = session.window();
        QVERIFY(showAndRender(window));
        QVERIFY(listProperty(window, "launches").isEmpty());
        QQuickItem *button = findItem(window->contentItem(), "actionButton");
        QVERIFY(button);
        QVERIFY(button->isVisible());
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                          button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint());

        const QVariantList launches = listProperty(window, "launches");
        QCOMPARE(launches.size(), 1);
        const QVariantMap launch = launches.first().toMap();
        QCOMPARE(launch.value("appId").toString(), kHomeAppId);
        QCOMPARE(launch.value("argumentCount").toInt(), 1);
        const QStringList log = veltra::test::capturedLog();
        QVERIFY2(log.contains("VeltraApp.goHome()"), qPrintable(log.join('\n')));
        QVERIFY2(log.contains("VeltraApp.launch() " + kHomeAppId), qPrintable(log.join('\n')));
    }

    void keyboardPictureIsAKeyboard()
    {
        SorvelSession session;
        QVERIFY2(session.open(), qPrintable(session.errorString()));
        const QImage picture(QStringLiteral(":/keyboard.png"));
        QCOMPARE(picture.size(), QSize(48, 48));
        QVERIFY(picture.hasAlphaChannel());

        QRect drawn;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                if (qAlpha(pixel) == 0)
                    continue;
                drawn |= QRect(x, y, 1, 1);
                QVERIFY2(qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0,
                         qPrintable(QString("not black at %1,%2").arg(x).arg(y)));
            }
        }
        QCOMPARE(drawn, QRect(4, 10, 40, 28));
        // Rounded: the slab's corners are not filled.
        QVERIFY(qAlpha(picture.pixel(4, 10)) < 128);
        QVERIFY(qAlpha(picture.pixel(43, 37)) < 128);

        // Two rows of five square key holes, then one wide hole below them.
        const QVector<QRect> holes = enclosedHoles(picture);
        QCOMPARE(holes.size(), 11);
        const QRect space = holes.last();
        const QVector<QRect> keys = holes.mid(0, 10);
        QSet<int> rows;
        for (const QRect &key : keys) {
            QCOMPARE(key.width(), key.height());
            QCOMPARE(key.size(), keys.first().size());
            rows.insert(key.y());
        }
        QCOMPARE(rows.size(), 2);
        QVERIFY(space.top() > keys.last().bottom());
        QVERIFY(space.width() > 2 * keys.first().width());
        QCOMPARE(space.center().x(), drawn.center().x());
    }

    // A capture's label and readings come from the gauge: they are shown as the
    // characters they hold, and a picture they name is not drawn.
    void capturesAreShownAsPlainText()
    {
        SorvelSession session;
        QVERIFY2(session.open(), qPrintable(session.errorString()));
        const QString label = QStringLiteral("<b>Bold</b> <img src=\"%1\"> &lt;")
                                  .arg(QUrl::fromLocalFile(QStringLiteral(VELTRA_TEST_MARKER_PNG)).toString());
        const QVariantMap capture{{"date", QDateTime::currentDateTime()}, {"label", label},
                                  {"chA", "<i>48.4</i> Pa"}, {"chB", "2.7 ACH50"}};
        session.listView()->setProperty("model", QVariantList{capture});
        QVERIFY(showAndRender(session.window()));
        auto *text = lineAt(session.listView(), 0)->findChild<QQuickItem *>("captureText");
        QVERIFY(text);
        const QString shown = text->property("text").toString();
        QVERIFY2(shown.endsWith(kGap + label + kGap + "<i>48.4</i> Pa" + kGap + "2.7 ACH50"), qPrintable(shown));
        const QImage shot = grabScreen(session.window());
        int magenta = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x)
                magenta += shot.pixel(x, y) == qRgb(255, 0, 255) ? 1 : 0;
        }
        QCOMPARE(magenta, 0);
        const QFontMetricsF metrics(text->property("font").value<QFont>());
        QCOMPARE(qRound(text->implicitWidth()), qRound(metrics.horizontalAdvance(shown)));
        QCOMPARE(text->property("textFormat").toInt(), 0); // Text.PlainText
    }

    void pageRendersOnTheDeviceScreen()
    {
        SorvelSession session;
        QVERIFY2(session.open(), qPrintable(session.errorString()));
        QQuickWindow *window = session.window();
        QVERIFY(showAndRender(window));
        QCOMPARE(window->size(), QSize(480, 272));
        const QImage shot = grabScreen(window);
        QCOMPARE(shot.size(), QSize(480, 272));
        const QString file = QDir::current().absoluteFilePath("sorvel-en-US.png");
        QVERIFY(shot.save(file));
        qInfo("TestSorvel.pageRendersOnTheDeviceScreen() screenshot: %s", qPrintable(file));

        // The app's colours; the status bar follows its primary colour.
        auto *theme = session.app()->property("theme").value<QObject *>();
        QVERIFY(theme);
        const QColor primary("#335c88");
        QCOMPARE(theme->property("primaryColor").value<QColor>(), primary);
        QCOMPARE(theme->property("accentColor").value<QColor>(), QColor("#e51937"));
        QCOMPARE(theme->property("backgroundColor").value<QColor>(), QColor("#c9d5e3"));
        QCOMPARE(theme->property("statusBarBackgroundColor").value<QColor>(), primary);
        QQuickItem *statusBar = findItem(window->contentItem(), "statusBar");
        QVERIFY(statusBar);
        QCOMPARE(QColor(shot.pixel(statusBar->mapToScene(QPointF(200, 4)).toPoint())), primary);
        QQuickItem *actionBar = findItem(window->contentItem(), "actionBarBackground");
        QVERIFY(actionBar);
        QCOMPARE(QColor(shot.pixel(actionBar->mapToScene(QPointF(200, 4)).toPoint())), primary);

        // The first line's picture: black slab, key holes and corners showing the white content.
        QQuickItem *picture = lineAt(session.listView(), 0)->childItems().first();
        const QPoint origin = picture->mapToScene(QPointF(0, 0)).toPoint();
        QCOMPARE(QColor(shot.pixel(origin + QPoint(5, 20))), QColor(Qt::black));
        QCOMPARE(QColor(shot.pixel(origin + QPoint(9, 16))), QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(origin + QPoint(2, 2))), QColor(Qt::white));
    }
};

QTEST_MAIN(TestSorvel)
#include "tst_sorvel.moc"

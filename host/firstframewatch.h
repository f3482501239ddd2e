#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QQuickWindow;

// Tells, once, that a window has shown its first frame. The shell starts its
// background work (loading the other apps) only then, so that the work does
// not compete with the first screen. A window that shows no frame (hidden,
// or on a platform that does not render it) counts as shown after
// fallbackInterval milliseconds, so that nothing waits for ever.
class FirstFrameWatch : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *window READ window WRITE setWindow NOTIFY windowChanged)
    Q_PROPERTY(bool shown READ shown NOTIFY shownChanged)
    Q_PROPERTY(int fallbackInterval READ fallbackInterval WRITE setFallbackInterval NOTIFY fallbackIntervalChanged)

public:
    explicit FirstFrameWatch(QObject *parent = nullptr);

    QObject *window() const;
    void setWindow(QObject *window);
    bool shown() const;
    int fallbackInterval() const;
    void setFallbackInterval(int milliseconds);

signals:
    void windowChanged();
    void shownChanged();
    void fallbackIntervalChanged();

private:
    void markShown(const char *why);

    QPointer<QQuickWindow> m_window;
    QMetaObject::Connection m_frameConnection;
    QTimer m_fallback;
    bool m_shown = false;
};

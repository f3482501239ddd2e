#pragma once

#include "common_global.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QQuickWindow;

// Saves pictures of a window as "screenshot-<yyyyMMdd-HHmmss-zzz>.png" in a
// directory that is created when missing.
class COMMON_EXPORT Screenshot : public QObject
{
    Q_OBJECT
public:
    Screenshot(const QString &dir, QQuickWindow *window, QObject *parent = nullptr);

    QString directory() const { return m_dir; }

    // Returns the path written, or an empty string (with a log line) on failure.
    Q_INVOKABLE QString grab();

private:
    QString m_dir;
    QPointer<QQuickWindow> m_window;
    bool m_cleaned = false; // stale temporaries removed from m_dir
};

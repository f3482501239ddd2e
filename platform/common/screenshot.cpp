#include "screenshot.h"

#include "savedfile.h"

#include <QBuffer>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QQuickWindow>
#include <QScreen>

Screenshot::Screenshot(const QString &dir, QQuickWindow *window, QObject *parent)
    : QObject(parent)
    , m_dir(dir)
    , m_window(window)
{
}

QString Screenshot::grab()
{
    if (!m_window) {
        qDebug() << "Screenshot::grab() no window";
        return {};
    }
    if (m_dir.isEmpty() || !QDir().mkpath(m_dir)) {
        qDebug() << "Screenshot::grab() cannot create directory" << m_dir;
        return {};
    }
    // A link in place of the directory (one planted in the saved data) would
    // lead the pictures, and the clean-up of temporaries, anywhere.
    if (QFileInfo(QDir::cleanPath(m_dir)).isSymLink()) {
        qDebug() << "Screenshot::grab()" << m_dir << "is a link; no screenshot is written through it";
        return {};
    }
    if (!m_cleaned) {
        saved::removeStaleTemporaries(m_dir);
        m_cleaned = true;
    }
    QImage image = m_window->grabWindow();
    // Some platforms' backing stores cannot be read back by the scene graph
    // (the software renderer on the offscreen platform); their screen can.
    if (image.isNull() && m_window->screen())
        image = m_window->screen()->grabWindow(m_window->winId()).toImage();
    if (image.isNull()) {
        qDebug() << "Screenshot::grab() the window gave no picture";
        return {};
    }
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        qDebug() << "Screenshot::grab() cannot encode the picture";
        return {};
    }
    // A fresh name: nothing of that name, not even a link, is there.
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path = QDir(m_dir).filePath(QStringLiteral("screenshot-%1.png").arg(stamp));
    for (int n = 1; QFileInfo(path).exists() || QFileInfo(path).isSymLink(); ++n)
        path = QDir(m_dir).filePath(QStringLiteral("screenshot-%1-%2.png").arg(stamp).arg(n));
    // Written through a checked temporary file: a full file system is a
    // failure, never an empty picture reported as saved.
    if (!saved::writeFile(path, png)) {
        qDebug() << "Screenshot::grab() cannot write" << path;
        return {};
    }
    qDebug() << "Screenshot::grab() saved" << path;
    return path;
}

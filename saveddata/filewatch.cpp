#include "filewatch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

FileWatch::FileWatch(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(QFileInfo(path).absoluteFilePath())
    , m_watcher(new QFileSystemWatcher(this))
{
    auto onEvent = [this] {
        rewatch();
        emit changed();
    };
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, onEvent);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, onEvent);
    rewatch();
}

// The watches are always made anew: the file's inode, or the directory a link
// leads to, may have changed under the same name. Something may appear between
// the look and the watch, so it looks again until the picture holds (a few
// rounds at most).
void FileWatch::rewatch()
{
    QStringList wanted;
    for (int round = 0; round < 4; ++round) {
        const QStringList watched = m_watcher->files() + m_watcher->directories();
        if (!watched.isEmpty())
            m_watcher->removePaths(watched);
        QString dir = QFileInfo(m_path).absolutePath();
        while (!QFileInfo(dir).isDir() && dir != QFileInfo(dir).absolutePath())
            dir = QFileInfo(dir).absolutePath();
        QStringList now{dir};
        const QString parent = QFileInfo(dir).absolutePath();
        if (parent != dir)
            now << parent;
        if (QFileInfo::exists(m_path))
            now << m_path;
        m_watcher->addPaths(now);
        if (now == wanted)
            return;
        wanted = now;
    }
}

#pragma once

#include <QObject>
#include <QString>

class QFileSystemWatcher;

// Tells when a file may have changed, whatever happens around it: written in
// place, replaced by a rename, removed, replaced by a directory, its directory
// (or a link on the way) removed, replaced or created only later. It watches
// the file, its directory and that directory's parent, or the deepest
// directory on the way that exists, and looks again after every event.
// changed() may come for unrelated changes nearby: the receiver reads again
// and compares.
class FileWatch : public QObject
{
    Q_OBJECT
public:
    explicit FileWatch(const QString &path, QObject *parent = nullptr);

    QString path() const { return m_path; }

signals:
    void changed();

private:
    void rewatch();

    QString m_path;
    QFileSystemWatcher *m_watcher;
};

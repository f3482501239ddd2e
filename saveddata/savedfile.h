#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QVariantMap>

#include <optional>

// Files under the saved data are read and written only through these calls.
// Anything there may be hostile: a link (to a device node, to a file of the
// system), a FIFO, a directory, a huge or garbage file. Nothing here follows a
// link, reads anything but a regular file of a sane size, or writes in place.
namespace saved {

// A saved file is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

// Whether a read goes through a link at the path's last component. Saved data
// never does; a file the shell only reads elsewhere (the simulated device's)
// may.
enum class Links { Refuse, Follow };

// The content of the regular file at `path`, opened without following a link
// and without waiting on a FIFO. A missing file gives nothing; a link, a FIFO
// or other special file, a directory, an unreadable file or one larger than
// `maxBytes` also give nothing, with a log line: they are treated as absent.
std::optional<QByteArray> readFile(const QString &path, qint64 maxBytes = kMaxFileBytes,
                                   Links links = Links::Refuse);

// Replaces the file at `path` with `content`: written to a fresh temporary
// file beside it (created exclusively, never through a link), flushed, read
// back and compared, then renamed over `path`. A link at `path` is replaced by
// the file, never written through. On any failure (full file system, a
// directory at `path`, no rights) `path` is left exactly as it was, the
// temporary file is removed, a line is logged and false returned. A file
// whose owner has no write permission is read-only by intent: not replaced.
// A new file gets `permissions`; a replaced one keeps its own.
bool writeFile(const QString &path, const QByteArray &content,
               QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                   | QFileDevice::ReadGroup | QFileDevice::ReadOther);

// Removes everything inside `dir` (which stays): links are removed, never
// followed, and nothing on another file system mounted below it is touched
// (logged). Whether all of it could be removed.
bool removeContents(const QString &dir);

// Removes, from `dir`, the temporary files that writeFile() (and the badge
// store of earlier versions) left behind when their process was killed;
// those of a process still running are kept. Returns how many were removed.
int removeStaleTemporaries(const QString &dir);

// The INI text the settings class writes for `values`, keys at the top
// level; made in a temporary file of ours in `workDir` (the saved data: the
// one place that is sure to take files). Nothing when it cannot be made.
std::optional<QByteArray> iniText(const QVariantMap &values, const QString &workDir);

// An exclusive lock on a directory while the object lives, so that a
// read-change-write of a file in it is not interleaved with another
// process's. Waits at most `timeoutMs`; without the lock (logged) the caller
// goes ahead all the same: a change is never lost for want of a lock.
class DirectoryLock
{
public:
    explicit DirectoryLock(const QString &dir, int timeoutMs = 3000);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock &) = delete;
    DirectoryLock &operator=(const DirectoryLock &) = delete;

    bool isLocked() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace saved

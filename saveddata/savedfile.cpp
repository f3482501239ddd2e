#include "savedfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace saved {

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

QString why()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Temporary files are named ".<name>.<pid>.<random>.tmp", so that a later
// start can tell which process made them.
QString temporaryPattern(const QString &path)
{
    const QFileInfo info(path);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.')
        + QString::number(QCoreApplication::applicationPid()) + QStringLiteral(".XXXXXX.tmp");
}

bool writeAll(int fd, const QByteArray &content)
{
    qint64 done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Reads an open descriptor to its end, at most `maxBytes` (+1 to tell a file
// that is too large); nothing on a read error.
std::optional<QByteArray> readAll(int fd, qint64 maxBytes)
{
    QByteArray content;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return content;
        content.append(buffer, int(n));
        if (content.size() > maxBytes)
            return content;
    }
}

bool isRunning(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

} // namespace

std::optional<QByteArray> readFile(const QString &path, qint64 maxBytes, Links links)
{
    struct stat st;
    const bool follow = links == Links::Follow;
    if ((follow ? ::stat(encoded(path).constData(), &st) : ::lstat(encoded(path).constData(), &st)) != 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            qDebug() << "saved::readFile() cannot look at" << path << ":" << why() << "; taken as absent";
        return std::nullopt;
    }
    if (S_ISLNK(st.st_mode)) {
        qDebug() << "saved::readFile()" << path << "is a link; taken as absent, never followed";
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        qDebug() << "saved::readFile()" << path << "is not a regular file; taken as absent";
        return std::nullopt;
    }
    if (st.st_size > maxBytes) {
        qDebug() << "saved::readFile()" << path << "holds" << st.st_size << "bytes, more than" << maxBytes
                 << "; taken as absent";
        return std::nullopt;
    }
    // Opened without following a link and without waiting on a FIFO, in case
    // the name was swapped since the look above; then looked at again.
    const int fd = ::open(encoded(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        qDebug() << "saved::readFile() cannot open" << path << ":" << why() << "; taken as absent";
        return std::nullopt;
    }
    std::optional<QByteArray> content;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        content = readAll(fd, maxBytes);
    ::close(fd);
    if (!content) {
        qDebug() << "saved::readFile() cannot read" << path << "; taken as absent";
        return std::nullopt;
    }
    if (content->size() > maxBytes) {
        qDebug() << "saved::readFile()" << path << "grew past" << maxBytes << "bytes while read; taken as absent";
        return std::nullopt;
    }
    return content;
}

bool writeFile(const QString &path, const QByteArray &content, QFileDevice::Permissions permissions)
{
    mode_t mode = 0;
    struct stat st;
    if (::lstat(encoded(path).constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            qDebug() << "saved::writeFile()" << path << "is a directory; not written";
            return false;
        }
        if (S_ISREG(st.st_mode)) {
            if (!(st.st_mode & S_IWUSR) || ::access(encoded(path).constData(), W_OK) != 0) {
                qDebug() << "saved::writeFile()" << path << "is read-only; not written";
                return false;
            }
            mode = st.st_mode & 07777;
        }
    }
    if (mode == 0) {
        // A new file, or one in place of a link or a special file.
        mode = 0;
        if (permissions & QFileDevice::ReadOwner) mode |= S_IRUSR;
        if (permissions & QFileDevice::WriteOwner) mode |= S_IWUSR;
        if (permissions & QFileDevice::ReadGroup) mode |= S_IRGRP;
        if (permissions & QFileDevice::WriteGroup) mode |= S_IWGRP;
        if (permissions & QFileDevice::ReadOther) mode |= S_IROTH;
    }

    QByteArray name = encoded(temporaryPattern(path));
    const int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) {
        qDebug() << "saved::writeFile() cannot write beside" << path << ":" << why() << "; not written";
        return false;
    }
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    auto fail = [&](const char *step) {
        qDebug() << "saved::writeFile()" << path << "not written:" << step << "(" << why() << "); it is unchanged";
        ::unlink(name.constData());
        return false;
    };
    const bool written = writeAll(fd, content) && ::fsync(fd) == 0 && ::fchmod(fd, mode) == 0;
    if (::close(fd) != 0 || !written)
        return fail("writing failed, the file system may be full");
    // Read back under the name it will have: a file system that dropped part
    // of it never replaces the good file.
    const int check = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    std::optional<QByteArray> back = check >= 0 ? readAll(check, content.size()) : std::nullopt;
    if (check >= 0)
        ::close(check);
    if (!back || *back != content)
        return fail("the written file reads back differently");
    if (::rename(name.constData(), encoded(path).constData()) != 0)
        return fail("the file could not be replaced");
    const int dirFd = ::open(encoded(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

namespace {

// The mount points of the system ("/proc/self/mountinfo", field five, with
// its octal escapes). A bind mount shares its device number with the file
// system it lies in, so the numbers alone do not show it.
QSet<QByteArray> mountPoints()
{
    QSet<QByteArray> points;
    const std::optional<QByteArray> info =
        readFile(QStringLiteral("/proc/self/mountinfo"), kMaxFileBytes, Links::Follow);
    if (!info)
        return points;
    for (const QByteArray &line : info->split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5)
            continue;
        const QByteArray &escaped = fields.at(4);
        QByteArray point;
        for (int i = 0; i < escaped.size(); ++i) {
            if (escaped.at(i) == '\\' && i + 3 < escaped.size()) {
                point += char(escaped.mid(i + 1, 3).toInt(nullptr, 8));
                i += 3;
            } else {
                point += escaped.at(i);
            }
        }
        points.insert(point);
    }
    return points;
}

// Removes what `dir` holds, staying on the device `device` and out of mount
// points.
bool removeBelow(const QByteArray &dir, dev_t device, const QSet<QByteArray> &mounts)
{
    const QStringList names =
        QDir(QFile::decodeName(dir)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    bool all = true;
    for (const QString &name : names) {
        const QByteArray path = dir + '/' + QFile::encodeName(name);
        struct stat st;
        if (::lstat(path.constData(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            if (st.st_dev != device || mounts.contains(path)) {
                qDebug() << "saved::removeContents() leaves" << QFile::decodeName(path)
                         << "alone: another file system is mounted there";
                all = false;
                continue;
            }
            all = removeBelow(path, device, mounts) && all;
            if (::rmdir(path.constData()) != 0)
                all = false;
        } else if (::unlink(path.constData()) != 0) {
            all = false;
        }
    }
    return all;
}

} // namespace

bool removeContents(const QString &dir)
{
    struct stat st;
    if (::stat(encoded(dir).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    // Mount points are compared as the system names them: without links.
    const QString real = QFileInfo(dir).canonicalFilePath();
    const bool all = removeBelow(encoded(real.isEmpty() ? dir : real), st.st_dev, mountPoints());
    if (!all)
        qDebug() << "saved::removeContents() could not remove all of" << dir;
    return all;
}

int removeStaleTemporaries(const QString &dir)
{
    // Ours: ".<name>.<pid>.<anything>". Those of earlier versions (no process
    // id in the name): the badge store's ".badges.conf.XXXXXX", with ".check"
    // or the settings class's own suffixes, and the settings class's lock
    // files; these go when they are a minute old.
    static const QRegularExpression ours(QStringLiteral("^\\.[^/]+?\\.(\\d+)\\.[A-Za-z0-9]{6}\\.tmp"));
    static const QRegularExpression earlier(
        QStringLiteral("^(\\.badges\\.conf\\.[A-Za-z0-9]{6}(\\.check|\\.lock|\\.[A-Za-z0-9]{6})?"
                       "|(global|badges)\\.conf\\.lock|(global|badges)\\.conf\\.[A-Za-z0-9]{6})$"));
    const QDateTime aMinuteAgo = QDateTime::currentDateTimeUtc().addSecs(-60);
    int removed = 0;
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || !entry.isFile())
            continue;
        const QString name = entry.fileName();
        // Every name either pattern matches starts with "." or holds ".conf.":
        // the others (global.conf, badges.conf ...) need no pattern, which is
        // compiled at its first use.
        if (!name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1String(".conf.")))
            continue;
        const QRegularExpressionMatch match = ours.match(name);
        const bool stale = match.hasMatch()
            ? !isRunning(match.captured(1).toLongLong())
            : earlier.match(name).hasMatch() && entry.lastModified().toUTC() < aMinuteAgo;
        if (stale && QFile::remove(entry.absoluteFilePath()))
            ++removed;
    }
    if (removed > 0)
        qDebug() << "saved::removeStaleTemporaries() removed" << removed << "temporary files left in" << dir;
    return removed;
}

std::optional<QByteArray> iniText(const QVariantMap &values, const QString &workDir)
{
    // The settings class writes only to files: it writes this one under a
    // temporary name of ours in `workDir`, which is then read and removed.
    QByteArray name = encoded(QDir(workDir).filePath(QStringLiteral("ini")));
    name = encoded(temporaryPattern(QFile::decodeName(name)));
    const int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) {
        qDebug() << "saved::iniText() cannot write in" << workDir << ":" << why();
        return std::nullopt;
    }
    ::close(fd);
    const QString temporary = QFile::decodeName(name);
    bool ok = false;
    {
        QSettings ini(temporary, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
        ok = ini.status() == QSettings::NoError;
    }
    const std::optional<QByteArray> text = ok ? readFile(temporary) : std::nullopt;
    ::unlink(name.constData());
    ::unlink((name + ".lock").constData());
    return text;
}

DirectoryLock::DirectoryLock(const QString &dir, int timeoutMs)
{
    const int fd = ::open(encoded(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + timeoutMs;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || QDateTime::currentMSecsSinceEpoch() >= deadline) {
            qDebug() << "saved::DirectoryLock: no lock on" << dir << "within" << timeoutMs << "ms; going ahead";
            ::close(fd);
            return;
        }
        QThread::msleep(5);
    }
    m_fd = fd;
}

DirectoryLock::~DirectoryLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

} // namespace saved

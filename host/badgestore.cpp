#include "badgestore.h"

#include "initext.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// A badge file is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

QVariantMap toBadges(const QHash<QString, QString> &texts)
{
    QVariantMap badges;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        badges.insert(it.key(), it.value());
    return badges;
}

} // namespace

BadgeStore::BadgeStore(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
    const QString dir = QFileInfo(m_path).absolutePath();
    if (!QFileInfo::exists(dir) && !QDir().mkpath(dir))
        qDebug() << "BadgeStore::BadgeStore() cannot create" << dir << "; badges stay in memory";
    refresh();
    m_announcing = false; // nothing to announce before anyone has read
    watch();
}

BadgeStore::~BadgeStore()
{
    // A change that could not be written (a full file system) gets one more try.
    if (!m_unsaved.isEmpty())
        save();
}

bool BadgeStore::isKey(const QString &appId)
{
    return !appId.isEmpty() && !appId.contains(QLatin1Char('/'));
}

QVariantMap BadgeStore::badges()
{
    refresh();
    return m_badges;
}

QString BadgeStore::text(const QString &appId)
{
    if (!isKey(appId))
        return QString();
    refresh();
    return m_badges.value(appId).toString();
}

bool BadgeStore::setText(const QString &appId, const QString &text)
{
    if (!isKey(appId)) {
        qDebug() << "BadgeStore::setText() refused the app identifier" << appId
                 << (appId.isEmpty() ? ": it is empty" : ": it holds a \"/\"");
        return false;
    }
    return change(appId, text);
}

bool BadgeStore::remove(const QString &appId)
{
    if (!isKey(appId)) {
        qDebug() << "BadgeStore::remove() refused the app identifier" << appId;
        return false;
    }
    return change(appId, QVariant());
}

bool BadgeStore::change(const QString &appId, const QVariant &text)
{
    // What others wrote since the last look stays; only this key changes.
    refresh();
    // An absent badge reads as the empty text, so storing "" for it changes nothing.
    if (text.isValid() ? m_badges.value(appId).toString() == text.toString() : !m_badges.contains(appId))
        return false;
    if (text.isValid())
        m_badges.insert(appId, text.toString());
    else
        m_badges.remove(appId);
    m_unsaved.insert(appId, text);
    save();
    m_announcing = false; // this covers what the file brought too
    emit changed();
    return true;
}

BadgeStore::Stamp BadgeStore::stamp() const
{
    Stamp s;
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(m_path).constData(), &st) != 0)
        return s;
    s.exists = true;
    s.size = st.st_size;
    s.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.inode = st.st_ino;
#else
    const QFileInfo info(m_path);
    s.exists = info.exists();
    s.size = info.size();
    s.modified = info.lastModified().toMSecsSinceEpoch() * 1000000;
#endif
    return s;
}

bool BadgeStore::refresh()
{
    const Stamp now = stamp();
    if (m_loaded && now == m_stamp)
        return false;
    m_loaded = true;
    QVariantMap disk;
    if (now.exists) {
        QFile file(m_path);
        if (!QFileInfo(m_path).isFile() || now.size > kMaxFileBytes || !file.open(QIODevice::ReadOnly)) {
            if (now != m_stamp)
                qDebug() << "BadgeStore: cannot read" << m_path << "; the badges stay as they were";
            m_stamp = now;
            return false;
        }
        disk = toBadges(IniText::topLevel(file.read(kMaxFileBytes)));
    }
    m_stamp = now;
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it) {
        if (it.value().isValid())
            disk.insert(it.key(), it.value());
        else
            disk.remove(it.key());
    }
    if (disk == m_badges)
        return false;
    m_badges = disk;
    // Announced from the event loop: this may run inside a read made by a
    // binding, which must not see its own notification.
    if (!m_announcing) {
        m_announcing = true;
        QMetaObject::invokeMethod(this, &BadgeStore::announce, Qt::QueuedConnection);
    }
    return true;
}

void BadgeStore::announce()
{
    if (m_announcing) {
        m_announcing = false;
        emit changed();
    }
}

// The settings class writes its file through a save file that, when the file
// system fills up while it flushes, still renames the cut-off file into place.
// So the badges are written (still by the settings class, which keeps the
// format) under a fresh temporary name in the same directory, read back and
// compared; only a complete file replaces badges.conf, by an atomic rename.
// Otherwise badges.conf stays as it was and the changes stay in memory.
bool BadgeStore::save()
{
    const QFileInfo target(m_path);
    if (target.exists() && !target.isWritable()) {
        qDebug() << "BadgeStore:" << m_path << "is read-only; the badges stay in memory";
        return false;
    }
    QTemporaryFile reserved(target.absolutePath() + QStringLiteral("/.badges.conf.XXXXXX"));
    if (!reserved.open()) {
        qDebug() << "BadgeStore: cannot write the badges to" << target.absolutePath() << ":" << reserved.errorString()
                 << "; they stay in memory";
        return false;
    }
    reserved.setAutoRemove(false);
    const QString written = reserved.fileName();
    reserved.close();
    auto fail = [&](const char *why) {
        QFile::remove(written);
        qDebug() << "BadgeStore: the badges were not saved (" << why << "); badges.conf is unchanged and the"
                 << "badges stay in memory";
        return false;
    };
    {
        QSettings out(written, QSettings::IniFormat);
        for (auto it = m_badges.cbegin(); it != m_badges.cend(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
        if (out.status() != QSettings::NoError)
            return fail("writing failed");
    }
    {
        QFile in(written);
        if (!in.open(QIODevice::ReadOnly) || toBadges(IniText::topLevel(in.read(kMaxFileBytes))) != m_badges)
            return fail("the written file is incomplete, the file system may be full");
    }
    // The permissions the badge file had, or the usual ones for a new file.
    const QFileDevice::Permissions permissions = target.exists() && target.isFile() && !target.isSymLink()
        ? QFile::permissions(m_path)
        : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(written, permissions);
    if (::rename(QFile::encodeName(written).constData(), QFile::encodeName(m_path).constData()) != 0)
        return fail("badges.conf could not be replaced");
    m_unsaved.clear();
    m_stamp = stamp();
    return true;
}

// Others' changes are announced as they happen: the directory shows a file
// replaced by a rename, the file one written in place.
void BadgeStore::watch()
{
    m_watcher = new QFileSystemWatcher(this);
    const QString dir = QFileInfo(m_path).absolutePath();
    if (QFileInfo(dir).isDir())
        m_watcher->addPath(dir);
    auto onChange = [this] {
        // A file replaced by a rename is a new file under the old name.
        if (m_watcher->files().contains(m_path))
            m_watcher->removePath(m_path);
        if (QFileInfo::exists(m_path))
            m_watcher->addPath(m_path);
        refresh();
    };
    if (QFileInfo::exists(m_path))
        m_watcher->addPath(m_path);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, onChange);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, onChange);
}

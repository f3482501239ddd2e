#include "badgestore.h"

#include "filewatch.h"
#include "initext.h"
#include "savedfile.h"
#include "savedsettings.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

BadgeStore::BadgeStore(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
    , m_settings(nullptr)
    , m_watch(nullptr)
{
    const QString dir = QFileInfo(m_path).absolutePath();
    if (!QFileInfo::exists(dir) && !QDir().mkpath(dir))
        qDebug() << "BadgeStore::BadgeStore() cannot create" << dir << "; badges stay in memory";
    m_settings = new SavedSettings(m_path, this);
    m_stamp = stamp();
    m_badges = readBadges();
    m_watch = new FileWatch(m_path, this);
    connect(m_watch, &FileWatch::changed, this, &BadgeStore::refresh);
}

BadgeStore::~BadgeStore()
{
    // A change that could not be written (a full file system) gets one more
    // try; the settings object writes what it holds when it goes.
    if (!m_unsaved.isEmpty())
        m_settings->update([this] { applyUnsaved(); });
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

// The badges as the settings object holds them, each as plain text: a value
// the settings class reads as something else (a list, for an unquoted comma)
// is taken as the file writes it.
QVariantMap BadgeStore::readBadges() const
{
    QVariantMap badges;
    std::optional<QHash<QString, QString>> texts;
    const QStringList keys = m_settings->childKeys();
    for (const QString &key : keys) {
        const QVariant value = m_settings->value(key);
        if (value.type() == QVariant::String) {
            badges.insert(key, value);
            continue;
        }
        if (!texts)
            texts = IniText::topLevel(saved::readFile(m_settings->fileName()).value_or(QByteArray()));
        badges.insert(key, texts->value(key, value.toStringList().join(QStringLiteral(", "))));
    }
    return badges;
}

void BadgeStore::applyUnsaved()
{
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it) {
        if (it.value().isValid())
            m_settings->setValue(it.key(), it.value());
        else
            m_settings->remove(it.key());
    }
}

bool BadgeStore::change(const QString &appId, const QVariant &text)
{
    // Under the lock: what others wrote since the last look comes in first,
    // and only this key changes.
    bool changed = false;
    const bool written = m_settings->update([&] {
        applyUnsaved();
        const QVariantMap now = readBadges();
        // An absent badge reads as the empty text, so storing "" for it changes nothing.
        if (text.isValid() ? now.value(appId).toString() == text.toString() : !now.contains(appId))
            return;
        if (text.isValid())
            m_settings->setValue(appId, text);
        else
            m_settings->remove(appId);
        changed = true;
    });
    if (changed)
        m_unsaved.insert(appId, text);
    if (written)
        m_unsaved.clear();
    else if (changed)
        qDebug() << "BadgeStore: badges.conf could not be written; the change stays in memory";
    m_stamp = stamp();
    const QVariantMap before = m_badges;
    m_badges = readBadges();
    if (changed) {
        m_announcing = false; // this covers what the file brought too
        emit this->changed();
    } else if (m_badges != before && !m_announcing) {
        m_announcing = true;
        QMetaObject::invokeMethod(this, &BadgeStore::announce, Qt::QueuedConnection);
    }
    return changed;
}

BadgeStore::Stamp BadgeStore::stamp() const
{
    Stamp s;
#ifdef Q_OS_UNIX
    struct stat st;
    if (::lstat(QFile::encodeName(m_path).constData(), &st) != 0)
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

// Reads the file again when it changed on disk. A change is announced from
// the event loop: this may run inside a read made by a binding, which must
// not see its own notification.
void BadgeStore::refresh()
{
    const Stamp now = stamp();
    if (now == m_stamp)
        return;
    m_stamp = now;
    m_settings->reload();
    applyUnsaved();
    const QVariantMap badges = readBadges();
    if (badges == m_badges)
        return;
    m_badges = badges;
    if (!m_announcing) {
        m_announcing = true;
        QMetaObject::invokeMethod(this, &BadgeStore::announce, Qt::QueuedConnection);
    }
}

void BadgeStore::announce()
{
    if (m_announcing) {
        m_announcing = false;
        emit changed();
    }
}

#include "savedsettings.h"

#include "initext.h"
#include "savedfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

SavedSettings::SavedSettings(const QString &path, QObject *parent)
    : QSettings(makeCopy(path), QSettings::IniFormat, parent)
    , m_path(path)
    , m_copy(fileName())
{
    // Before the first read: the settings class decodes a section when it is
    // first used.
    setIniCodec("UTF-8");
    if (const std::optional<QByteArray> copied = saved::readFile(m_copy)) {
        m_fileContent = *copied;
        return;
    }
    // No copy could be made (a directory that takes no files): the values are
    // read into memory, where they stay.
    const std::optional<QByteArray> content = saved::readFile(m_path);
    if (!content)
        return;
    m_fileContent = *content;
    const QHash<QString, QString> values = IniText::topLevel(*content);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        setValue(it.key(), it.value());
}

SavedSettings::~SavedSettings()
{
    commit();
    QFile::remove(m_copy);
    QFile::remove(m_copy + QStringLiteral(".lock"));
}

// The private copy lies beside the file, or, where that directory takes no
// files, in the temporary directory; failing both, the values stay in memory.
QString SavedSettings::makeCopy(const QString &path)
{
    const QFileInfo info(path);
    const QString dir = info.absolutePath();
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir))
        qDebug() << "SavedSettings: cannot create" << dir;
    const QByteArray content = saved::readFile(path).value_or(QByteArray());
    for (const QString &where : {dir, QDir::tempPath()}) {
        QByteArray name = QFile::encodeName(where + QStringLiteral("/.") + info.fileName() + QLatin1Char('.')
                                            + QString::number(QCoreApplication::applicationPid())
                                            + QStringLiteral(".XXXXXX.tmp"));
        const int fd = ::mkstemps(name.data(), 4);
        if (fd < 0)
            continue;
        const bool copied = ::write(fd, content.constData(), size_t(content.size())) == content.size();
        ::close(fd);
        if (copied)
            return QFile::decodeName(name);
        ::unlink(name.constData());
    }
    qDebug() << "SavedSettings: no private copy of" << path << "can be made; its values stay in memory";
    return QDir::tempPath() + QStringLiteral("/.veltra-no-copy-") + QString::number(QCoreApplication::applicationPid())
        + QStringLiteral("/") + info.fileName();
}

// Brings into the copy what another program wrote to the file since the last
// look; the settings class then reads it again and applies its own changes
// over it.
bool SavedSettings::refreshCopy()
{
    const QByteArray content = saved::readFile(m_path).value_or(QByteArray());
    if (content == m_fileContent)
        return false;
    // The copy is ours, made exclusively; when it is gone (the directory was
    // removed and made again) it is made anew the same way.
    QFile copy(m_copy);
    if (!QFileInfo(m_copy).isFile() || QFileInfo(m_copy).isSymLink()) {
        const int fd = ::open(QFile::encodeName(m_copy).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              0600);
        if (fd < 0)
            return false;
        ::close(fd);
    }
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    copy.write(content);
    copy.close();
    // The settings class looks at size and time to decide whether to read a
    // file again; a new time makes sure it does.
    copy.setFileTime(copy.fileTime(QFileDevice::FileModificationTime).addSecs(1), QFileDevice::FileModificationTime);
    m_fileContent = content;
    return true;
}

bool SavedSettings::reload()
{
    saved::DirectoryLock lock(QFileInfo(m_path).absolutePath());
    if (!refreshCopy())
        return false;
    sync();
    return true;
}

bool SavedSettings::update(const std::function<void()> &edit)
{
    saved::DirectoryLock lock(QFileInfo(m_path).absolutePath());
    if (refreshCopy())
        sync();
    if (edit)
        edit();
    return writeOut();
}

bool SavedSettings::commit()
{
    return update(nullptr);
}

namespace {

// The settings class writes a line per key, each ending in a line feed.
int keyLines(const QByteArray &content)
{
    int count = 0;
    for (const QByteArray &line : content.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(';') && !trimmed.startsWith('[') && trimmed.contains('='))
            ++count;
    }
    return count;
}

} // namespace

// Syncs the copy and puts its content into the file when it differs. The
// settings class, when the file system fills up while it writes, can leave a
// cut-off copy and report no error: a copy that does not end its last line or
// lacks keys is never put into the file (and is set back to the file's
// content).
bool SavedSettings::writeOut()
{
    sync();
    const std::optional<QByteArray> content = saved::readFile(m_copy);
    const bool complete = status() == QSettings::NoError && content
        && (content->isEmpty() ? allKeys().isEmpty() : content->endsWith('\n') && keyLines(*content) == allKeys().size());
    if (!complete) {
        qDebug() << "SavedSettings:" << m_path << "not written: its copy could not be written whole"
                 << "(the file system may be full); it is unchanged and the values stay in memory";
        QFile copy(m_copy);
        if (copy.exists() && copy.open(QIODevice::WriteOnly | QIODevice::Truncate))
            copy.write(m_fileContent);
        return false;
    }
    if (*content == m_fileContent)
        return true;
    if (!saved::writeFile(m_path, *content))
        return false;
    m_fileContent = *content;
    return true;
}

bool SavedSettings::commit(QSettings &settings)
{
    bool written = false;
    if (QMetaObject::invokeMethod(&settings, "commit", Qt::DirectConnection, Q_RETURN_ARG(bool, written)))
        return written;
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool SavedSettings::event(QEvent *event)
{
    // The settings class's deferred write.
    if (event->type() == QEvent::UpdateRequest) {
        commit();
        return true;
    }
    return QSettings::event(event);
}

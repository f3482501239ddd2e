#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

class FileWatch;
class SavedSettings;

// A short text per app identifier, kept in an INI file at its top level
// ("/opt/save_data/badges.conf"). Other programs may write the file while the
// shell runs: it is read again whenever it changed on disk (and the change is
// announced), and a change made here alters only the key it names, under a
// lock on the directory. The file is read and written only through the
// saved-data module; a change that cannot be written stays in memory for the
// run and is tried again with the next change and at the end.
class BadgeStore : public QObject
{
    Q_OBJECT
public:
    explicit BadgeStore(const QString &path, QObject *parent = nullptr);
    ~BadgeStore() override;

    // Identifiers that can be keys: not empty and without "/" (the settings
    // class would take it as a group separator and drop leading, trailing and
    // doubled ones, so "/com.ostrelle.veltra.Home" would be Home's key).
    static bool isKey(const QString &appId);

    QVariantMap badges();
    QString text(const QString &appId);
    // Both return whether the badges changed.
    bool setText(const QString &appId, const QString &text);
    bool remove(const QString &appId);

    QString path() const { return m_path; }

signals:
    // The badges changed, here or on disk.
    void changed();

private:
    struct Stamp
    {
        bool exists = false;
        qint64 size = 0;
        qint64 modified = 0; // nanoseconds
        quint64 inode = 0;
        bool operator==(const Stamp &o) const
        {
            return exists == o.exists && size == o.size && modified == o.modified && inode == o.inode;
        }
        bool operator!=(const Stamp &o) const { return !(*this == o); }
    };

    Stamp stamp() const;
    QVariantMap readBadges() const;
    void refresh();
    bool change(const QString &appId, const QVariant &text); // an invalid text removes
    void applyUnsaved();
    void announce();

    QString m_path;
    SavedSettings *m_settings;
    FileWatch *m_watch;
    QVariantMap m_badges;
    // Changes not yet in the file; an invalid value is a removal.
    QMap<QString, QVariant> m_unsaved;
    Stamp m_stamp;
    bool m_announcing = false; // a change from the file waits to be announced
};

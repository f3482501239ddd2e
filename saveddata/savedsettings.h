#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>

#include <functional>

// The settings class over a file of the saved data, which it never touches
// itself: it reads and writes a private copy beside the file (made from the
// file read through saved::readFile), and the copy's content reaches the file
// through saved::writeFile at the settings class's deferred write, at
// commit() and when the object goes. Changes other programs made to the file
// meanwhile are merged in each time, under a lock on the directory. A file
// that is a link, special or huge is read as absent and replaced by a regular
// file at the first write.
class SavedSettings : public QSettings
{
    Q_OBJECT
public:
    explicit SavedSettings(const QString &path, QObject *parent = nullptr);
    ~SavedSettings() override;

    // The file in the saved data (fileName() is the private copy).
    QString path() const { return m_path; }

    // Writes what this object holds to the file now; whether the file holds it.
    Q_INVOKABLE bool commit();

    // Under the directory's lock: brings in what others wrote to the file,
    // runs `edit` (which reads and changes this object), and writes the file.
    // Whether the file holds the result.
    bool update(const std::function<void()> &edit);

    // Brings in what others wrote to the file since the last look; whether
    // the file had changed.
    bool reload();

    // commit() for a settings object that may be a SavedSettings (from code
    // that holds it as a plain QSettings, even in another library); any other
    // settings object is synced. Whether its file holds what it holds.
    static bool commit(QSettings &settings);

protected:
    bool event(QEvent *event) override;

private:
    static QString makeCopy(const QString &path);
    bool refreshCopy();
    bool writeOut();

    QString m_path;
    QString m_copy;
    // What the file held at the last look, or what was last written to it.
    QByteArray m_fileContent;
};

#pragma once

#include "common_global.h"

#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QString>
#include <QStringList>

// The device's language setting. The global configuration keeps it under the key
// "language" as a locale name such as "en-US"; an absent or unsupported value
// gives "en-US". Reading never writes to the configuration; setLanguage()
// stores a new choice there, which takes effect at the next start.
class COMMON_EXPORT Language : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString language READ language NOTIFY languageChanged)
    // The language stored in the configuration for the next start ("" when
    // none is stored or it is not supported).
    Q_PROPERTY(QString storedLanguage READ storedLanguage NOTIFY storedLanguageChanged)
    Q_PROPERTY(QStringList supportedLanguages READ supportedLanguages CONSTANT)
public:
    static Language &instance();
    static QStringList supportedLanguages();
    static QString settingsKey() { return QStringLiteral("language"); }

    void initLanguage(QSettings &settings);
    QString language() const { return m_language; }
    QString storedLanguage() const;

    // Stores `language` (one of supportedLanguages()) in the configuration
    // given to initLanguage(), for the next start, and writes it to the file
    // at once. Returns false, and stores nothing, for an unsupported language,
    // without a configuration, or when the file could not be written (the
    // choice is then taken back).
    Q_INVOKABLE bool setLanguage(const QString &language);

    // The colour code of channel B's reference tube where the regional tubing
    // kit differs: one of "0", "G", "R", "B", "Y" (or empty).
    Q_INVOKABLE QString alternateChBRefColor() const;

signals:
    void languageChanged();
    void storedLanguageChanged();

private:
    Language();
    QString m_language = QStringLiteral("en-US");
    // The host's global configuration, which lives for the whole run; guarded
    // in case an owner ends it earlier.
    QPointer<QSettings> m_settings;
};

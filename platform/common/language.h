#pragma once

#include "common_global.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QSettings;

// The device's language setting. The global configuration keeps it under the key
// "language" as a locale name such as "en-US"; an absent or unsupported value
// gives "en-US". Reading never writes to the configuration.
class COMMON_EXPORT Language : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString language READ language NOTIFY languageChanged)
public:
    static Language &instance();
    static QStringList supportedLanguages();
    static QString settingsKey() { return QStringLiteral("language"); }

    void initLanguage(QSettings &settings);
    QString language() const { return m_language; }

    // The colour code of channel B's reference tube where the regional tubing
    // kit differs: one of "0", "G", "R", "B", "Y" (or empty).
    Q_INVOKABLE QString alternateChBRefColor() const;

signals:
    void languageChanged();

private:
    Language();
    QString m_language = QStringLiteral("en-US");
};

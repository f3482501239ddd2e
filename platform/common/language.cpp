#include "language.h"

#include "savedsettings.h"
#include "simulateddevice.h"

#include <QDebug>
#include <QSettings>

Language::Language() = default;

Language &Language::instance()
{
    // A context property of the QML engine for the life of the process.
    static Language *language = new Language;
    return *language;
}

QStringList Language::supportedLanguages()
{
    // The build's list of the 11 (VELTRA_LOCALES), in its order.
    static const QStringList languages = QStringLiteral(VELTRA_LOCALES_TEXT).split(QLatin1Char(','));
    return languages;
}

void Language::initLanguage(QSettings &settings)
{
    const QString storedBefore = storedLanguage();
    m_settings = &settings;
    QString chosen = QStringLiteral("en-US");
    if (settings.contains(settingsKey())) {
        const QString stored = settings.value(settingsKey()).toString().trimmed();
        if (supportedLanguages().contains(stored))
            chosen = stored;
        else
            qDebug() << "Language::initLanguage() unsupported language" << stored << "; using en-US";
    }
    if (chosen != m_language) {
        m_language = chosen;
        emit languageChanged();
    }
    if (storedLanguage() != storedBefore)
        emit storedLanguageChanged();
}

QString Language::storedLanguage() const
{
    if (!m_settings)
        return QString();
    const QString stored = m_settings->value(settingsKey()).toString().trimmed();
    return supportedLanguages().contains(stored) ? stored : QString();
}

bool Language::setLanguage(const QString &language)
{
    if (!supportedLanguages().contains(language)) {
        qDebug() << "Language::setLanguage() unsupported language" << language << "; nothing stored";
        return false;
    }
    if (!m_settings) {
        qDebug() << "Language::setLanguage() no configuration to store" << language << "in";
        return false;
    }
    const QString before = storedLanguage();
    const QVariant previous = m_settings->value(settingsKey());
    m_settings->setValue(settingsKey(), language);
    if (!SavedSettings::commit(*m_settings)) {
        // Not stored: the choice is taken back, so that nothing shows a
        // language that the next start would not have.
        qDebug() << "Language::setLanguage() cannot write the configuration;" << language << "not stored";
        if (previous.isValid())
            m_settings->setValue(settingsKey(), previous);
        else
            m_settings->remove(settingsKey());
        return false;
    }
    if (language != before)
        emit storedLanguageChanged();
    return true;
}

QString Language::alternateChBRefColor() const
{
    return SimulatedDevice::instance().state().alternateChBRefColor;
}

#include "language.h"

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
    return {QStringLiteral("de-DE"), QStringLiteral("en-BE"), QStringLiteral("en-GB"), QStringLiteral("en-US"),
            QStringLiteral("es-ES"), QStringLiteral("fr-FR"), QStringLiteral("it-IT"), QStringLiteral("nb-NO"),
            QStringLiteral("nl-NL"), QStringLiteral("pt-BR"), QStringLiteral("zh-CN")};
}

void Language::initLanguage(QSettings &settings)
{
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
}

QString Language::alternateChBRefColor() const
{
    return SimulatedDevice::instance().state().alternateChBRefColor;
}

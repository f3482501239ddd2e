#include "apprecord.h"

#include "appmanager.h"

#include <QJsonObject>
#include <QRegularExpression>

namespace AppRecord {

bool isPlainQmlName(const QString &name)
{
    // Anchored at the very end: "$" would also match before a final line feed.
    static const QRegularExpression plain(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9_][A-Za-z0-9_.-]*\\.qml")));
    return plain.match(name).hasMatch() && !name.contains(QLatin1String(".."));
}

Check check(const QJsonValue &metaData)
{
    Check result;
    if (!metaData.isObject()) {
        result.problem = QStringLiteral("its metadata has no \"MetaData\" record");
        return result;
    }
    const QJsonObject record = metaData.toObject();
    const QJsonValue id = record.value(QStringLiteral("id"));
    if (record.value(QStringLiteral("type")).toString() != QLatin1String(AppManager::kAppInterfaceId)) {
        result.problem = QStringLiteral("its record's \"type\" is not %1").arg(QLatin1String(AppManager::kAppInterfaceId));
        return result;
    }
    if (id.toString() == QLatin1String(AppManager::kExcludedAppId)) {
        result.verdict = Verdict::Excluded;
        return result;
    }
    if (!id.isString() || id.toString().isEmpty()) {
        // An app without an identifier could never be shown or launched.
        result.problem = QStringLiteral("its record has no text \"id\"");
        return result;
    }
    const QJsonValue qmlUrl = record.value(QStringLiteral("qmlUrl"));
    if (!qmlUrl.isString() || qmlUrl.toString().isEmpty()) {
        // Without its main QML file the app could be listed but never shown.
        result.problem = QStringLiteral("its record has no text \"qmlUrl\"");
        return result;
    }
    if (!isPlainQmlName(qmlUrl.toString())) {
        // Anything else could name a file of the system or code on the network.
        result.problem = QStringLiteral("its \"qmlUrl\" %1 is not a plain file name of its own resources")
                             .arg(qmlUrl.toString().left(200));
        return result;
    }
    result.verdict = Verdict::Accepted;
    return result;
}

} // namespace AppRecord

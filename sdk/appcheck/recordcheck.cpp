#include "recordcheck.h"

#include "appmanager.h"
#include "apprecord.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>

namespace RecordCheck {

namespace {

enum class Kind { Text, NonEmptyText, Number };

struct Key
{
    const char *name;
    Kind kind;
    bool required;
};

// Every key an app's record may carry and what the host does with it.
const Key kKeys[] = {
    {"type", Kind::Text, true},         // the interface: com.ostrelle.veltra.AppInterface
    {"id", Kind::NonEmptyText, true},   // the app's identity for launch(), badges, the start-up app
    {"name", Kind::NonEmptyText, true}, // its catalogue's base name: i18n/<name>_<locale>.qm
    {"title", Kind::Text, true},        // the launcher's title
    {"qmlUrl", Kind::NonEmptyText, true},
    {"sequence", Kind::Number, true},   // the launcher's order
    {"icon", Kind::Text, false},
    {"iconFileName", Kind::Text, false},
    {"version", Kind::Text, false},
};

QString kindText(Kind kind)
{
    switch (kind) {
    case Kind::Text:
        return QStringLiteral("a text");
    case Kind::NonEmptyText:
        return QStringLiteral("a text that is not empty");
    case Kind::Number:
        return QStringLiteral("a number");
    }
    return QString();
}

bool fits(const QJsonValue &value, Kind kind)
{
    switch (kind) {
    case Kind::Text:
        return value.isString();
    case Kind::NonEmptyText:
        return value.isString() && !value.toString().isEmpty();
    case Kind::Number:
        return value.isDouble();
    }
    return false;
}

QString describe(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QString::number(value.toDouble());
    case QJsonValue::String:
        return QLatin1Char('"') + value.toString().left(80) + QLatin1Char('"');
    case QJsonValue::Array:
        return QStringLiteral("a list");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    default:
        return QStringLiteral("nothing");
    }
}

// Where `"key"` is written as a key in the text (the first time), else the
// record's opening brace.
int keyOffset(const QByteArray &text, const QString &key)
{
    const QRegularExpression pattern(QLatin1Char('"') + QRegularExpression::escape(key) + QStringLiteral("\"\\s*:"));
    const QString decoded = QString::fromUtf8(text);
    const QRegularExpressionMatch match = pattern.match(decoded);
    const int at = match.hasMatch() ? match.capturedStart() : decoded.indexOf(QLatin1Char('{'));
    return at < 0 ? 0 : decoded.left(at).toUtf8().size();
}

} // namespace

Problem at(const QByteArray &text, int offset, const QString &message)
{
    Problem problem;
    problem.message = message;
    offset = qBound(0, offset, int(text.size()));
    const QByteArray before = text.left(offset);
    problem.line = before.count('\n') + 1;
    const int lineStart = before.lastIndexOf('\n') + 1;
    // Columns count characters, not bytes.
    problem.column = QString::fromUtf8(before.mid(lineStart)).size() + 1;
    return problem;
}

Result check(const QByteArray &json, const QStringList &qmlNames)
{
    Result result;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        QString message = QStringLiteral("the record is not valid JSON: %1").arg(error.errorString());
        // Qt reports a comma before a closing brace or bracket as a missing
        // object or value, just after that brace: point at the comma.
        int at = qMin(error.offset, int(json.size())) - 1;
        const auto skipBlanks = [&] {
            while (at >= 0 && QByteArray(" \t\r\n").contains(json.at(at)))
                --at;
        };
        skipBlanks();
        if (at >= 0 && (json.at(at) == '}' || json.at(at) == ']')) {
            --at;
            skipBlanks();
        }
        if (at >= 0 && json.at(at) == ',') {
            message += QStringLiteral(" (a comma before a closing brace or bracket)");
            result.problems.append(RecordCheck::at(json, at, message));
        } else {
            result.problems.append(RecordCheck::at(json, error.offset, message));
        }
        return result;
    }
    if (!document.isObject()) {
        result.problems.append(at(json, 0, QStringLiteral("the record is not a JSON object")));
        return result;
    }
    result.parsed = true;
    result.record = document.object();
    const QJsonObject &record = result.record;

    // The host's own verdict comes first: what it would refuse at run time.
    const AppRecord::Check verdict = AppRecord::check(record);
    if (verdict.verdict == AppRecord::Verdict::Refused) {
        QString key = QStringLiteral("type");
        for (const char *name : {"id", "qmlUrl"}) {
            if (verdict.problem.contains(QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"')))
                key = QLatin1String(name);
        }
        result.problems.append(at(json, keyOffset(json, key),
                                  QStringLiteral("the shell would not list this app: %1").arg(verdict.problem)));
    }
    for (const Key &key : kKeys) {
        const QString name = QLatin1String(key.name);
        if (!record.contains(name)) {
            if (key.required)
                result.problems.append(at(json, keyOffset(json, name),
                                          QStringLiteral("the record has no \"%1\" (%2)").arg(name, kindText(key.kind))));
            continue;
        }
        const QJsonValue value = record.value(name);
        if (!fits(value, key.kind))
            result.problems.append(at(json, keyOffset(json, name),
                                      QStringLiteral("\"%1\" must be %2, not %3")
                                          .arg(name, kindText(key.kind), describe(value))));
    }
    const QString name = record.value(QStringLiteral("name")).toString();
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_-]+$"));
    if (!name.isEmpty() && !plainName.match(name).hasMatch())
        result.problems.append(at(json, keyOffset(json, QStringLiteral("name")),
                                  QStringLiteral("\"name\" %1 must be letters, digits, '_' or '-': it names the "
                                                 "app's catalogues (i18n/<name>_<locale>.qm)")
                                      .arg(describe(record.value(QStringLiteral("name"))))));
    const QJsonValue qmlUrl = record.value(QStringLiteral("qmlUrl"));
    if (qmlUrl.isString() && AppRecord::isPlainQmlName(qmlUrl.toString()) && !qmlNames.contains(qmlUrl.toString())) {
        result.problems.append(at(json, keyOffset(json, QStringLiteral("qmlUrl")),
                                  QStringLiteral("\"qmlUrl\" %1 is not one of the app's QML files (%2)")
                                      .arg(describe(qmlUrl),
                                           qmlNames.isEmpty() ? QStringLiteral("it has none")
                                                              : qmlNames.join(QStringLiteral(", ")))));
    }
    if (record.contains(QLatin1String(resourceFilesKey())))
        result.problems.append(at(json, keyOffset(json, QLatin1String(resourceFilesKey())),
                                  QStringLiteral("\"%1\" is written by the build; leave it out of the record")
                                      .arg(QLatin1String(resourceFilesKey()))));
    return result;
}

} // namespace RecordCheck

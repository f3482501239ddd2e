#pragma once

#include <QJsonValue>
#include <QString>

// The checks an app's record (the "MetaData" object of its plug-in) passes
// before the app is listed. Pure, so that the same checks run on any input.
namespace AppRecord {

enum class Verdict {
    Accepted,
    Excluded, // the capture list: built and delivered, never listed
    Refused,
};

struct Check
{
    Verdict verdict = Verdict::Refused;
    // Why a record is refused, for the log: "its record has no text \"id\"".
    QString problem;
};

Check check(const QJsonValue &metaData);

// A main QML file an app may name: a plain file name ending in ".qml" at the
// root of the app's own resources. No directory, no "..", no scheme (a web
// address or file:), no absolute path.
bool isPlainQmlName(const QString &name);

} // namespace AppRecord

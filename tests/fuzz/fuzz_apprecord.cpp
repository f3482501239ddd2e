// The checks an app's record passes before the app is listed,
// AppRecord::check(), over any JSON: the "MetaData" object of a plug-in's
// metadata as the plug-in loader gives it, and the whole object (a record on
// its own, as in apps/*/*.json). Properties: an accepted record has the app
// interface's type, a text id and a main QML file that is a plain name: no
// "/", ":" or "..", ending in ".qml", and resolved against the shell's own
// QML it stays at the root of the resources; a refused one says why.
// AppRecord::isPlainQmlName() is also run on the input's text itself.

#include "appmanager.h"
#include "apprecord.h"
#include "fuzzsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

#include <cstddef>
#include <cstdint>

namespace {

void checkPlainName(const QString &name)
{
    if (!AppRecord::isPlainQmlName(name))
        return;
    CHECK(!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char(':')) && !name.contains(QLatin1String(".."))
              && !name.contains(QLatin1Char('\\')),
          "plain name %s", fuzz::show(name).constData());
    CHECK(name.endsWith(QLatin1String(".qml")) && name.size() > 4, "plain name %s", fuzz::show(name).constData());
    // Where the shell's window loads it from (a Loader's source in
    // qrc:/VeltraRootApp.qml).
    const QUrl url = QUrl(QStringLiteral("qrc:/VeltraRootApp.qml")).resolved(QUrl(name));
    CHECK(url.scheme() == QLatin1String("qrc") && url.path() == QLatin1Char('/') + name && !url.hasQuery()
              && !url.hasFragment(),
          "plain name %s resolves to %s", fuzz::show(name).constData(), fuzz::show(url.toString()).constData());
}

void checkRecord(const QJsonValue &value)
{
    const AppRecord::Check result = AppRecord::check(value);
    const QJsonObject record = value.toObject();
    const QJsonValue id = record.value(QStringLiteral("id"));
    switch (result.verdict) {
    case AppRecord::Verdict::Accepted: {
        CHECK(value.isObject(), "accepted a record that is no object");
        CHECK(record.value(QStringLiteral("type")).toString() == QLatin1String(AppManager::kAppInterfaceId),
              "accepted type %s", fuzz::show(record.value(QStringLiteral("type")).toString()).constData());
        CHECK(id.isString() && !id.toString().isEmpty(), "accepted a record without a text id");
        CHECK(id.toString() != QLatin1String(AppManager::kExcludedAppId), "accepted the excluded app");
        const QJsonValue qmlUrl = record.value(QStringLiteral("qmlUrl"));
        CHECK(qmlUrl.isString(), "accepted a qmlUrl that is no text");
        const QString name = qmlUrl.toString();
        CHECK(AppRecord::isPlainQmlName(name), "accepted qmlUrl %s", fuzz::show(name).constData());
        CHECK(!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char(':'))
                  && !name.contains(QLatin1String("..")),
              "accepted qmlUrl %s", fuzz::show(name).constData());
        CHECK(result.problem.isEmpty(), "accepted with a problem: %s", fuzz::show(result.problem).constData());
        checkPlainName(name);
        break;
    }
    case AppRecord::Verdict::Excluded:
        CHECK(id.toString() == QLatin1String(AppManager::kExcludedAppId), "excluded id %s",
              fuzz::show(id.toString()).constData());
        break;
    case AppRecord::Verdict::Refused:
        CHECK(!result.problem.isEmpty(), "refused without saying why");
        break;
    }
    // The same record gives the same verdict.
    const AppRecord::Check again = AppRecord::check(value);
    CHECK(again.verdict == result.verdict && again.problem == result.problem, "two checks of one record differ");
}

} // namespace

// Qt 5.15.8 (Debian 12): QJsonDocument::fromJson() loses the object or array
// of a key that appears twice in one object ({"a": {"b": 1}, "a": {"b": 2}}
// leaks 110 bytes). The shell never parses JSON text itself (records reach it
// through the plug-in loader); this target parses its input with it to make
// records. The suppression needs whole allocation stacks: Qt is built
// without frame pointers, so the fast unwinder stops inside it.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:QJsonDocument::fromJson\n";
}

extern "C" const char *__asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    checkPlainName(QString::fromUtf8(input));

    const QJsonDocument document = QJsonDocument::fromJson(input);
    if (document.isObject()) {
        const QJsonObject object = document.object();
        checkRecord(object.value(QStringLiteral("MetaData")));
        checkRecord(object);
    } else if (document.isArray()) {
        const QJsonArray array = document.array();
        for (const QJsonValue &value : array)
            checkRecord(value);
    }
    return 0;
}

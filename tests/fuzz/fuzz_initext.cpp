// The reader of the settings class's INI text, IniText::topLevel(), over any
// bytes. Properties: no key is empty or holds "/" (the settings class would
// take it for a group), the same bytes give the same keys, and what was read,
// written again by the settings class, reads back as the same keys and texts:
// written by saved::iniText (the settings class without a codec, which
// escapes every character outside ASCII), and as the shell writes global.conf
// and badges.conf (SavedSettings: the settings class with the UTF-8 codec).
// Known: the latter drops every character outside the Basic Multilingual
// Plane (an emoji) from a value it writes (Qt 5.15); such values are not
// compared there.

#include "fuzzsupport.h"
#include "initext.h"
#include "savedfile.h"

#include <QFile>
#include <QHash>
#include <QSettings>
#include <QVariantMap>

#include <cstddef>
#include <cstdint>

namespace {

// What the settings class with the UTF-8 codec writes for `values`.
QByteArray utf8IniText(const QVariantMap &values)
{
    const QString path = fuzz::rootfs() + QStringLiteral("/utf8.conf");
    QFile::remove(path);
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
        CHECK(settings.status() == QSettings::NoError, "the settings class could not write %s", qPrintable(path));
    }
    const QByteArray text = saved::readFile(path).value_or(QByteArray());
    QFile::remove(path);
    return text;
}

bool hasSurrogate(const QString &text)
{
    for (const QChar c : text) {
        if (c.isSurrogate())
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), int(size));
    const QHash<QString, QString> values = IniText::topLevel(content);
    QVariantMap map;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        CHECK(!it.key().isEmpty(), "an empty key");
        CHECK(!it.key().contains(QLatin1Char('/')), "key %s", fuzz::show(it.key()).constData());
        map.insert(it.key(), it.value());
    }
    CHECK(IniText::topLevel(content) == values, "two reads of the same bytes differ");

    if (map.isEmpty())
        return 0;
    const std::optional<QByteArray> written = saved::iniText(map, fuzz::rootfs());
    CHECK(written.has_value(), "saved::iniText() wrote nothing");
    const QHash<QString, QString> readBack = IniText::topLevel(*written);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const auto back = readBack.constFind(it.key());
        CHECK(back != readBack.constEnd(), "key %s lost; written as:\n%s", fuzz::show(it.key()).constData(),
              fuzz::show(*written).constData());
        CHECK(back.value() == it.value(), "key %s: %s read back as %s; written as:\n%s",
              fuzz::show(it.key()).constData(), fuzz::show(it.value()).constData(),
              fuzz::show(back.value()).constData(), fuzz::show(*written).constData());
    }
    CHECK(readBack.size() == values.size(), "%d keys written, %d read back:\n%s", int(values.size()),
          int(readBack.size()), fuzz::show(*written).constData());

    const QByteArray utf8 = utf8IniText(map);
    const QHash<QString, QString> utf8Back = IniText::topLevel(utf8);
    CHECK(utf8Back.size() == values.size(), "%d keys written, %d read back:\n%s", int(values.size()),
          int(utf8Back.size()), fuzz::show(utf8).constData());
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const auto back = utf8Back.constFind(it.key());
        CHECK(back != utf8Back.constEnd(), "key %s lost; written as:\n%s", fuzz::show(it.key()).constData(),
              fuzz::show(utf8).constData());
        if (!hasSurrogate(it.value())) {
            CHECK(back.value() == it.value(), "key %s: %s read back as %s; written as:\n%s",
                  fuzz::show(it.key()).constData(), fuzz::show(it.value()).constData(),
                  fuzz::show(back.value()).constData(), fuzz::show(utf8).constData());
        }
    }
    return 0;
}

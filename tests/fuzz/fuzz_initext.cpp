// The reader of the settings class's INI text, IniText::topLevel(), over any
// bytes. Properties: no key is empty or holds "/" (the settings class would
// take it for a group), the same bytes give the same keys, and what was read,
// written again by the settings class (saved::iniText, as the shell writes
// global.conf and badges.conf), reads back as the same keys and texts.

#include "fuzzsupport.h"
#include "initext.h"
#include "savedfile.h"

#include <QHash>
#include <QVariantMap>

#include <cstddef>
#include <cstdint>

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
    return 0;
}

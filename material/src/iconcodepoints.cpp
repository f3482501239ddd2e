#include "iconcodepoints.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace veltra {
namespace material {

namespace {

struct IconEntry
{
    const char *name;
    int code;
};

#include "IconCodepoints.inc"

constexpr int compareNames(const char *a, const char *b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
}

// The generator writes each table sorted by name, without repeats; checked
// here, since the look-up depends on it.
template<std::size_t N>
constexpr bool sortedByName(const IconEntry (&entries)[N])
{
    for (std::size_t i = 1; i < N; ++i) {
        if (compareNames(entries[i - 1].name, entries[i].name) >= 0)
            return false;
    }
    return true;
}
static_assert(sortedByName(materialIconEntries), "the Material Icons table is not sorted by name");
static_assert(sortedByName(awesomeIconEntries), "the Font Awesome table is not sorted by name");

// A binary search of the table: no hash of thousands of names is built
// before the first icon shows.
template<std::size_t N>
int lookUp(const IconEntry (&entries)[N], const QString &name)
{
    // Names are ASCII; anything else, a NUL among it, is no name.
    for (const QChar c : name) {
        if (c.unicode() == 0 || c.unicode() > 0x7f)
            return -1;
    }
    const QByteArray key = name.toLatin1();
    const IconEntry *end = entries + N;
    const IconEntry *found = std::lower_bound(entries, end, key.constData(), [](const IconEntry &entry, const char *k) {
        return std::strcmp(entry.name, k) < 0;
    });
    return found != end && std::strcmp(found->name, key.constData()) == 0 ? found->code : -1;
}

} // namespace

IconCodepoints::IconCodepoints(QObject *parent)
    : QObject(parent)
{
}

int IconCodepoints::material(const QString &name) const
{
    return lookUp(materialIconEntries, name);
}

int IconCodepoints::awesome(const QString &name) const
{
    return lookUp(awesomeIconEntries, name);
}

} // namespace material
} // namespace veltra

#include "iconcodepoints.h"

#include <QHash>

namespace veltra {
namespace material {

namespace {

struct IconEntry
{
    const char *name;
    int code;
};

#include "IconCodepoints.inc"

template<int N>
QHash<QString, int> makeTable(const IconEntry (&entries)[N])
{
    QHash<QString, int> table;
    table.reserve(N);
    for (const IconEntry &entry : entries)
        table.insert(QString::fromLatin1(entry.name), entry.code);
    return table;
}

} // namespace

IconCodepoints::IconCodepoints(QObject *parent)
    : QObject(parent)
{
}

int IconCodepoints::material(const QString &name) const
{
    static const QHash<QString, int> table = makeTable(materialIconEntries);
    return table.value(name, -1);
}

int IconCodepoints::awesome(const QString &name) const
{
    static const QHash<QString, int> table = makeTable(awesomeIconEntries);
    return table.value(name, -1);
}

} // namespace material
} // namespace veltra

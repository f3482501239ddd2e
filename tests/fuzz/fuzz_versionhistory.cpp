// The version history, zelcommon::VersionTracking: lastVersion() over any
// history, historyText() over any version, and init() over a version_history
// file holding any bytes. The input is the history, then optionally a NUL
// byte and the running version (without one, the history's own last version
// runs again). Properties: a version is written as one line of printable text
// of at most kMaxVersionLength characters; the line init() appends is the
// history's last version when read back; init() keeps the earlier history
// byte for byte and adds at most one line.

#include "fuzzsupport.h"
#include "savedfile.h"
#include "versiontracking.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

using zelcommon::VersionTracking;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    const int split = input.indexOf('\0');
    const QByteArray history = split < 0 ? input : input.left(split);
    const QByteArray version = split < 0 ? VersionTracking::lastVersion(history) : input.mid(split + 1);

    const QByteArray last = VersionTracking::lastVersion(history);
    CHECK(!last.contains('\n'), "last version %s", fuzz::show(last).constData());

    const QByteArray text = VersionTracking::historyText(version);
    const QString decoded = QString::fromUtf8(text);
    CHECK(decoded.toUtf8() == text, "not UTF-8: %s", fuzz::show(text).constData());
    CHECK(decoded.size() <= VersionTracking::kMaxVersionLength, "%d characters: %s", int(decoded.size()),
          fuzz::show(text).constData());
    for (const QChar c : decoded)
        CHECK(c.isPrint() && c.category() != QChar::Other_Control, "U+%04x in %s", unsigned(c.unicode()),
              fuzz::show(text).constData());
    CHECK(decoded == decoded.simplified(), "blanks kept: %s", fuzz::show(text).constData());
    CHECK(VersionTracking::historyText(text) == text, "%s is written as %s", fuzz::show(text).constData(),
          fuzz::show(VersionTracking::historyText(text)).constData());

    if (!text.isEmpty()) {
        QByteArray appended = history;
        if (!appended.isEmpty() && !appended.endsWith('\n'))
            appended += '\n';
        appended += "2026-03-14T09:30:00Z " + text + '\n';
        const QByteArray back = VersionTracking::lastVersion(appended);
        CHECK(back == text, "%s written, %s read back", fuzz::show(text).constData(), fuzz::show(back).constData());
    }

    // The real file: init() in the saved-data directory.
    const QString dir = fuzz::rootfs() + QStringLiteral("/opt/save_data");
    const QString path = dir + QStringLiteral("/version_history");
    CHECK(QDir().mkpath(dir), "cannot create %s", qPrintable(dir));
    {
        QFile file(path);
        CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(history) == history.size(),
              "cannot write %s", qPrintable(path));
    }
    VersionTracking::init(QFile::encodeName(dir), version);
    const QByteArray after = saved::readFile(path).value_or(QByteArray());
    if (text.isEmpty() || last == text) {
        CHECK(after == history, "the history changed for version %s", fuzz::show(version).constData());
    } else {
        CHECK(after.startsWith(history), "the earlier history changed:\n%s\nbecame\n%s",
              fuzz::show(history).constData(), fuzz::show(after).constData());
        const QByteArray added = after.mid(history.size() + (history.isEmpty() || history.endsWith('\n') ? 0 : 1));
        CHECK(added.count('\n') == 1 && added.endsWith('\n'), "added %s", fuzz::show(added).constData());
        CHECK(VersionTracking::lastVersion(after) == text, "%s added, the history's last version is %s",
              fuzz::show(text).constData(), fuzz::show(VersionTracking::lastVersion(after)).constData());
    }
    CHECK(QFile::remove(path), "cannot remove %s", qPrintable(path));
    return 0;
}

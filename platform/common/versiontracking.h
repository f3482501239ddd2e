#pragma once

#include "common_global.h"

#include <QByteArray>

namespace zelcommon {

// Keeps a history of the software versions the device has run: one line
// "<ISO date-time> <version>" in "<dir>/version_history", added whenever the
// version differs from the last line. The file is read and replaced through
// the saved-data module (never through a link, never a special or huge file).
// Failures are logged, never reported.
class COMMON_EXPORT VersionTracking
{
public:
    static void init(const QByteArray &dir, const QByteArray &version);

    // The version of the history's last line; empty when there is none.
    static QByteArray lastVersion(const QByteArray &history);
    // `version` as it is written: one line of printable text, at most
    // kMaxVersionLength characters.
    static QByteArray historyText(const QByteArray &version);

    static constexpr int kMaxVersionLength = 64;
};

} // namespace zelcommon

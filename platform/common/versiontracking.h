#pragma once

#include "common_global.h"

#include <QByteArray>

namespace zelcommon {

// Keeps a history of the software versions the device has run: one line
// "<ISO date-time> <version>" in "<dir>/version_history", appended whenever the
// version differs from the last line. Failures are logged, never reported.
class COMMON_EXPORT VersionTracking
{
public:
    static void init(const QByteArray &dir, const QByteArray &version);
};

} // namespace zelcommon

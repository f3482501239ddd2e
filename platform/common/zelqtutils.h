#pragma once

#include "common_global.h"

#include <QString>

class QTranslator;

namespace ZELQtUtils {

// Loads "<dir>/<base>_<language>.qm" into `own` and installs it on the
// application. `shared` is one translator for all calls: it carries the device
// library's own catalogue "<dir>/common_<language>.qm" when there is one, and is
// installed once. Returns whether `own` was loaded.
COMMON_EXPORT bool setLanguage(const QString &language, const QString &dir, const QString &base,
                               QTranslator *shared, QTranslator *own);

} // namespace ZELQtUtils

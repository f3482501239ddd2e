#pragma once

#include "common_global.h"

#include <QString>

namespace veltra {

// Where the device path `devicePath` (such as "/opt/save_data/global.conf")
// lives on this machine: under the directory named by VELTRA_ROOTFS, or, when
// that is unset, empty or the file-system root, under a per-user data directory.
// The device path is normalised first ("." and ".." segments resolved, never
// above its root), so the result always stays inside the mapped root; a
// trailing "/" is kept.
COMMON_EXPORT QString rootfs(const QString &devicePath);

// The directory that device paths are mapped under.
COMMON_EXPORT QString rootfsBase();

} // namespace veltra

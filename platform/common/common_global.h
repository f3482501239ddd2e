#pragma once

#include <QtGlobal>

#if defined(VELTRA_COMMON_LIBRARY)
#define COMMON_EXPORT Q_DECL_EXPORT
#else
#define COMMON_EXPORT Q_DECL_IMPORT
#endif

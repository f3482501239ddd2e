# The development build lays out the device's installed tree under build/stage,
# so the program runs from it unchanged:
#   opt/tarvik/bin/tarvik, opt/tarvik/lib/libcommon.so,
#   opt/veltra/apps/<app libraries>, opt/veltra/icons/<pictures>
# `cmake --install` writes the same tree under any prefix (DESTDIR for packaging).
set(VELTRA_STAGE_DIR ${CMAKE_BINARY_DIR}/stage CACHE PATH "Staged device tree")
set(VELTRA_STAGE_BIN ${VELTRA_STAGE_DIR}/opt/tarvik/bin)
set(VELTRA_STAGE_LIB ${VELTRA_STAGE_DIR}/opt/tarvik/lib)
set(VELTRA_STAGE_APPS ${VELTRA_STAGE_DIR}/opt/veltra/apps)
set(VELTRA_STAGE_ICONS ${VELTRA_STAGE_DIR}/opt/veltra/icons)
# Simulated device root for development runs: every mapped device path lands here.
set(VELTRA_STAGE_ROOTFS ${VELTRA_STAGE_DIR}/rootfs)

set(VELTRA_INSTALL_BIN opt/tarvik/bin)
set(VELTRA_INSTALL_LIB opt/tarvik/lib)
set(VELTRA_INSTALL_APPS opt/veltra/apps)
set(VELTRA_INSTALL_ICONS opt/veltra/icons)

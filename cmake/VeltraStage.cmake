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

# veltra_stage_targets(<targets...>): targets whose output is part of the staged
# device tree. The target veltra_stage builds them all and nothing else (no
# tests), as the ARM build in CI does.
function(veltra_stage_targets)
    set_property(GLOBAL APPEND PROPERTY VELTRA_STAGE_TARGETS ${ARGN})
endfunction()

function(veltra_add_stage_target)
    get_property(targets GLOBAL PROPERTY VELTRA_STAGE_TARGETS)
    add_custom_target(veltra_stage)
    add_dependencies(veltra_stage ${targets})
endfunction()

set(VELTRA_INSTALL_BIN opt/tarvik/bin)
set(VELTRA_INSTALL_LIB opt/tarvik/lib)
set(VELTRA_INSTALL_APPS opt/veltra/apps)
set(VELTRA_INSTALL_ICONS opt/veltra/icons)

# Where veltra_add_app() writes app libraries unless told otherwise.
set(VELTRA_APPS_OUTPUT_DIR ${VELTRA_STAGE_APPS})

# The SDK for app teams, installed beside the device's tree (component "sdk"):
# tools, the frame, the CMake package, the QML modules for tools, the docs.
set(VELTRA_SDK_BIN bin)
set(VELTRA_SDK_INCLUDE include/veltra)
set(VELTRA_SDK_CMAKE lib/cmake/Veltra)
set(VELTRA_SDK_QML lib/veltra/qml)
set(VELTRA_SDK_DOC share/doc/veltra)

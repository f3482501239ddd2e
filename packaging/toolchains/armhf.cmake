# Cross build for the device's CPU: 32-bit ARM with hardware floating point,
# Debian's "armhf" (ARMv7-A, VFPv3-D16, Thumb-2; the cross compiler's defaults).
#
#   cmake -S . -B build-armhf -G Ninja \
#       -DCMAKE_TOOLCHAIN_FILE=packaging/toolchains/armhf.cmake \
#       -DVELTRA_ARMHF_SYSROOT=<sysroot> -DVELTRA_QEMU_ARM=<qemu-arm, 8.0 or newer>
#
# scripts/build-armhf.sh does all of it: it installs Debian's cross compiler
# (g++-arm-linux-gnueabihf), unpacks Debian 12's armhf packages of Qt and the
# C library into build-armhf/sysroot and qemu into build-armhf/qemu, and points the Qt
# tool directory of that sysroot (usr/lib/qt5/bin) at this machine's own moc,
# rcc, lrelease, qmlcachegen and qmllint, which Qt's CMake files find there.
#
# Programs of the build (tests, the picture renderer of cmake/tools) run through
# qemu-arm with the sysroot as the ARM loader's root. The Debian packages of the
# build (packaging/) are for armhf, with the armhf libraries' packages as their
# dependencies (VELTRA_ARMHF_DPKG_ADMINDIR).

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

if(NOT VELTRA_ARMHF_SYSROOT)
    set(VELTRA_ARMHF_SYSROOT "$ENV{VELTRA_ARMHF_SYSROOT}")
endif()
if(NOT VELTRA_ARMHF_SYSROOT OR NOT EXISTS "${VELTRA_ARMHF_SYSROOT}/usr/lib/arm-linux-gnueabihf")
    message(FATAL_ERROR "armhf: VELTRA_ARMHF_SYSROOT must name a sysroot of Debian armhf packages "
        "(scripts/build-armhf.sh makes one in build-armhf/sysroot); got '${VELTRA_ARMHF_SYSROOT}'")
endif()
set(VELTRA_ARMHF_SYSROOT "${VELTRA_ARMHF_SYSROOT}" CACHE PATH "Sysroot of Debian armhf packages")
# The compiler checks of try_compile() read this file again in a project of their own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELTRA_ARMHF_SYSROOT VELTRA_QEMU_ARM)

set(CMAKE_SYSROOT "${VELTRA_ARMHF_SYSROOT}")
set(CMAKE_FIND_ROOT_PATH "${VELTRA_ARMHF_SYSROOT}")
# Libraries, headers and CMake packages (Qt's) only from the sysroot; programs
# from this machine.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The emulator: qemu-arm 8.0 or newer (scripts/build-armhf.sh passes the one it
# unpacked from bookworm-backports). Debian 12's own 7.2 lacks clone(CLONE_PIDFD),
# which Qt 5.15 takes to be there: every QProcess of an emulated program then
# gets the process id -1, and Qt's clean-up of it sends SIGKILL to -1, to every
# process the user may signal.
find_program(VELTRA_QEMU_ARM NAMES qemu-arm qemu-arm-static)
if(NOT VELTRA_QEMU_ARM)
    message(FATAL_ERROR "armhf: no qemu-arm found (set VELTRA_QEMU_ARM); "
        "the build runs its picture renderer and the tests through it")
endif()
execute_process(COMMAND "${VELTRA_QEMU_ARM}" --version OUTPUT_VARIABLE _veltra_qemu_version)
string(REGEX MATCH "version ([0-9]+\\.[0-9]+)" _veltra_qemu_version "${_veltra_qemu_version}")
if(NOT CMAKE_MATCH_1 OR CMAKE_MATCH_1 VERSION_LESS 8.0)
    message(FATAL_ERROR "armhf: ${VELTRA_QEMU_ARM} is qemu ${CMAKE_MATCH_1}; 8.0 or newer is needed "
        "(Qt's QProcess under 7.2 signals process -1)")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR "${VELTRA_QEMU_ARM};-L;${VELTRA_ARMHF_SYSROOT}")
# What the emulated programs need besides: the sysroot's Qt plug-ins and QML
# modules by their real paths. qemu's -L redirects most file calls into the
# sysroot, but not statx(), through which Qt asks whether a directory exists,
# so Qt's built-in /usr/lib/arm-linux-gnueabihf/qt5/... would not be found.
set(VELTRA_CROSS_RUN_ENV
    "QT_PLUGIN_PATH=${VELTRA_ARMHF_SYSROOT}/usr/lib/arm-linux-gnueabihf/qt5/plugins"
    "QML2_IMPORT_PATH=${VELTRA_ARMHF_SYSROOT}/usr/lib/arm-linux-gnueabihf/qt5/qml")

# dpkg's record of the sysroot's packages (scripts/build-armhf.sh makes it
# beside the sysroot): the Debian packages made from this build learn from it
# which armhf package and version each library they link needs.
if(NOT VELTRA_ARMHF_DPKG_ADMINDIR)
    set(VELTRA_ARMHF_DPKG_ADMINDIR "${VELTRA_ARMHF_SYSROOT}-dpkg")
endif()
set(VELTRA_ARMHF_DPKG_ADMINDIR "${VELTRA_ARMHF_DPKG_ADMINDIR}" CACHE PATH
    "dpkg's administrative directory describing the packages of VELTRA_ARMHF_SYSROOT")
set(VELTRA_TARGET_DPKG_ADMINDIR "${VELTRA_ARMHF_DPKG_ADMINDIR}")

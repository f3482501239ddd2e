#!/usr/bin/env bash
# Builds the shell for the device's CPU, 32-bit ARM (Debian armhf), into
# build-armhf/, and runs what it built here under user-mode emulation (qemu,
# offscreen).
#
#   scripts/build-armhf.sh          # everything (program, apps, tests), then the
#                                   # emulated start and the chosen tests
#   scripts/build-armhf.sh --quick  # the staged device tree (program, libcommon,
#                                   # apps, pictures), the emulated start and the
#                                   # armhf packages' test (CI)
#   scripts/build-armhf.sh --build-only   # everything, nothing run
#   scripts/build-armhf.sh --packages     # the staged device tree and its Debian
#                                         # packages for armhf in build-armhf/packages
#
# Extra arguments after "--" go to ctest (scripts/build-armhf.sh -- -V).
# On a fresh Debian 12 machine, as root, it installs what it needs on this
# machine: the packages of scripts/debian-packages.txt (Qt's tools, the fonts)
# and Debian's cross compiler. Nothing of ARM is installed into this machine's
# system: apt, with a state of its own, fetches Debian's armhf packages of
# scripts/debian-packages-armhf.txt into build-armhf/sysroot and the emulator
# into build-armhf/qemu, once; both are kept while the list is unchanged.
# Beside the sysroot, build-armhf/sysroot-dpkg records its packages for dpkg
# (the armhf packages' library dependencies come from there).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${VELTRA_ARMHF_BUILD_DIR:-$top/build-armhf}")
sysroot="$build/sysroot"
# dpkg's record of the sysroot's packages (see make_dpkg_database).
sysroot_dpkg="$build/sysroot-dpkg"

mode=all
ctest_args=()
while [ $# -gt 0 ]; do
    case "$1" in
        --quick) mode=quick ;;
        --build-only) mode=build ;;
        --packages) mode=packages ;;
        --) shift; ctest_args=("$@"); break ;;
        -h|--help) sed -n '2,23p' "$0"; exit 0 ;;
        *) echo "build-armhf: unknown argument $1" >&2; exit 2 ;;
    esac
    shift
done

# The tests that run under emulation (see the README for what each shows).
# tst_packages (with its fixture packages_make) makes the armhf packages and
# starts the ARM shell from them.
chosen_tests='^(tst_stage|tst_termination|tst_faults|tst_appmanager|tst_startup|tst_globalconfig|tst_common|tst_frame|tst_sorvel|tst_packages|qml_shell_tst_rootapp|qml_lumvar_tst_decisiontree|qml_wizard_tst_wizard)$'

# This machine: the project's own packages (Qt's tools, fonts) and the cross
# compiler.
"$top/scripts/setup.sh" --packages-only
needed=(g++-arm-linux-gnueabihf file)
missing=()
for p in "${needed[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "build-armhf: installing ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "build-armhf: run as root (or install these packages first): ${missing[*]}" >&2
        exit 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
mkdir -p "$build"

# private_apt <dir> <architecture> <sources>...: an apt of its own in <dir>
# (package lists, downloads, an empty package state) that reads the given
# source files for one architecture and nothing of this machine's apt state.
private_apt() {
    local dir=$1 arch=$2
    shift 2
    rm -rf "$dir"
    mkdir -p "$dir"/{state/lists/partial,cache/archives/partial,sources.list.d,preferences.d}
    : >"$dir/state/status"
    : >"$dir/sources.list"
    cp "$@" "$dir/sources.list.d/"
    {
        echo "APT::Architecture \"$arch\";"
        echo "APT::Architectures { \"$arch\"; };"
        echo 'APT::Install-Recommends "false";'
        echo 'APT::Sandbox::User "root";'
        echo "Dir::State \"$dir/state\";"
        echo "Dir::State::status \"$dir/state/status\";"
        echo "Dir::Cache \"$dir/cache\";"
        echo "Dir::Etc::SourceList \"$dir/sources.list\";"
        echo "Dir::Etc::SourceParts \"$dir/sources.list.d\";"
        echo "Dir::Etc::Preferences \"$dir/preferences\";"
        echo "Dir::Etc::PreferencesParts \"$dir/preferences.d\";"
    } >"$dir/apt.conf"
    APT_CONFIG="$dir/apt.conf" apt-get update -qq
}

# The emulator: Debian's qemu-user 10 from bookworm-backports (statically
# linked). Debian 12's own qemu-user-static 7.2 must not run the tests: it
# lacks clone(CLONE_PIDFD), which Qt 5.15 takes to be there, so every QProcess
# of an emulated program gets the process id -1, and Qt's clean-up of that
# process sends SIGKILL to -1: to every process the user may signal.
qemu="$build/qemu/usr/bin/qemu-arm"
if [ ! -x "$qemu" ]; then
    start=$SECONDS
    # This machine's Debian archive (its mirror, where it uses one).
    mirror=$(grep -h -o -E 'https?://[^ ]+/debian/?( |$)' /etc/apt/sources.list /etc/apt/sources.list.d/* \
        2>/dev/null | head -1 | tr -d ' ' || true)
    printf 'Types: deb\nURIs: %s\nSuites: bookworm-backports\nComponents: main\nSigned-By: %s\n' \
        "${mirror:-http://deb.debian.org/debian}" /usr/share/keyrings/debian-archive-keyring.gpg \
        >"$build/backports.sources"
    private_apt "$build/apt-qemu" amd64 "$build/backports.sources"
    (cd "$build/apt-qemu/cache/archives" && APT_CONFIG="$build/apt-qemu/apt.conf" apt-get download -qq qemu-user)
    rm -rf "$build/qemu"
    dpkg-deb -x "$(ls "$build"/apt-qemu/cache/archives/qemu-user_*.deb)" "$build/qemu"
    rm -rf "$build/apt-qemu" "$build/backports.sources"
    echo "build-armhf: $("$qemu" --version | head -1) unpacked in $((SECONDS - start)) s"
fi

# Only the configuration file of Qt's translation tools is taken from
# qttools5-dev (the tools are this machine's); its dependencies (Qt Designer,
# the help system, qdoc with LLVM) are not needed.
config_only=(qttools5-dev)

# unpack <deb> <sysroot>: <deb>'s files into <sysroot>, and their names into
# <deb>.files (for dpkg_record).
unpack() {
    dpkg-deb -X "$1" "$2" >"$1.files"
}
export -f unpack

# dpkg_record <deb> <sysroot> <database>: what dpkg would have recorded of
# <deb> had it installed it into <sysroot>: its
# status entry, the list of its files by their path inside <sysroot> (with
# Debian 12's /bin, /sbin and /lib under /usr, as the sysroot has them; the
# names unpack() kept), and its shlibs and symbols files, from which
# dpkg-shlibdeps learns which package and version a library needs.
dpkg_record() {
    local deb=$1 sysroot=$2 db=$3 part package name
    part="$db/parts/$(basename "$deb" .deb)"
    mkdir -p "$part"
    dpkg-deb -e "$deb" "$part/control"
    package=$(sed -n 's/^Package: //p' "$part/control/control")
    # dpkg's name of the package's files in info/: qualified by the
    # architecture where several architectures may be installed side by side.
    name=$package
    if grep -q '^Multi-Arch: same$' "$part/control/control"; then
        name="$package:$(sed -n 's/^Architecture: //p' "$part/control/control")"
    fi
    awk 'NR == 1 { print; print "Status: install ok installed"; next } { print }' "$part/control/control" \
        >"$part/status"
    {
        echo "$sysroot"
        sed -E -e 's|^\./||' -e 's|/$||' -e '/^$/d' -e 's#^(bin|sbin|lib)(/|$)#usr/\1\2#' \
            -e "s|^|$sysroot/|" "$deb.files"
    } >"$db/info/$name.list"
    local file
    for file in shlibs symbols; do
        [ -f "$part/control/$file" ] && cp "$part/control/$file" "$db/info/$name.$file"
    done
    rm -rf "$part/control"
}
export -f dpkg_record

# make_dpkg_database <directory of .debs> <database>: dpkg's administrative
# directory for the sysroot unpacked from those packages (DPKG_ADMINDIR): nothing
# of it is installed, but dpkg-query answers which package owns a file of the
# sysroot, and dpkg-shlibdeps finds the package and version of each armhf
# library the packages of this build link.
make_dpkg_database() {
    local debs=$1 db=$2
    rm -rf "$db"
    mkdir -p "$db/info" "$db/updates" "$db/parts"
    echo 1 >"$db/info/format"
    echo armhf >"$db/arch"
    : >"$db/available"
    find "$debs" -maxdepth 1 -name '*.deb' -print0 |
        xargs -0 -P "$(nproc)" -I{} bash -eo pipefail -c 'dpkg_record "$1" "$2" "$3"' _ {} "$sysroot" "$db"
    local part
    for part in "$db"/parts/*/status; do
        cat "$part"
        echo
    done >"$db/status"
    rm -rf "$db/parts"
}

make_sysroot() {
    local packages want
    mapfile -t packages < <(grep -v -E '^\s*(#|$)' "$top/scripts/debian-packages-armhf.txt")
    # The packages, and the version of the steps below: a change of either makes it afresh.
    want=$(printf '%s\n' "${packages[@]}" "${config_only[@]}" "steps 3" | sort)
    if [ -f "$sysroot/.veltra-packages" ] && [ "$(cat "$sysroot/.veltra-packages")" = "$want" ] &&
        [ -s "$sysroot_dpkg/status" ]; then
        echo "build-armhf: sysroot $sysroot is up to date"
        return
    fi
    local start=$SECONDS aptdir="$build/apt-armhf"
    rm -rf "$sysroot"
    mkdir -p "$sysroot"
    # The same archives as this machine's apt, read for armhf.
    local sources=()
    local f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ -s "$f" ] && sources+=("$f")
    done
    private_apt "$aptdir" armhf "${sources[@]}"
    export APT_CONFIG="$aptdir/apt.conf"
    # With an empty package state, apt fetches each package with all it depends on.
    apt-get install -qq -y --download-only "${packages[@]}" >/dev/null
    (cd "$aptdir/cache/archives" && apt-get download -qq "${config_only[@]}")
    unset APT_CONFIG
    local debs
    debs=$(find "$aptdir/cache/archives" -maxdepth 1 -name '*.deb' | wc -l)
    find "$aptdir/cache/archives" -maxdepth 1 -name '*.deb' -print0 |
        xargs -0 -P "$(nproc)" -I{} bash -eo pipefail -c 'unpack "$1" "$2"' _ {} "$sysroot"

    # Debian 12's merged /usr: /bin, /sbin and /lib are links into /usr.
    local d
    for d in bin sbin lib; do
        if [ -d "$sysroot/$d" ] && [ ! -L "$sysroot/$d" ]; then
            mkdir -p "$sysroot/usr/$d"
            cp -a "$sysroot/$d/." "$sysroot/usr/$d/"
            rm -rf "${sysroot:?}/$d"
            ln -s "usr/$d" "$sysroot/$d"
        fi
    done
    # What fontconfig-config's maintainer script links on an installed system,
    # with its defaults (slight hinting, no bitmap fonts): unpacking runs no
    # scripts, and Qt's text measures follow the hinting.
    local conf
    for conf in 10-hinting-slight.conf 70-no-bitmaps.conf; do
        ln -sfn "/usr/share/fontconfig/conf.avail/$conf" "$sysroot/etc/fonts/conf.d/$conf"
    done
    # Links to absolute paths (libm.so -> /lib/arm-linux-gnueabihf/libm.so.6)
    # would lead out of the sysroot into this machine's files.
    local link target
    while IFS= read -r -d '' link; do
        target=$(readlink "$link")
        ln -sfn "$(realpath -m --relative-to="$(dirname "$link")" "$sysroot$target")" "$link"
    done < <(find "$sysroot" -type l -lname '/*' -print0)
    # Qt's CMake files find its tools in <sysroot>/usr/lib/qt5/bin: this machine's.
    mkdir -p "$sysroot/usr/lib/qt5/bin"
    local tool
    for tool in /usr/lib/qt5/bin/*; do
        ln -sfn "$tool" "$sysroot/usr/lib/qt5/bin/$(basename "$tool")"
    done

    local host_qt arm_qt
    host_qt=$(dpkg-query -W -f='${Version}' libqt5core5a 2>/dev/null || true)
    arm_qt=$(dpkg-deb -f "$(ls "$aptdir"/cache/archives/libqt5core5a_*_armhf.deb)" Version)
    echo "build-armhf: sysroot of $debs armhf packages made in $((SECONDS - start)) s" \
        "(Qt $arm_qt; this machine's Qt tools: $host_qt)"
    if [ "$host_qt" != "$arm_qt" ]; then
        echo "build-armhf: warning: this machine's Qt ($host_qt) is not the armhf Qt ($arm_qt);" \
            "upgrade this machine's Qt packages if the build or a test refuses moc's or qmlcachegen's output" >&2
    fi
    start=$SECONDS
    make_dpkg_database "$aptdir/cache/archives" "$sysroot_dpkg"
    echo "build-armhf: dpkg's record of the sysroot's packages made in $((SECONDS - start)) s ($sysroot_dpkg)"
    rm -rf "$aptdir"
    echo "$want" >"$sysroot/.veltra-packages"
}

make_sysroot

start=$SECONDS
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$top/packaging/toolchains/armhf.cmake" \
    -DVELTRA_ARMHF_SYSROOT="$sysroot" -DVELTRA_ARMHF_DPKG_ADMINDIR="$sysroot_dpkg" \
    -DVELTRA_QEMU_ARM="$qemu" >/dev/null
if [ "$mode" = quick ]; then
    cmake --build "$build" -j "$(nproc)" --target veltra_stage tst_stage tst_packages
elif [ "$mode" = packages ]; then
    cmake --build "$build" -j "$(nproc)" --target veltra_stage
else
    cmake --build "$build" -j "$(nproc)"
fi
echo "build-armhf: the build took $((SECONDS - start)) s"

# What runs below is ARM code.
stage="$build/stage"
file -L "$stage/opt/tarvik/bin/tarvik" "$stage/opt/tarvik/lib/libcommon.so" "$stage"/opt/veltra/apps/*.so |
    sed "s|$stage/||"
if file -L "$stage/opt/tarvik/bin/tarvik" "$stage/opt/tarvik/lib/libcommon.so" "$stage"/opt/veltra/apps/*.so |
    grep -v -q 'ELF 32-bit LSB .*ARM, EABI5'; then
    echo "build-armhf: the staged program, libcommon or an app is not 32-bit ARM" >&2
    exit 1
fi
[ "$mode" = build ] && exit 0
if [ "$mode" = packages ]; then
    "$top/scripts/package.sh" --built "$build"
    exit 0
fi

# Headless, and slower than on the device's own CPU: the tests' time-outs are
# stretched by VELTRA_ARMHF_TIMEOUT_FACTOR (6 unless set; the native runs'
# VELTRA_TIMEOUT_FACTOR is not meant for emulation).
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
export VELTRA_TIMEOUT_FACTOR="${VELTRA_ARMHF_TIMEOUT_FACTOR:-6}"
if [ "$mode" = quick ]; then
    tests=(-R '^(tst_stage|tst_packages)$')
else
    tests=(-j "$(nproc)" -R "$chosen_tests")
fi
# The tests run in a process namespace of their own where this machine allows
# one: whatever an emulated program signals, nothing outside is reached.
jail=()
if unshare --pid --fork --kill-child --mount-proc true 2>/dev/null; then
    jail=(unshare --pid --fork --kill-child --mount-proc)
fi
cd "$build"
start=$SECONDS
status=0
"${jail[@]}" ctest --output-on-failure "${tests[@]}" "${ctest_args[@]}" || status=$?
echo "build-armhf: the tests under emulation took $((SECONDS - start)) s"
exit "$status"

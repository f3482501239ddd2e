# Sourced by the scripts: ensure_packages <who> <package>... installs the
# Debian packages of the list that are missing (as root; otherwise it says
# which are missing and fails).
ensure_packages() {
    local who="$1"
    shift
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "$who: installing ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "$who: run as root (or install these packages first): ${missing[*]}" >&2
        return 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

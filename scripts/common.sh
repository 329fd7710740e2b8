# Shared by scripts/run and scripts/test: install what is missing, configure and build.
# Sourced, not run.

set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"

# Installs the Debian packages of the list that are not installed yet.
install_missing() {
    local missing=() package
    if ! command -v dpkg-query >/dev/null 2>&1; then
        echo "Not a Debian system: make sure these are installed: $*" >&2
        return 0
    fi
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Please install as root: apt-get install ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installing ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

# What building the program needs, and what building its tests needs besides.
program_packages=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev qt6-l10n-tools
                  qt6-translations-l10n libbenchmark-dev nlohmann-json3-dev fonts-liberation)
build_packages=("${program_packages[@]}" libgtest-dev googletest)

# Configures a tree: configure_tree DIR CMAKE-OPTIONS...
configure_tree() {
    local dir=$1
    shift
    cmake -S "$top" -B "$top/$dir" -G Ninja "$@"
}

# Configures and builds every target of a tree: build_tree DIR CMAKE-OPTIONS...
build_tree() {
    configure_tree "$@"
    cmake --build "$top/$1"
}

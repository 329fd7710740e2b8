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

# What building needs (the core tests are configured with every build).
build_packages=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev libgtest-dev googletest
                fonts-liberation nlohmann-json3-dev)

# Configures and builds a tree: build_tree DIR CMAKE-OPTIONS...
build_tree() {
    local dir=$1
    shift
    cmake -S "$top" -B "$top/$dir" -G Ninja "$@"
    cmake --build "$top/$dir"
}

# Shared by scripts/run and scripts/test: install what is missing, configure and build.
# Sourced, not run.

set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"

# The command that runs a command as root: nothing for root, sudo for anyone else.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Please run as root: $*" >&2
        exit 1
    fi
}

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

    echo "Installing ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

# Generates the locales of the list (such as el_GR.UTF-8) that the system does not have yet,
# with Debian's locales package: the language tests run under each of them.
generate_locales() {
    local missing=() name
    for name in "$@"; do
        # locale -a spells UTF-8 as utf8.
        locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}" || missing+=("$name")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    command -v locale-gen >/dev/null 2>&1 || {
        echo "Please generate the locales ${missing[*]}" >&2
        return 0
    }
    echo "Generating the locales ${missing[*]}"
    for name in "${missing[@]}"; do
        as_root sed -i "s/^# *\(${name} UTF-8\)\$/\1/" /etc/locale.gen
        grep -qx "${name} UTF-8" /etc/locale.gen ||
            echo "${name} UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    done
    as_root locale-gen
}

# What building the program needs, and what building its tests needs besides.
# libpng-dev encodes the display list's images as PNG below the Qt adapter.
# qt6-l10n-tools has lrelease and lupdate; qt6-tools-dev the CMake package that finds them.
program_packages=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev qt6-tools-dev
                  qt6-l10n-tools qt6-translations-l10n libbenchmark-dev nlohmann-json3-dev
                  fonts-liberation libpng-dev)
# The tests run Xvfb for real windows, poppler's pdfinfo and pdftoppm on exported PDFs, the
# validators on the desktop entry and AppStream file, switch between Greek and English, and
# list the files to format with git.
test_packages=(libgtest-dev googletest xvfb xauth clang-format desktop-file-utils appstream
               poppler-utils locales git)
test_locales=(el_GR.UTF-8 en_US.UTF-8)
build_packages=("${program_packages[@]}" "${test_packages[@]}")
# scripts/web builds the browser edition with Debian's emscripten, its page's fonts cut with
# fonttools (WOFF2 through python3-brotli) from fonts-liberation, and tests it under node and in
# Debian's chromium. Debian's emscripten brings Debian's nodejs where no node is installed; npm
# (for the browser tests' puppeteer-core) comes from Debian only where there is none: a node
# from elsewhere brings its own npm, which Debian's npm would conflict with.
install_web_packages() {
    install_missing emscripten fonttools python3-brotli fonts-liberation chromium
    command -v node >/dev/null 2>&1 || install_missing nodejs
}
install_npm() {
    command -v npm >/dev/null 2>&1 || install_missing npm
}
# scripts/fuzz builds with clang and its libFuzzer and sanitizer runtimes.
fuzz_packages=(clang libclang-rt-14-dev)

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

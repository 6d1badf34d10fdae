# SPDX-License-Identifier: MIT
# Sourced by scripts/run, scripts/test and scripts/test-windows: installs the Debian packages that
# the build and the tests need, if any are missing.

marbolin_packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libxcb1-dev libxcb-xkb-dev libxkbcommon-dev libxkbcommon-x11-dev libcanberra-dev libdbus-1-dev
    fonts-liberation2
    libgtest-dev libgmock-dev libbenchmark-dev
)
marbolin_test_packages=(
    clang clang-tidy
    xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core fonts-noto-mono metacity xfwm4 wmctrl
    weston qt6-wayland at-spi2-core python3-pyatspi dbus-daemon python3-xlib xkb-data
    dpkg-dev file lintian desktop-file-utils appstream man-db iso-codes
)
# The cross-build for Windows and Wine to run it (scripts/test-windows).
marbolin_windows_packages=(
    cmake make googletest binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix wine wine64
)

# The sanitizer and fuzzer runtime of the clang that is installed: each
# release names it after its own clang (libclang-rt-14-dev on Debian 12,
# libclang-rt-19-dev on Debian 13).
marbolin_clang_runtime() {
    local version
    version=$(clang -dumpversion 2>/dev/null | cut -d. -f1)
    [ -n "$version" ] && echo "libclang-rt-$version-dev"
}

marbolin_install() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "These packages are missing. Install them as root, then run this again:" >&2
            echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
            exit 1
        fi
    fi
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts: installing what is missing, and configuring and building.
# Sourced, not run.

SINEPAINT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building and running the program needs.
SINEPAINT_BUILD_PACKAGES=(cmake ninja-build g++ pkgconf qt6-base-dev qt6-qpa-plugins libgl-dev
                          zlib1g-dev libjpeg-dev libwebp-dev fonts-dejavu-core qt6-image-formats-plugins
                          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# What the tests need besides: a virtual display, a window manager, X tools and a screenshot
# tool for the real-window tests, a Wayland compositor with Qt's Wayland plugin, and a D-Bus
# session with the accessibility bus and its Python client for the AT-SPI check.
SINEPAINT_TEST_PACKAGES=(xvfb openbox xdotool x11-utils xclip imagemagick weston qt6-wayland
                         dbus-daemon at-spi2-core python3-pyatspi)
# What the benchmarks need besides.
SINEPAINT_BENCH_PACKAGES=(libbenchmark-dev time)

# ensure_packages PACKAGE...: installs those that are missing, on Debian and Ubuntu.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if ! command -v apt-get >/dev/null 2>&1; then
        echo "sinepaint: this is not a Debian or Ubuntu system; please install: ${missing[*]}" >&2
        exit 1
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "sinepaint: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# build DIR [CMAKE_OPTION...]: configures and builds the project in DIR; only the target
# $SINEPAINT_TARGET when that is set.
build() {
    local dir=$1
    shift
    cmake -S "$SINEPAINT_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" --parallel 2 ${SINEPAINT_TARGET:+--target "$SINEPAINT_TARGET"}
}

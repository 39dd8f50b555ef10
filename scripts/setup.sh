# Shared by scripts/play and scripts/test: installs the Debian packages the project needs
# (only those still missing) and configures and builds one CMake preset.
set -euo pipefail

TOVIK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TOVIK_PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev libgl-dev
                fonts-wine xvfb xauth python3-xlib qt6-wayland weston dbus-daemon at-spi2-core
                python3-pyatspi orca desktop-file-utils appstream dpkg-dev file
                libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev)

tovik_install_packages() {
    local missing=()
    for package in "${TOVIK_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Builds one preset, or only the named targets of it.
tovik_build() {
    local preset=$1
    shift
    cd "$TOVIK_ROOT"
    [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
    if [ $# -gt 0 ]; then
        cmake --build --preset "$preset" --target "$@"
    else
        cmake --build --preset "$preset"
    fi
}

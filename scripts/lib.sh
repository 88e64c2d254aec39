# Shared by scripts/run and scripts/test: install what is missing, then configure and build.
# shellcheck shell=bash

KV310_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian 12 packages the build, the tests, the program and its Debian package (scripts/package) need.
KV310_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev libyaml-cpp-dev
    fonts-liberation xvfb xauth poppler-utils
    clang libclang-rt-14-dev
    git dpkg-dev man-db groff-base bash-completion ccache
)

kv310_sudo() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

kv310_install_packages() {
    local missing=()
    local pkg
    for pkg in "${KV310_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    kv310_sudo apt-get update -q
    kv310_sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# kv310_build DIR [cmake options...]
kv310_build() {
    local dir=$1
    shift
    local launcher=()
    if command -v ccache >/dev/null; then
        # the cache lives outside the work tree and is shared by every clone of the project
        export CCACHE_BASEDIR="$KV310_ROOT" CCACHE_NOHASHDIR=1
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$KV310_ROOT" -B "$KV310_ROOT/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
    cmake --build "$KV310_ROOT/$dir"
}

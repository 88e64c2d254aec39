# Shared by scripts/run and scripts/test: install what is missing, then configure and build.
# shellcheck shell=bash

KV310_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian 12 packages the build, the tests, the program and its Debian package (scripts/package) need.
KV310_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev libyaml-cpp-dev qt6-l10n-tools qt6-translations-l10n
    fonts-liberation xvfb xauth poppler-utils
    clang libclang-rt-14-dev
    git dpkg-dev man-db groff-base bash-completion ccache
    lintian appstream desktop-file-utils
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

# Sets KV310_LAUNCHER to the cmake options that compile through ccache, when it is present. The cache lives
# outside the work tree and is shared by every clone of the project; the sloppiness lets it serve the
# compilations that use a precompiled header, whose file is new in each build folder. The settings go with
# the launcher, so that a later plain `cmake --build` uses them too.
kv310_ccache() {
    KV310_LAUNCHER=()
    if command -v ccache >/dev/null; then
        local settings="CCACHE_BASEDIR=$KV310_ROOT;CCACHE_NOHASHDIR=1"
        settings+=";CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime"
        KV310_LAUNCHER=("-DCMAKE_CXX_COMPILER_LAUNCHER=env;$settings;ccache")
    fi
}

# The project's version, as CMakeLists.txt gives it.
kv310_version() {
    sed -n 's/^project(KV310 VERSION \([0-9.]*\).*/\1/p' "$KV310_ROOT/CMakeLists.txt"
}

# kv310_configure DIR [cmake options...]: a Ninja build folder.
kv310_configure() {
    local dir=$1
    shift
    kv310_ccache
    cmake -S "$KV310_ROOT" -B "$KV310_ROOT/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${KV310_LAUNCHER[@]}" \
        "$@" >/dev/null
}

# kv310_build DIR [cmake options...]: configures and builds everything.
kv310_build() {
    kv310_configure "$@"
    cmake --build "$KV310_ROOT/$1"
}

# kv310_ctest DIR: every test of the build folder DIR. A test that computes takes one of the cores; a test
# that waits on a radio in real time takes one of KV310_LINES (default 8) lines instead, so that many of
# those wait at once beside the computing ones (tests/CMakeLists.txt gives each test its kind).
kv310_ctest() {
    local dir=$1 cores lines=${KV310_LINES:-8}
    cores=$(nproc)
    mkdir -p "$dir/Testing"
    cat >"$dir/Testing/resources.json" <<EOF
{"version": {"major": 1, "minor": 0},
 "local": [{"cores": [{"id": "0", "slots": $cores}], "lines": [{"id": "0", "slots": $lines}]}]}
EOF
    (cd "$dir" && ctest --output-on-failure --timeout 300 -j$((cores + lines)) \
        --resource-spec-file "$dir/Testing/resources.json") && return 0
    # A test that waits on a radio in real time can miss its timing while the machine is loaded (the other
    # lanes' builds and fuzzers): when only such tests failed, they run once more, one at a time, and the log
    # names each that passed only then. A computing test that failed, or a real-time one that fails again,
    # fails the run.
    local computing
    [ -f "$dir/Testing/Temporary/LastTestsFailed.log" ] || return 1
    computing=$(cd "$dir" && grep -Fxf <(ctest -N -LE realtime | sed -n 's/^ *Test *#[0-9]*: //p') \
        <(cut -d: -f2- Testing/Temporary/LastTestsFailed.log) | tr '\n' ' ' || true)
    if [ -n "$computing" ]; then
        echo "kv310_ctest: failed in $dir: $computing" >&2
        return 1
    fi
    echo "kv310_ctest: the real-time tests that failed in $dir run once more, one at a time:" >&2
    (cd "$dir" && ctest --output-on-failure --timeout 300 --rerun-failed) || return 1
    echo "kv310_ctest: they passed the second time (above: what they said the first time)" >&2
}

# kv310_lane NAME COMMAND...: runs COMMAND in the background, its output in build/lanes/NAME.log.
# kv310_wait_lanes: waits for every lane, says how each ended, prints their logs (the failed ones last) and
# fails when one did.
KV310_LANES=()
kv310_lane() {
    local name=$1 log="$KV310_ROOT/build/lanes/$1"
    shift
    mkdir -p "$KV310_ROOT/build/lanes"
    rm -f "$log.end"
    # COMMAND runs as a job of its own: waited for, not tested in a condition, so that `set -e` still stops
    # it at its first failure.
    (
        ("$@") >"$log.log" 2>&1 &
        status=0
        wait $! || status=$?
        echo "$SECONDS" >"$log.end"
        exit "$status"
    ) &
    KV310_LANES+=("$name:$!:$SECONDS")
}

kv310_wait_lanes() {
    local lane name pid start log failed=()
    echo "Running side by side: ${KV310_LANES[*]%%:*} (logs in build/lanes/)"
    for lane in "${KV310_LANES[@]}"; do
        IFS=: read -r name pid start <<<"$lane"
        log="$KV310_ROOT/build/lanes/$name"
        if wait "$pid"; then
            echo "== $name passed (from ${start}s to $(cat "$log.end")s)"
        else
            echo "== $name FAILED (from ${start}s to $(cat "$log.end" 2>/dev/null || echo "?")s)"
            failed+=("$name")
        fi
    done
    for lane in "${KV310_LANES[@]}"; do
        name=${lane%%:*}
        if [[ " ${failed[*]} " != *" $name "* ]]; then
            printf '\n======== %s\n' "$name"
            cat "$KV310_ROOT/build/lanes/$name.log"
        fi
    done
    for name in "${failed[@]}"; do
        printf '\n======== %s: FAILED\n' "$name"
        cat "$KV310_ROOT/build/lanes/$name.log"
    done
    KV310_LANES=()
    if [ ${#failed[@]} -gt 0 ]; then
        echo "Failed: ${failed[*]} (logs in build/lanes/)" >&2
        return 1
    fi
}

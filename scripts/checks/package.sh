#!/usr/bin/env bash
# Uses the toolkit as another program would: installs it into a temporary prefix, then builds and runs the small
# program in tests/consumer against it, with find_package(ZevOrer), static (the main build's install) and shared;
# and once through add_subdirectory, whose shared build is also the one installed. Only the toolkit's libraries
# are built again. The program runs twice in a fresh home, in Chinese, with no translation pack but the toolkit's:
# its error box must show the error artwork and Chinese button labels, and its settings count the runs.
set -euo pipefail
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

step() {
    local log=$work/log
    if ! "$@" >"$log" 2>&1; then
        echo "package: failed: $*" >&2
        tail -n 40 "$log" >&2
        exit 1
    fi
}

# consumer <name> <cmake arguments...>: configures, builds and runs the consumer in $work/<name>.
consumer() {
    local name=$1 build=$work/$1
    shift
    step cmake -S "$root/tests/consumer" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    step cmake --build "$build" -j"$(nproc)" --target consumer
    local home=$work/$name-home run output
    mkdir -p "$home"
    chmod 700 "$home"
    for run in 1 2; do
        output=$(HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home QT_QPA_PLATFORM=offscreen \
            LC_ALL=zh_CN.UTF-8 CONSUMER_ARTWORK="$root/resources/icon/error_40x40_s1.png" "$build/consumer") || {
            echo "package: $name: the consumer failed: $output" >&2
            exit 1
        }
        local expected
        expected=$(printf 'icon: artwork\nbuttons: 取消 重试\ntext: <div style="line-height:24px;">Run %s. Try again?</div>' "$run")
        if [ "$output" != "$expected" ]; then
            printf 'package: %s, run %s: expected\n%s\ngot\n%s\n' "$name" "$run" "$expected" "$output" >&2
            exit 1
        fi
    done
    echo "package: $name: icon, Chinese labels and the settings across two runs"
}

step cmake --install "$root/build" --prefix "$work/prefix-static"
consumer static -DCMAKE_PREFIX_PATH="$work/prefix-static"

consumer subdirectory -DZEV_ORER_SOURCE_DIR="$root" -DBUILD_SHARED_LIBS=ON -DZEV_ORER_INSTALL=ON \
    -DZEV_ORER_DESIGNER_PLUGIN=OFF
# The toolkit's directory of that build is excluded from its parent's install; its own install script runs.
step cmake -DCMAKE_INSTALL_PREFIX="$work/prefix-shared" -P "$work/subdirectory/zev_orer/cmake_install.cmake"
consumer shared -DCMAKE_PREFIX_PATH="$work/prefix-shared"
libraries=$(ldd "$work/shared/consumer")
grep -q "$work/prefix-shared/lib/libframeless" <<<"$libraries" || {
    echo "package: the shared consumer does not load the installed libframeless" >&2
    exit 1
}

#!/usr/bin/env bash
# Configures and builds <root>/build-asan, the one clang build that the ASan+UBSan, clang-tidy and fuzz checks share:
# clang through Debian's clazy compiler wrapper, so that compiling is also clazy's analysis, with
# AddressSanitizer and UndefinedBehaviorSanitizer on every target, a compile database, and the libFuzzer targets.
# Compiler and clazy warnings are errors, so a unit with one never builds and every rerun reports it again.
# Quiet on success; on failure prints the diagnostics and exits non-zero.
# Usage: clang-build.sh <repository root> [targets...]   (no targets: everything)
set -euo pipefail
root=$(cd "${1:?usage: clang-build.sh <repository root> [targets...]}" && pwd)
shift
build="$root/build-asan"

if ! command -v clazy >/dev/null; then
    echo "clang-build: clazy not found (Debian package clazy)" >&2
    exit 1
fi

# clazy's levels 0 to 2, less the checks that contradict the toolkit's published interface or only enforce a
# style the project does not follow:
#   connect-by-name            the main-window container's private slots on_<button>_clicked() are connected by
#                              name on purpose; their names are part of its interface.
#   qproperty-without-notify   the stylesheet-settable properties (VnDialog's colours and widths, the page stack's
#                              autoAdjustSize) have no notify signal by design: stylesheets set them, nobody watches.
#   missing-qobject-macro      VnDialog2 deliberately has no meta-object of its own (it reports VnDialog's class
#                              name), a class template cannot have one, and test helpers need none.
#   ctor-missing-parent-argument  test objects, event filters and helper widgets of the tests are never parented.
#   function-args-by-value     QPoint, QSize and QRect by const reference, as Qt's own API passes them, are fine.
#   function-args-by-ref       the settings channels hand every receiver its own copy of the arguments
#                              (SettingsSlot::operator()(Args...)), so receivers take std::string by value.
#   qstring-allocations        the libraries build their texts with QStringLiteral/QLatin1String already; the tests
#                              and benchmarks use plain literals for readability, where an allocation is irrelevant.
clazy_checks=level2,no-connect-by-name,no-qproperty-without-notify,no-missing-qobject-macro
clazy_checks+=,no-ctor-missing-parent-argument,no-function-args-by-value,no-function-args-by-ref
clazy_checks+=,no-qstring-allocations
# Generated moc and uic code is Qt's, not the project's.
export CLAZY_IGNORE_DIRS='.*_autogen.*'

log=$(mktemp)
trap 'rm -f "$log"' EXIT
fail() {
    echo "clang-build: $1 failed in $build" >&2
    grep -E 'error:|warning:' "$log" >&2 || tail -n 40 "$log" >&2
    exit 1
}

# -Werror comes last: CMake's compiler check drops it from the flags, and with it an argument that follows it.
cmake -S "$root" -B "$build" \
    -DCMAKE_CXX_COMPILER=clazy \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
    -DZEV_ORER_SANITIZE="address;undefined" \
    -DZEV_ORER_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-Xclang -plugin-arg-clazy -Xclang $clazy_checks -Werror" >"$log" 2>&1 || fail configure
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build" -j2 "${targets[@]}" >"$log" 2>&1 || fail build

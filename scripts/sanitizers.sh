#!/usr/bin/env bash
# Builds with AddressSanitizer (leak detection on) and UndefinedBehaviorSanitizer into
# build-san/ and runs the tests there, windows offscreen. Any argument goes to ctest, e.g.
#   scripts/sanitizers.sh -R 'Grafico|mcLCD'
# Leaks that Qt and the system libraries keep for the life of the process are suppressed in
# scripts/lsan.supp, by library only: a leak whose frames are all theirs. Ours are reported.
set -euo pipefail
cd "$(dirname "$0")/.."
radice=$(pwd)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$radice/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
lanciatore=()
if command -v ccache >/dev/null; then
    lanciatore=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
flag="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lanciatore[@]}" \
    -DCMAKE_CXX_FLAGS="$flag" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-san --parallel "${JOBS:-$(nproc)}"
ctest --test-dir build-san --output-on-failure --parallel "${JOBS:-$(nproc)}" "$@"

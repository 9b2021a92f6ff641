#!/usr/bin/env bash
# A short run of every fuzz target, for a build made with another compiler than clang: builds
# the targets with clang and libFuzzer in a folder of their own and runs each for a few seconds.
# Exits 77 (the tests count it as skipped) when clang++ or its libFuzzer runtime is missing
# (Debian: clang, libclang-rt-14-dev; scripts/install-deps.sh installs them).
#
#   fuzz-short-run.sh SOURCE_DIR WORK_DIR [SECONDS] [GUI=ON|OFF]
set -euo pipefail
src=$1
work=$2
seconds=${3:-3}
gui=${4:-ON}

cxx=$(command -v clang++ || true)
if [ -z "$cxx" ]; then
    echo "skipped: no clang++ to build the fuzz targets with"
    exit 77
fi
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf '#include <cstddef>\n#include <cstdint>\nextern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n' \
    > "$probe/probe.cpp"
if ! "$cxx" -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
    echo "skipped: $cxx has no libFuzzer runtime (libclang-rt-14-dev)"
    exit 77
fi

targets=(section_reader_fuzz lectionary_fuzz entry_markup_fuzz rtf_reader_fuzz)
[ "$gui" = ON ] && targets+=(settings_reader_fuzz)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$src" -B "$work" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELORITH_FUZZ=ON -DVELORITH_TESTS=OFF -DVELORITH_BENCH=OFF -DVELORITH_GUI="$gui" \
    "${launcher[@]}" > "$work.configure.log" 2>&1 || { cat "$work.configure.log"; exit 1; }
cmake --build "$work" -j2 --target "${targets[@]}" > "$work.build.log" 2>&1 ||
    { tail -50 "$work.build.log"; exit 1; }

status=0
for t in "${targets[@]}"; do
    found="$work/corpus/$t"
    mkdir -p "$found"
    dirs=("$found")
    for seeds in "$src"/*/fuzz/seeds/"$t"; do
        [ -d "$seeds" ] && dirs+=("$seeds")
    done
    extra=()
    [ "$t" = settings_reader_fuzz ] && extra=(-detect_leaks=0)
    echo "== $t: $seconds s"
    if ! "$work/bin/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 \
        -artifact_prefix="$work/" \
        "${extra[@]}" "${dirs[@]}" > "$work/$t.log" 2>&1; then
        tail -40 "$work/$t.log"
        status=1
    else
        grep -E '^(#[0-9]+ *DONE|Done [0-9]+ runs)' "$work/$t.log" | tail -1 || true
    fi
done
exit $status

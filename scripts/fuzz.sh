#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh SECONDS (the whole run, shared by the targets). Does
# nothing when clang is absent.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
clang=$(command -v clang++-14 || command -v clang++ || true)
if [[ -z "$clang" ]]; then
    echo "fuzz: clang not found, skipped"
    exit 0
fi
source scripts/ccache-env.sh
build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERDO_FUZZ=ON \
    -DCMAKE_CXX_COMPILER="$clang" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    "${CMAKE_LAUNCHER[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
targets=("$build"/fuzz/fuzz_*)
# The seconds are shared among the targets, so that adding one keeps the
# step as long as asked; each keeps its corpus, so short runs add up.
per_target=$(( seconds / ${#targets[@]} ))
(( per_target < 1 )) && per_target=1
for target in "${targets[@]}"; do
    [[ -x "$target" ]] || continue
    corpus="$build/corpus/$(basename "$target")"
    mkdir -p "$corpus"
    echo "fuzz: $(basename "$target") for ${per_target}s"
    "$target" -max_total_time="$per_target" -timeout=5 -print_final_stats=0 "$corpus" \
        2> "$build/$(basename "$target").log" || { tail -n 40 "$build/$(basename "$target").log"; exit 1; }
done
echo "fuzz: no failure"

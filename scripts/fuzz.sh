#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz") and runs each for a bounded
# time, FUZZ_SECONDS (default 60), on a copy of its seed corpus in a scratch
# folder, so the corpus in the repository never changes. Fails on the first
# target that crashes, aborts or times out; the input that did it is kept
# under build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

targets=$(sed -n 's/^foreach(target \(.*\))$/\1/p' fuzz/CMakeLists.txt)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
findings="$PWD/build/fuzz/findings"
mkdir -p "$findings"

for target in $targets; do
  binary="build/fuzz/fuzz/fuzz_$target"
  corpus="$scratch/$target"
  mkdir -p "$corpus"
  if [ -d "fuzz/corpus/$target" ]; then cp -r "fuzz/corpus/$target/." "$corpus/"; fi
  echo "== fuzz_$target for ${seconds}s"
  if ! "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/$target-" "$corpus" >"$scratch/$target.log" 2>&1; then
    tail -n 60 "$scratch/$target.log"
    echo "fuzz_$target failed; the input is in $findings" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^Done' "$scratch/$target.log" || true
done
echo "Fuzzing passed"

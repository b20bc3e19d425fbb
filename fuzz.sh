#!/usr/bin/env bash
# Builds every libFuzzer target with clang into build-fuzz/ and runs each for the given
# number of seconds (default 60) from the seed corpus that the data builder writes.
# Exits non-zero when any target finds a crash, a sanitizer report, a leak or a hang;
# the input that caused it is kept in build-fuzz/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds per target]" >&2
  exit 2
fi

install_packages
CC=clang CXX=clang++ configure_and_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLIMORA_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

# The collector scans thread stacks conservatively, so fake stacks must stay off.
export ASAN_OPTIONS=detect_stack_use_after_return=0:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

out=build-fuzz/fuzz
mkdir -p "$out/corpus" "$out/findings" "$out/logs"
shopt -s nullglob
targets=("$out"/targets/*)
failed=()
for target in "${targets[@]}"; do
  name=$(basename "$target")
  mkdir -p "$out/corpus/$name" "$out/seeds/$name"
  log="$out/logs/$name.log"
  # New inputs go to corpus/<name>; the seeds are read only. -timeout makes a hang a finding.
  if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$out/findings/$name-" "$out/corpus/$name" "$out/seeds/$name" \
      >"$log" 2>&1; then
    inputs=$(find "$out/corpus/$name" -type f | wc -l)
    echo "fuzz: $name ran ${seconds}s without a finding ($inputs corpus inputs)"
  else
    echo "fuzz: $name FOUND A PROBLEM; log: $log" >&2
    tail -n 40 "$log" >&2
    failed+=("$name")
  fi
done

echo "fuzz: ${#targets[@]} target(s) run, ${#failed[@]} with findings"
[ ${#failed[@]} -eq 0 ]

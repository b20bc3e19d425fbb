#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
#   ./test.sh             optimised build in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
#   ./test.sh --tsan      ThreadSanitizer build in build-tsan/; runs the runtime tests (threads,
#                         monitors, the collector), the game's threaded ones (its game thread,
#                         input, sound races, the program's runs to the menus and a level), the
#                         timer's, the media graph's and DirectShow player's (event threads
#                         and the audio thread over one graph) and the network's (loopback
#                         servers, blocked reads, closes)
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

mode=${1:-}
select=()
case "$mode" in
  "") dir=build; opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  --sanitize) dir=build-asan; opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLIMORA_SANITIZE=ON) ;;
  --tsan)
    dir=build-tsan; opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLIMORA_TSAN=ON)
    select=(-L '^(runtime|game-threads|javame-threads|host-threads|platform-threads|network)$') ;;
  *) echo "usage: $0 [--sanitize|--tsan]" >&2; exit 2 ;;
esac

install_packages
configure_and_build "$dir" "${opts[@]}"

# The collector scans thread stacks conservatively, so fake stacks must stay off.
export ASAN_OPTIONS=detect_stack_use_after_return=0:detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
# FluidSynth loads soundfont samples in an OpenMP team; libgomp is not built for
# ThreadSanitizer, so its workers' own hand-offs would read as races. One worker keeps that
# loading on the calling thread.
if [ "$mode" = --tsan ]; then export OMP_NUM_THREADS=1; fi
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" "${select[@]}"

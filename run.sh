#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game. Extra arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
install_packages
configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec ./build/plimora "$@"

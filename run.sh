#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts the application.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target morvane
exec ./build/morvane "$@"

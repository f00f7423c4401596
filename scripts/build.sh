#!/usr/bin/env bash
# build.sh [build-dir] [extra cmake args...]: configures and builds the project.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"

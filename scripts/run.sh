#!/usr/bin/env bash
# Installs what is missing, builds, and starts ChemDesk with ./data as its working folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
mkdir -p data
cd data
exec ../build/chemdesk

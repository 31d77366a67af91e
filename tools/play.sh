#!/usr/bin/env bash
# Sets everything up, builds, and starts the game from the project root.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh build
exec build/vantorix "$@"

#!/usr/bin/env bash
# Builds the module and the bench, then flies the bench's demo flight.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh dev
cmake --preset dev >/dev/null
cmake --build --preset dev
exec build/dev/bin/tarmelon-bench "$@"

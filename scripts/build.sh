#!/usr/bin/env bash
# Configures and builds the program, tests and benchmarks into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default
cmake --build --preset default -j "$(nproc)"

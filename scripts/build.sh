#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds the program, tests and benchmarks into build/.
# Extra arguments go to the configure step (e.g. -DMIREVA_WARNINGS_AS_ERRORS=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default "$@"
cmake --build --preset default -j "$(nproc)"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file differs from the house style (.clang-format);
# `cmake --build build --target format` mends it.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
  | xargs clang-format --dry-run --Werror

#!/usr/bin/env bash
# Fails when a C++ file of the tree is not as clang-format (.clang-format) would write it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

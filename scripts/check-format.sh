#!/usr/bin/env bash
# Lists the C++ files that clang-format (with the project's .clang-format) would change.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror $files

#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tessara.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh --target tessara
exec build/tessara

#!/usr/bin/env bash
# Installs what Tessara needs to build, test and run on Debian 12.
# Runs apt-get only when a package is missing; uses sudo when not root.
set -euo pipefail

packages=(
    cmake g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins
    qt6-l10n-tools qt6-tools-dev libgtest-dev googletest libbenchmark-dev
    fonts-wqy-microhei qt6-translations-l10n desktop-file-utils poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -o DPkg::Lock::Timeout=600
"${as_root[@]}" apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian packages ZEV needs to build and run, when any is missing.
# Usage: scripts/install-deps.sh [extra packages...]
set -euo pipefail

# qt6-tools-dev and qt6-l10n-tools build the translations; qt6-translations-l10n holds Qt's own.
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libgl-dev "$@")
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian 12 packages Fairwick needs to build and test, when any is
# missing. Uses sudo when not run as root.
set -euo pipefail

# libzip-dev (found through pkg-config) makes the club backups; the program
# builds without it, but then cannot make them.
packages=(g++ make cmake qt6-base-dev pkg-config libzip-dev libgtest-dev libbenchmark-dev
  fonts-dejavu-core fonts-urw-base35 poppler-utils "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs, with apt, whatever the build and the tests need and this machine lacks.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  libboost-dev libboost-locale-dev libboost-iostreams-dev libboost-program-options-dev libboost-regex-dev
  libgraphviz-dev qt6-base-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n qt6-svg-dev adwaita-icon-theme libgif-dev libpng-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev libzip-dev libqpdf-dev epubcheck poppler-utils qpdf
  libhunspell-dev hunspell-en-gb hunspell-en-us
  shared-mime-info desktop-file-utils xdg-utils
  xvfb xauth clang libclang-rt-14-dev locales
  nodejs
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

sudo_prefix=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_prefix=(sudo)
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_prefix[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_prefix[@]}" apt-get install -y -qq "${missing[@]}"
fi

# Debian's nodejs comes without npm, which installs the tests' JavaScript tools.
if ! command -v npm >/dev/null; then
  DEBIAN_FRONTEND=noninteractive "${sudo_prefix[@]}" apt-get install -y -qq npm
fi

# The tests check that a locale with a decimal comma does not change the flowchart layout.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  "${sudo_prefix[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

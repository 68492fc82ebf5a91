#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the benchmarks and the
# Debian packages' build and checks need, and any package named as an argument
# (for a check of its own that needs more, such as a chroot's debootstrap).
# Packages already present are skipped; the package lists are refreshed only
# when something is missing, since a new machine has none.
set -euo pipefail

packages=(
  build-essential
  cmake
  pkg-config
  make
  qt6-base-dev
  qt6-base-dev-tools
  qt6-tools-dev
  qt6-tools-dev-tools
  qt6-l10n-tools
  qt6-translations-l10n
  libgl-dev
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  clang-format
  clang
  libclang-rt-14-dev
  fonts-dejavu-core
  desktop-file-utils
  appstream
  libcli11-dev
  nlohmann-json3-dev
  libsimdjson-dev
  libcsv-dev
  libxxhash-dev
  scdoc
  acl
  # The Debian packages: built from the source package in debian/ and
  # checked by lintian, hardening-check (devscripts) and autopkgtest, whose
  # test of the wizard runs it on a private X server.
  debhelper
  dpkg-dev
  devscripts
  lintian
  strace
  autopkgtest
  xvfb
  xauth
  xdotool
  # The Ansible collection's modules and their runs.
  python3
  ansible-core
)
packages+=("$@")

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "bootstrap: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
else
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"

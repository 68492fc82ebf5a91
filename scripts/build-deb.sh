#!/usr/bin/env bash
# Builds the source package in debian/ and its binary packages as a Debian
# maintainer does before an upload, with dpkg-buildpackage, into the folder
# given (build-deb by default). dpkg-buildpackage writes its results beside the
# source tree, so the tree is copied into that folder first: the .dsc and its
# tarball, the packages, .changes and .buildinfo land there, and the working
# tree gets no build leftovers. The copy holds the files git tracks and the
# new ones it does not ignore, so that uncommitted changes are built too; the
# build folder inside it (obj-*) stays for scripts/check-deb.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build-deb}

source=$(dpkg-parsechangelog -S Source)
version=$(dpkg-parsechangelog -S Version)
tree="$out/$source-$version"

rm -rf "$out"
mkdir -p "$tree"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do
    if [ -e "$file" ] || [ -L "$file" ]; then printf '%s\0' "$file"; fi
  done |
  tar --create --null --files-from=- | tar --extract --directory="$tree"

(cd "$tree" && dpkg-buildpackage -us -uc -j"${JOBS:-$(nproc)}")

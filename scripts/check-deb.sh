#!/usr/bin/env bash
# Checks the Debian package that scripts/build-deb.sh built into the folder
# given (build-deb by default) as a maintainer would before accepting it:
# lintian finds no error and no warning, every installed program is hardened,
# the recommended packages are there, and so are the copyright file and the
# changelog of the version packed.
set -euo pipefail
build_dir=${1:-build-deb}

failures=0
fail() {
  echo "check-deb: $*" >&2
  failures=$((failures + 1))
}

shopt -s nullglob
debs=("$build_dir"/vantor-wizard_*.deb)
if [ "${#debs[@]}" -ne 1 ]; then
  echo "check-deb: expected one package in $build_dir, found ${#debs[@]}" >&2
  exit 1
fi
deb=${debs[0]}
echo "check-deb: $deb"

# Overrides, where a tag must be accepted, are installed with the package and
# each carries a comment saying why.
if ! lintian --fail-on error,warning "$deb"; then
  fail "lintian reports errors or warnings"
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

# What hardening-check cannot judge is checked otherwise or left out:
# - A fortified build calls the plain C library function wherever a buffer's
#   size is unknown at compile time or the call is proven safe there, so a
#   program with no other calls looks unfortified. That every compile asked
#   for it is checked in the compile commands instead.
# - Control flow protection needs start files of the C library built for it;
#   a toolchain whose dpkg-buildflags give no -fcf-protection has none.
skipped=(--nofortify)
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
if ! dpkg-buildflags --get CXXFLAGS | grep -q -- -fcf-protection; then
  skipped+=(--nocfprotection)
fi
programs=("$root"/usr/bin/*)
if [ "${#programs[@]}" -eq 0 ]; then
  fail "no program in /usr/bin"
fi
for program in "${programs[@]}"; do
  if ! hardening-check "${skipped[@]}" "$program"; then
    fail "$(basename "$program") is not hardened"
  fi
done
commands="$build_dir/compile_commands.json"
if [ ! -s "$commands" ] || grep '"command"' "$commands" | grep -qv -- '-D_FORTIFY_SOURCE='; then
  fail "not every compile in $commands has -D_FORTIFY_SOURCE"
fi

# Chinese texts need a CJK font and Qt's own translations; Wayland desktops
# need Qt's plugin.
recommends=$(dpkg-deb -f "$deb" Recommends)
for wanted in "fonts-noto-cjk | fonts-arphic-uming" qt6-translations-l10n qt6-wayland; do
  if ! grep -qF -- "$wanted" <<<"$recommends"; then
    fail "Recommends lacks $wanted: $recommends"
  fi
done

doc="$root/usr/share/doc/vantor-wizard"
if ! head -n 1 "$doc/copyright" 2>/dev/null | grep -q '^Format: .*copyright-format/1.0/'; then
  fail "no machine-readable copyright file in /usr/share/doc/vantor-wizard"
fi
version=$(dpkg-deb -f "$deb" Version)
logged=$(zcat "$doc/changelog.gz" 2>/dev/null | dpkg-parsechangelog -l - -S Version 2>/dev/null || true)
if [ "$logged" != "$version" ]; then
  fail "changelog.gz names version '$logged', the package is $version"
fi

if [ "$failures" -ne 0 ]; then
  echo "check-deb: $failures check(s) failed" >&2
  exit 1
fi
echo "check-deb: lintian, hardening, Recommends and documentation all pass"

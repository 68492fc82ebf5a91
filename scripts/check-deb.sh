#!/usr/bin/env bash
# Checks the packages that scripts/build-deb.sh built into the folder given
# (build-deb by default) as a maintainer would before an upload:
# - lintian on the .changes, the source package and every binary package:
#   no error and no warning (pedantic and informational tags are shown);
# - hardening-check on every installed program;
# - vantor-admin needs no part of Qt's GUI, no X11, OpenGL or fonts;
# - the wizard's Recommends, each package's copyright file and changelog, and
#   the collection's version, which must be the package's;
# - autopkgtest of debian/tests against the built packages, installed on this
#   machine (the null runner) and purged again afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build-deb}

failures=0
fail() {
  echo "check-deb: $*" >&2
  failures=$((failures + 1))
}

shopt -s nullglob
changes=("$out"/*.changes)
if [ "${#changes[@]}" -ne 1 ]; then
  echo "check-deb: expected one .changes in $out, found ${#changes[@]}" >&2
  exit 1
fi
changes=${changes[0]}
version=$(sed -n 's/^Version: //p' "$changes")
deb() {
  local found=("$out/$1_${version}"_*.deb)
  echo "${found[0]:-}"
}
echo "check-deb: $changes"

# Overrides, where a tag must be accepted, are installed with the package and
# each carries a comment saying why.
if ! lintian --pedantic --display-info --fail-on error,warning "$changes"; then
  fail "lintian reports errors or warnings"
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
for package in vantor-admin vantor-wizard ansible-vantor-ftp; do
  if [ -z "$(deb "$package")" ]; then
    fail "no package $package $version in $out"
    continue
  fi
  dpkg-deb -x "$(deb "$package")" "$root/$package"
done

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
programs=("$root"/*/usr/bin/*)
if [ "${#programs[@]}" -ne 2 ]; then
  fail "expected vantor-admin and vantor-wizard in /usr/bin, found ${#programs[@]} programs"
fi
for program in "${programs[@]}"; do
  if ! hardening-check "${skipped[@]}" "$program"; then
    fail "$(basename "$program") is not hardened"
  fi
done
commands=("$out"/*/obj-*/compile_commands.json)
if [ "${#commands[@]}" -ne 1 ] || [ ! -s "${commands[0]}" ] ||
  grep '"command"' "${commands[0]}" | grep -qv -- '-D_FORTIFY_SOURCE='; then
  fail "not every compile of the package build has -D_FORTIFY_SOURCE"
fi

# A server without a desktop installs vantor-admin alone: neither the package
# nor the program may bring Qt's GUI, X11, OpenGL or fonts.
desktop='libqt6gui|libqt6widgets|libx11|libxcb|libgl|libegl|libopengl|fontconfig|libfreetype|fonts-'
depends=$(dpkg-deb -f "$(deb vantor-admin)" Depends Recommends)
if grep -qE "$desktop" <<<"$depends"; then
  fail "vantor-admin depends on desktop libraries: $depends"
fi
linked=$(objdump -p "$root/vantor-admin/usr/bin/vantor-admin" | awk '$1 == "NEEDED" { print $2 }')
if grep -qiE "$desktop|libQt6(Gui|Widgets)" <<<"$linked"; then
  fail "vantor-admin links desktop libraries: $(tr '\n' ' ' <<<"$linked")"
fi

# Chinese texts need a CJK font and Qt's own translations; Wayland desktops
# need Qt's plugin.
recommends=$(dpkg-deb -f "$(deb vantor-wizard)" Recommends)
for wanted in "fonts-noto-cjk | fonts-arphic-uming" qt6-translations-l10n qt6-wayland; do
  if ! grep -qF -- "$wanted" <<<"$recommends"; then
    fail "Recommends of vantor-wizard lacks $wanted: $recommends"
  fi
done

for package in vantor-admin vantor-wizard ansible-vantor-ftp; do
  doc="$root/$package/usr/share/doc/$package"
  if ! head -n 1 "$doc/copyright" 2>/dev/null | grep -q '^Format: .*copyright-format/1.0/'; then
    fail "no machine-readable copyright file in /usr/share/doc/$package"
  fi
  logged=$(zcat "$doc/changelog.gz" 2>/dev/null | dpkg-parsechangelog -l - -S Version 2>/dev/null || true)
  if [ "$logged" != "$version" ]; then
    fail "the changelog of $package names version '$logged', the package is $version"
  fi
done

# A collection's version has three parts; 1.0 is written 1.0.0 there.
collection="$root/ansible-vantor-ftp/usr/share/ansible/collections/ansible_collections/vantor/ftp"
galaxy_version=$(sed -n 's/^version: *//p' "$collection/galaxy.yml" 2>/dev/null)
wanted_version=$version
while [ "$(tr -cd . <<<"$wanted_version" | wc -c)" -lt 2 ]; do wanted_version+=.0; done
if [ "$galaxy_version" != "$wanted_version" ]; then
  fail "the collection's galaxy.yml has version '$galaxy_version', not $wanted_version"
fi

# The null runner installs the packages on this machine, as root; those that
# were not installed before are purged again, so that a run leaves no trace.
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
else
  as_root=(sudo)
fi
ours=(vantor-admin vantor-wizard ansible-vantor-ftp)
installed_before=$(dpkg-query -W -f='${db:Status-Status} ${Package}\n' "${ours[@]}" 2>/dev/null |
  awk '$1 == "installed" { print $2 }' || true)
tests_out="$out/autopkgtest"
rm -rf "$tests_out"
if ! "${as_root[@]}" autopkgtest --output-dir "$tests_out" "$changes" -- null; then
  fail "autopkgtest failed (log in $tests_out)"
fi
for package in "${ours[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  if ! grep -qx "$package" <<<"$installed_before" && [ -n "$status" ] && [ "$status" != not-installed ]; then
    "${as_root[@]}" dpkg --purge "$package"
  fi
done

if [ "$failures" -ne 0 ]; then
  echo "check-deb: $failures check(s) failed" >&2
  exit 1
fi
echo "check-deb: lintian, hardening, vantor-admin's dependencies, Recommends, documentation, versions and autopkgtest all pass"

#!/usr/bin/env bash
# Installs each package that `make deb` built into the folder given (build-deb
# by default) on a fresh, bare Debian 12 root made by debootstrap from the
# mirror this machine's apt uses, and reports what it costs there: the
# packages apt adds (with its recommendations, as `apt install` does) and the
# disk space they take. Fails when vantor-admin brings Qt's GUI, X11, OpenGL or
# a font. Then, as piuparts does, installs the package on its dependencies
# alone, removes and purges it, and fails when that leaves a file behind or
# changes one. Needs root and the network; the root is deleted afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath "${1:-build-deb}")

bash scripts/bootstrap.sh debootstrap
mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' 'Codename: bookworm' |
  sort -u | head -n 1)
work=$(mktemp -d /var/tmp/vantor-chroot.XXXXXX)
root="$work/root"
cleanup() {
  if mountpoint -q "$root/proc"; then umount "$root/proc"; fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "check-deb-chroot: debootstrap bookworm from $mirror"
debootstrap --variant=minbase bookworm "$work/base" "$mirror" > "$work/debootstrap.log" ||
  { cat "$work/debootstrap.log"; exit 1; }

failures=0
fail() {
  echo "check-deb-chroot: $*" >&2
  failures=$((failures + 1))
}
in_root() {
  chroot "$root" env DEBIAN_FRONTEND=noninteractive LC_ALL=C "$@"
}
# The root has no terminals for dpkg's log.
root_apt() {
  in_root apt-get -o Dpkg::Use-Pty=0 "$@"
}
# Every file and link outside the folders of logs, caches and package
# databases, with its type, mode and, for a regular file, its checksum.
snapshot() {
  in_root find / -xdev \( -path /proc -o -path /sys -o -path /tmp -o -path /var/log \
    -o -path /var/cache -o -path /var/lib/apt -o -path /var/lib/dpkg -o -path /debs \) -prune \
    -o -printf '%p %y %m\n' | sort > "$1"
  in_root find / -xdev \( -path /proc -o -path /sys -o -path /tmp -o -path /var/log \
    -o -path /var/cache -o -path /var/lib/apt -o -path /var/lib/dpkg -o -path /debs \) -prune \
    -o -type f -print0 | in_root xargs -0 -r md5sum | sort -k 2 >> "$1"
}

desktop='^(libqt6gui6|libqt6widgets6|libx11-6|libgl1|libegl1|libopengl0|fontconfig|fontconfig-config|fonts-.*)$'
shopt -s nullglob
for deb in "$out"/vantor-admin_*.deb "$out"/vantor-wizard_*.deb "$out"/ansible-vantor-ftp_*.deb; do
  package=$(dpkg-deb -f "$deb" Package)
  rm -rf "$root"
  cp -a "$work/base" "$root"
  mount -t proc proc "$root/proc"
  mkdir "$root/debs"
  cp "$deb" "$root/debs/"
  root_apt update -qq
  target="/debs/$(basename "$deb")"

  # What `apt install ./PACKAGE.deb` would add to the bare root.
  added=$(root_apt install --simulate "$target" | awk '$1 == "Inst" { print $2 }')
  space=$(root_apt install --assume-no "$target" 2>/dev/null |
    sed -n 's/^After this operation, \(.*\) of additional disk space will be used\./\1/p' || true)
  lean=$(root_apt install --simulate --no-install-recommends "$target" |
    awk '$1 == "Inst"' | wc -l)
  lean_space=$(root_apt install --assume-no --no-install-recommends "$target" 2>/dev/null |
    sed -n 's/^After this operation, \(.*\) of additional disk space will be used\./\1/p' || true)
  echo "check-deb-chroot: $package: $(wc -l <<<"$added") packages, $space" \
    "($lean packages, $lean_space without recommendations):" $added
  if [ "$package" = vantor-admin ] && grep -E "$desktop" <<<"$added"; then
    fail "vantor-admin brings desktop packages (above)"
  fi

  # Installed, purged and installed again on its dependencies alone, it must
  # leave the root as it found it.
  root_apt install -y -qq --no-install-recommends "$target" > "$work/install.log" ||
    { cat "$work/install.log"; fail "$package does not install"; umount "$root/proc"; continue; }
  in_root dpkg --purge "$package" > /dev/null
  snapshot "$work/before"
  in_root dpkg --install "$target" > /dev/null
  snapshot "$work/installed"
  if cmp -s "$work/before" "$work/installed"; then
    fail "the file lists do not see $package's files"
  fi
  in_root dpkg --remove "$package" > /dev/null
  snapshot "$work/removed"
  # A package without configuration files is purged by its removal already.
  if [ "$(in_root dpkg-query -W -f='${db:Status-Status}' "$package")" = config-files ]; then
    in_root dpkg --purge "$package" > /dev/null
  fi
  snapshot "$work/purged"
  if ! diff -u "$work/before" "$work/removed"; then
    fail "$package leaves files behind when removed (above)"
  fi
  if ! diff -u "$work/before" "$work/purged"; then
    fail "$package leaves files behind when purged (above)"
  else
    echo "check-deb-chroot: $package: install, remove and purge leave nothing behind"
  fi
  umount "$root/proc"
done

if [ "$failures" -ne 0 ]; then
  echo "check-deb-chroot: $failures check(s) failed" >&2
  exit 1
fi

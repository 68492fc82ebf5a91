#!/usr/bin/env bash
# Renders the drawings in resources/artwork into the PNGs that the program
# compiles in and installs (resources/images). The PNGs are committed, so only
# a developer who changes a drawing runs this, and the build needs no SVG
# renderer. Uses rsvg-convert (librsvg2-bin), or else gdk-pixbuf-thumbnailer
# (libgdk-pixbuf2.0-bin), which draws SVG through the same library.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
art=$root/resources/artwork
images=$root/resources/images

if command -v rsvg-convert >/dev/null; then
  draw() { rsvg-convert -w "$2" -h "$3" -o "$4" "$1"; }
elif command -v gdk-pixbuf-thumbnailer >/dev/null; then
  # The thumbnailer takes only the longer side and keeps the drawing's shape.
  draw() { gdk-pixbuf-thumbnailer -s "$(($2 > $3 ? $2 : $3))" "$1" "$4"; }
else
  echo "render-art: needs rsvg-convert (librsvg2-bin) or gdk-pixbuf-thumbnailer" >&2
  exit 1
fi

# A drawing whose shape differs from the size asked for would come out at
# another size, which the dialogs' layouts and the icon theme do not expect.
render() {
  local source=$art/$1 width=$2 height=$3 target=$images/$4
  draw "$source" "$width" "$height" "$target"
  local size
  size=$(od -An -tu1 -j16 -N8 "$target" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
  if [ "$size" != "${width}x${height}" ]; then
    echo "render-art: $4 came out $size, not ${width}x${height}" >&2
    exit 1
  fi
}

# Below 24 pixels the full icon blurs, so the smallest size has its own drawing.
render application-16.svg 16 16 application-16.png
for size in 24 32 48 64 128 256; do
  render application.svg "$size" "$size" "application-$size.png"
done
render wizard-side.svg 110 260 wizard-side.png
render welcome.svg 148 47 welcome.png

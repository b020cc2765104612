#!/usr/bin/env bash
# Renders the art's SVG sources into the files the program embeds (committed,
# so that building the program never needs these tools), plus PNG previews
# under build/art/ for a person to look at.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
resources=$(dirname "$here")
work=$(cd "$resources/.." && pwd)/build/art

missing=()
command -v rsvg-convert >/dev/null || missing+=("rsvg-convert (Debian package librsvg2-bin)")
command -v cc >/dev/null || missing+=("cc (Debian package gcc)")
[ -f /usr/include/gd.h ] || missing+=("gd.h (Debian package libgd-dev)")
fonts=$(fc-list : family 2>/dev/null || true)
grep -q 'DejaVu Sans' <<<"$fonts" || missing+=("the DejaVu Sans font (Debian package fonts-dejavu-core)")
if [ ${#missing[@]} -gt 0 ]; then
    echo "make art needs: ${missing[*]}" >&2
    exit 1
fi

mkdir -p "$work"
cc -O2 -Wall -Wextra -o "$work/arttool" "$here/arttool.c" -lgd

for name in pictogram menu-clip icon-16 icon-24 icon-32 icon-48; do
    rsvg-convert "$here/$name.svg" -o "$work/$name.png"
done

"$work/arttool" jpeg "$work/pictogram.png" "$resources/pictogram.jpg" 89
"$work/arttool" jpeg "$work/menu-clip.png" "$resources/menu-clip.jpg" 95
"$work/arttool" ico "$resources/vidange.ico" \
    "$work/icon-16.png" "$work/icon-24.png" "$work/icon-32.png" "$work/icon-48.png" \
    "$work/pictogram.png"

for out in pictogram.jpg menu-clip.jpg vidange.ico; do
    printf '%-14s %7d bytes\n' "$out" "$(stat -c %s "$resources/$out")"
done
echo "previews: $work/*.png"

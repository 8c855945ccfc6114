#!/bin/sh
# Packs PNG images into one Windows icon file (PNG entries, as Windows Vista and later read them):
#   make-ico.sh OUTPUT.ico SIZE:IMAGE.png [SIZE:IMAGE.png ...]
# SIZE is the image's width and height in pixels (at most 256).
set -eu
out=$1
shift
# Writes the number $1 as $2 little-endian bytes.
le() {
  value=$1 count=$2
  while [ "$count" -gt 0 ]; do
    printf "\\$(printf '%03o' $((value % 256)))"
    value=$((value / 256))
    count=$((count - 1))
  done
}
{
  le 0 2
  le 1 2
  le $# 2
  offset=$((6 + 16 * $#))
  for entry in "$@"; do
    size=${entry%%:*} file=${entry#*:}
    bytes=$(wc -c <"$file")
    le $((size % 256)) 1
    le $((size % 256)) 1
    le 0 1
    le 0 1
    le 1 2
    le 32 2
    le "$bytes" 4
    le "$offset" 4
    offset=$((offset + bytes))
  done
  for entry in "$@"; do
    cat "${entry#*:}"
  done
} >"$out.tmp"
mv "$out.tmp" "$out"

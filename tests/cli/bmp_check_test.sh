#!/usr/bin/env bash
# End-to-end checks of `orvane-cli bmp-check`: the JSON line of each file, files left byte for byte
# as they were without --repair, and a repair that changes the two size fields only.
# Usage: bmp_check_test.sh PATH_TO_orvane-cli PATH_TO_tests/data
set -euo pipefail
cli=$1
source "$(dirname "$0")/cli_test_helpers.sh"

# bitmap FILE WIDTH HEIGHT BITS [IMAGE_SIZE_FIELD]: a 40-byte-header bitmap, its image size field set
# to IMAGE_SIZE_FIELD when given.
bitmap() {
  python3 - "$@" <<'PY'
import struct, sys
path, width, height, bits = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
row = 4 * ((width * bits + 31) // 32)
image = row * abs(height)
palette = (4 << bits) if bits <= 8 else 0
offset = 54 + palette
field = int(sys.argv[5]) if len(sys.argv) > 5 else image
data = b"BM" + struct.pack("<IHHI", offset + image, 0, 0, offset)
data += struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, field, 2835, 2835, 0, 0)
data += b"\x11" * palette + bytes((i * 7) & 255 for i in range(image))
open(path, "wb").write(data)
PY
}

mkdir "$work/pictures" "$work/pictures/inner"
bitmap "$work/pictures/a.bmp" 3 2 24
bitmap "$work/pictures/B.BMP" 3 2 24 0
bitmap "$work/pictures/c.Bmp" 5 -3 8 0
printf 'GIF89a' >"$work/pictures/d.bmp"
printf 'not looked at' >"$work/pictures/e.txt"
bitmap "$work/pictures/inner/f.bmp" 3 2 24 0
cp -r "$work/pictures" "$work/before"

"$cli" bmp-check "$work/pictures" >"$work/out"
p="$work/pictures"
expected="{\"path\": \"$p/B.BMP\", \"code\": 0, \"valid\": false, \"reason\": \"size fields disagree\", \"fileSize\": 78, \"imageSize\": 0, \"expectedFileSize\": 78, \"expectedImageSize\": 24, \"backup\": null}
{\"path\": \"$p/a.bmp\", \"code\": 0, \"valid\": true, \"reason\": null, \"fileSize\": 78, \"imageSize\": 24, \"expectedFileSize\": 78, \"expectedImageSize\": 24, \"backup\": null}
{\"path\": \"$p/c.Bmp\", \"code\": 0, \"valid\": false, \"reason\": \"top-down rows\", \"fileSize\": 1102, \"imageSize\": 0, \"expectedFileSize\": 1102, \"expectedImageSize\": 24, \"backup\": null}
{\"path\": \"$p/d.bmp\", \"code\": 199, \"valid\": false, \"reason\": \"not a bitmap\", \"fileSize\": null, \"imageSize\": null, \"expectedFileSize\": null, \"expectedImageSize\": null, \"backup\": null}"
[ "$(cat "$work/out")" == "$expected" ] || fail "bmp-check FOLDER printed: $(cat "$work/out")"
diff -r "$work/before" "$work/pictures" >/dev/null || fail "bmp-check without --repair changed a file"

# A file named on its own is checked whatever its name; several paths are checked in order.
bitmap "$work/picture.dat" 3 2 24
"$cli" bmp-check "$work/picture.dat" "$p/inner" >"$work/out"
[ "$(wc -l <"$work/out")" -eq 2 ] || fail "two paths gave: $(cat "$work/out")"
grep -q "^{\"path\": \"$work/picture.dat\", \"code\": 0, \"valid\": true" "$work/out" || fail "file: $(cat "$work/out")"

# A bit-field bitmap with a V5 header and an OS/2 bitmap, both right, are valid; the OS/2 one has no
# image size field to report.
python3 - "$work/v5.bmp" "$work/os2.bmp" <<'PY'
import struct, sys
image = 12 * 2  # 3 x 2 pixels of 32 bits
v5 = struct.pack("<IiiHHIIiiII", 124, 3, 2, 1, 32, 3, image, 2835, 2835, 0, 0)
v5 += struct.pack("<IIII", 0xFF0000, 0xFF00, 0xFF, 0xFF000000)
v5 += bytes(124 - len(v5))
head = b"BM" + struct.pack("<IHHI", 14 + 124 + image, 0, 0, 14 + 124)
open(sys.argv[1], "wb").write(head + v5 + b"\1" * image)
palette = b"\x40" * (3 * 256)
image = 4 * 2  # 3 x 2 pixels of 8 bits
offset = 14 + 12 + len(palette)
head = b"BM" + struct.pack("<IHHI", offset + image, 0, 0, offset)
open(sys.argv[2], "wb").write(head + struct.pack("<IHHHH", 12, 3, 2, 1, 8) + palette + b"\2" * image)
PY
"$cli" bmp-check "$work/v5.bmp" "$work/os2.bmp" >"$work/out"
expected="{\"path\": \"$work/v5.bmp\", \"code\": 0, \"valid\": true, \"reason\": null, \"fileSize\": 162, \"imageSize\": 24, \"expectedFileSize\": 162, \"expectedImageSize\": 24, \"backup\": null}
{\"path\": \"$work/os2.bmp\", \"code\": 0, \"valid\": true, \"reason\": null, \"fileSize\": 802, \"imageSize\": null, \"expectedFileSize\": 802, \"expectedImageSize\": null, \"backup\": null}"
[ "$(cat "$work/out")" == "$expected" ] || fail "bit-field and OS/2 bitmaps gave: $(cat "$work/out")"

# --repair: the repairable file gets its sizes and a backup, keeping its permissions; nothing else is
# written.
chmod 640 "$p/B.BMP"
"$cli" bmp-check --repair "$p" >"$work/out"
grep -qF "{\"path\": \"$p/B.BMP\", \"code\": 1, \"valid\": false, \"reason\": \"size fields disagree\", \"fileSize\": 78, \"imageSize\": 0, \"expectedFileSize\": 78, \"expectedImageSize\": 24, \"backup\": \"$p/old_B.BMP\"}" "$work/out" ||
  fail "repair printed: $(cat "$work/out")"
cmp "$p/old_B.BMP" "$work/before/B.BMP" || fail "the backup does not hold the former content"
cmp "$p/B.BMP" "$p/a.bmp" || fail "the repaired file is not the valid one"
[ "$(stat -c %a "$p/B.BMP")" = 640 ] || fail "the repair changed the permissions"
for name in a.bmp c.Bmp d.bmp e.txt inner/f.bmp; do
  cmp "$p/$name" "$work/before/$name" || fail "--repair changed $name"
done
[ "$(cmp -l "$work/before/B.BMP" "$p/B.BMP" | awk '{print $1}' | tr '\n' ' ')" = "35 " ] ||
  fail "the repair changed other bytes than the image size"

# --no-backup
bitmap "$p/g.bmp" 2 2 1 0
"$cli" bmp-check --repair --no-backup "$p/g.bmp" | grep -q '"code": 1, .*"backup": null}$' || fail "--no-backup"
[ ! -e "$p/old_g.bmp" ] || fail "--no-backup made a backup"

# A write-protected file is not repaired, though its folder is writable.
bitmap "$p/locked.bmp" 3 2 24 0
chmod 444 "$p/locked.bmp"
cp "$p/locked.bmp" "$work/locked.before"
set +e
"$cli" bmp-check --repair "$p/locked.bmp" "$p/g.bmp" >"$work/out"
status=$?
set -e
[ "$status" -eq 1 ] || fail "a failed repair exited $status, expected 1"
grep -q '"code": 9, ' "$work/out" || fail "a write-protected file gave: $(cat "$work/out")"
[ "$(wc -l <"$work/out")" -eq 2 ] || fail "the files after a failed repair were not checked: $(cat "$work/out")"
cmp "$p/locked.bmp" "$work/locked.before" || fail "the write-protected file was changed"
[ "$(stat -c %a "$p/locked.bmp")" = 444 ] || fail "the write-protected file lost its mode"

# A pipe is not opened, which would wait for a writer.
mkfifo "$work/pipe.bmp"
"$cli" bmp-check "$work/pipe.bmp" | grep -qF '"code": 199, "valid": false, "reason": "cannot be read"' ||
  fail "a pipe was not refused"

# Bad use.
expect_error "usage: orvane-cli bmp-check" bmp-check
expect_error "usage: orvane-cli bmp-check" bmp-check --repair
expect_error "unknown option: --force" bmp-check --force "$p"
expect_error "no such file or folder: $work/missing" bmp-check "$p" "$work/missing"
"$cli" --help | grep -qE "^  bmp-check +[A-Z]" || fail "--help does not describe bmp-check"
"$cli" bmp-check --help | head -n 1 | grep -qF "usage: orvane-cli bmp-check [--repair] [--no-backup] PATH..." ||
  fail "bmp-check --help lacks its usage line"
echo "bmp-check CLI: all checks passed"

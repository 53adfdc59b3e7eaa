#!/usr/bin/env bash
# Exits 0 when this machine runs 32-bit x86 Linux programs (what 32-bit Wine
# needs), 1 when it does not: some virtual machines run 64-bit code only.
# The test is a program of 84 bytes that does nothing but exit.
set -euo pipefail
probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
python3 - "$probe" <<'PY'
import struct, sys
code = bytes.fromhex('b801000000' '31db' 'cd80')  # exit(0)
base, header, segment = 0x08048000, 52, 32
elf = b'\x7fELF' + bytes([1, 1, 1, 0]) + bytes(8)
elf += struct.pack('<HHIIIIIHHHHHH', 2, 3, 1, base + header + segment, header, 0, 0, header, segment, 1, 0, 0, 0)
size = header + segment + len(code)
elf += struct.pack('<IIIIIIII', 1, 0, base, base, size, size, 5, 0x1000)
open(sys.argv[1], 'wb').write(elf + code)
PY
chmod +x "$probe"
"$probe" 2>/dev/null || exit 1

#!/usr/bin/env python3
"""Fails when a file includes a folder its layer may not see.

The allowed pairs are the table between the "layer-table" markers of
docs/architecture.md: one row per folder, with the folders it may include.
A file may always include its own folder. Every quoted include must name its
folder ("draw/yDrawPort.h"); a bare name is an error too.
"""
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLE_DOC = os.path.join(ROOT, 'docs', 'architecture.md')
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def read_table(path):
    text = open(path, encoding='utf-8').read()
    m = re.search(r'<!-- layer-table -->(.*?)<!-- /layer-table -->', text, re.S)
    if not m:
        sys.exit(f'check_layers: no layer table in {path}')
    allowed = {}
    for line in m.group(1).splitlines():
        cells = [c.strip().strip('`') for c in line.strip().strip('|').split('|')]
        if len(cells) < 2 or not cells[0] or set(cells[0]) <= set('-: ') or cells[0] == 'folder':
            continue
        seen = [c.strip().strip('`') for c in cells[1].split(',')]
        allowed[cells[0]] = {s for s in seen if s and s != '(none)'}
    return allowed


def owner(path, folders):
    best = None
    for f in folders:
        if (path == f or path.startswith(f + '/')) and (best is None or len(f) > len(best)):
            best = f
    return best


def main():
    allowed = read_table(TABLE_DOC)
    folders = sorted(allowed)
    files = subprocess.check_output(['git', '-C', ROOT, 'ls-files', '*.cpp', '*.h', '*.c'], text=True).split()
    problems = []
    for f in files:
        src = owner(f, folders)
        if src is None:
            problems.append(f'{f}: its folder is not in the layer table')
            continue
        with open(os.path.join(ROOT, f), encoding='utf-8', errors='replace') as fh:
            text = fh.read()
        for m in INCLUDE.finditer(text):
            line = text.count('\n', 0, m.start()) + 1
            target = m.group(1)
            dst = owner(target, folders)
            if dst is None or not os.path.exists(os.path.join(ROOT, target)):
                problems.append(f'{f}:{line}: "{target}" does not name a folder of the tree')
            elif dst != src and dst not in allowed[src]:
                problems.append(f'{f}:{line}: {src} may not include {dst} ("{target}")')
    for p in problems:
        print(p)
    if problems:
        sys.exit(f'check_layers: {len(problems)} include(s) break the layers')
    print(f'check_layers: {len(files)} files keep to the layers')


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Counts the lines of the tests against the lines of the code they test.

A line counts when it holds more than a comment: blank lines and // and /* */
comments are left out. The tests are tests/, the code every other C++ source
outside bench/ and fuzz/.

  test_lines.py            prints the table
  test_lines.py --write    writes it into docs/testing.md, between its markers
  test_lines.py --check    fails when docs/testing.md holds another table
"""
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DOC = os.path.join(ROOT, 'docs', 'testing.md')
BEGIN, END = '<!-- test-lines -->', '<!-- /test-lines -->'


def code_lines(path):
    count, in_block = 0, False
    with open(os.path.join(ROOT, path), encoding='utf-8', errors='replace') as f:
        for line in f:
            text = line.strip()
            if in_block:
                if '*/' not in text:
                    continue
                in_block, text = False, text.split('*/', 1)[1].strip()
            while text.startswith('/*'):
                if '*/' not in text:
                    in_block, text = True, ''
                    break
                text = text.split('*/', 1)[1].strip()
            if text and not text.startswith('//'):
                count += 1
    return count


def table():
    files = subprocess.check_output(['git', '-C', ROOT, 'ls-files', '*.cpp', '*.h', '*.c'], text=True).split()
    tests, code = {}, 0
    for path in files:
        top = path.split('/')[0]
        if top == 'tests':
            folder = path.split('/')[1] if path.count('/') > 1 else '(top)'
            tests[folder] = tests.get(folder, 0) + code_lines(path)
        elif top not in ('bench', 'fuzz'):
            code += code_lines(path)
    total = sum(tests.values())
    rows = ['| tests folder | lines |', '|---|---|']
    rows += [f'| `{folder}` | {lines:,} |' for folder, lines in sorted(tests.items())]
    rows += ['', '| | lines |', '|---|---|', f'| tests | {total:,} |', f'| code | {code:,} |',
             f'| ratio | {total / code:.2f} |']
    return '\n'.join(rows)


def main():
    text = table()
    if len(sys.argv) == 1:
        print(text)
        return 0
    doc = open(DOC, encoding='utf-8').read()
    match = re.search(re.escape(BEGIN) + r'\n(.*?)' + re.escape(END), doc, re.S)
    if not match:
        sys.exit(f'test_lines: {DOC} has no {BEGIN} markers.')
    if sys.argv[1] == '--check':
        if match.group(1) != text + '\n':
            sys.exit('test_lines: the line counts in docs/testing.md are out of date; '
                     'run python3 scripts/test_lines.py --write.')
        return 0
    if sys.argv[1] == '--write':
        with open(DOC, 'w', encoding='utf-8') as f:
            f.write(doc[:match.start(1)] + text + '\n' + doc[match.end(1):])
        return 0
    sys.exit(__doc__)


if __name__ == '__main__':
    sys.exit(main())

#!/usr/bin/env python3
"""Writes the manual page and the bash completion of tonescope from the help
texts the program prints, so that the three never disagree.

  help_pages.py PROGRAM MAN_PAGE COMPLETION
"""
import re
import subprocess
import sys

COMMANDS = ['info', 'render', 'view']


def help_text(program, *command):
    text = subprocess.run([program, *command, '--help'], capture_output=True, text=True, check=True).stdout
    return text.replace(program, 'tonescope')


def sections(text):
    """The help's first line, its usage line, and its (name, [(term, description)]) sections."""
    lines = text.rstrip('\n').split('\n')
    summary, usage, found, current = lines[0], '', [], None
    for line in lines[1:]:
        if line.startswith('Usage:'):
            usage = line[len('Usage:'):].strip()
        elif line and not line.startswith(' ') and line.endswith(':'):
            current = (line[:-1], [])
            found.append(current)
        elif current and line.startswith('  '):
            match = re.match(r'\s+(\S.*?)(?:\s{2,}(\S.*))?$', line)
            if match:
                current[1].append((match.group(1), match.group(2) or ''))
    return summary, usage, found


def roff(text):
    return text.replace('\\', '\\e').replace('-', '\\-')


def man_page(program):
    summary, usage, found = sections(help_text(program))
    out = ['.TH TONESCOPE 1', '.SH NAME', 'tonescope \\- ' + roff(summary.split(': ', 1)[-1]),
           '.SH SYNOPSIS', '.B ' + roff(usage)]
    for command in COMMANDS:
        out.append('.br\n.B ' + roff(sections(help_text(program, command))[1]))
    out += ['.SH DESCRIPTION', roff(summary)]
    for command in COMMANDS:
        text, usage, parts = sections(help_text(program, command))
        out += ['.SH ' + command.upper(), roff(text), '.PP', '.B ' + roff(usage)]
        for name, rows in parts:
            out.append('.SS ' + roff(name))
            for term, description in rows:
                out += ['.TP', '.B ' + roff(term), roff(description)]
    return '\n'.join(out) + '\n'


def completion(program):
    options = {command: [term.split()[0].split(',')[-1] for name, rows in sections(help_text(program, command))[2]
                         for term, _ in rows if term.startswith('-')]
               for command in COMMANDS}
    cases = '\n'.join(f'        {command}) words="{" ".join(words)}" ;;' for command, words in options.items())
    return f'''# bash completion of tonescope, written from its help texts.
_tonescope()
{{
    local current=${{COMP_WORDS[COMP_CWORD]}} command=${{COMP_WORDS[1]}} words
    if [ "$COMP_CWORD" -eq 1 ]; then
        COMPREPLY=($(compgen -W "{' '.join(COMMANDS)} --help" -- "$current"))
        return
    fi
    case $command in
{cases}
        *) words="" ;;
    esac
    if [[ $current == -* ]]; then
        COMPREPLY=($(compgen -W "$words" -- "$current"))
    else
        COMPREPLY=($(compgen -f -- "$current"))
    fi
}}
complete -o filenames -F _tonescope tonescope
'''


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    program = sys.argv[1]
    open(sys.argv[2], 'w').write(man_page(program))
    open(sys.argv[3], 'w').write(completion(program))


if __name__ == '__main__':
    main()

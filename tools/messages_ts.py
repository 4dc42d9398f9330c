#!/usr/bin/env python3
"""Regenerates a Qt Linguist file for the engine's message catalogue.

Reads src/engine/core/messages.def and writes translations/engine_<lang>.ts with one context,
"engine", and one message per catalogue entry: the source is the Russian text, the comment is
the identifier (QCoreApplication::translate("engine", russian) finds the entry without it, since
every Russian text of the catalogue is distinct). Translations already in the file are kept: matched by identifier when the Russian text is unchanged, otherwise marked
unfinished so that a changed text is looked at again. New entries come out unfinished.

    tools/messages_ts.py [--ts translations/engine_en.ts] [--language en_GB]
                         [--seed FILE]   # identifier TAB translation lines (C escapes allowed)
"""
import argparse
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent
ENTRY = re.compile(r'^MV_MESSAGE\((\w+), "((?:[^"\\]|\\.)*)"\)\s*$')


def unescape(text):
    """The value of a C string literal's body: only the escapes the catalogue uses."""
    table = {'r': '\r', 'n': '\n', '"': '"', '\\': '\\', 't': '\t'}
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == '\\':
            nxt = text[i + 1]
            if nxt not in table:
                sys.exit(f'unsupported escape \\{nxt} in {text!r}')
            out.append(table[nxt])
            i += 2
        else:
            out.append(c)
            i += 1
    return ''.join(out)


def read_catalogue(path):
    entries = []
    for number, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
        if not line.startswith('MV_MESSAGE'):
            continue
        m = ENTRY.match(line)
        if not m:
            sys.exit(f'{path}:{number}: cannot read the entry')
        entries.append((m.group(1), unescape(m.group(2))))
    return entries


def read_existing(path):
    """identifier -> (source, translation, finished)"""
    if not path.exists():
        return {}
    known = {}
    for message in ET.parse(path).getroot().iter('message'):
        ident = message.findtext('comment') or ''
        node = message.find('translation')
        text = node.text or '' if node is not None else ''
        finished = node is not None and node.get('type') not in ('unfinished', 'obsolete', 'vanished')
        known[ident] = (message.findtext('source') or '', text, finished)
    return known


def xml_text(text):
    text = text.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')
    text = text.replace('"', '&quot;').replace("'", '&apos;')
    return text.replace('\r', '&#13;')


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--def', dest='defs', default=ROOT / 'src/engine/core/messages.def')
    parser.add_argument('--ts', default=ROOT / 'translations/engine_en.ts')
    parser.add_argument('--language', default='en_GB')
    parser.add_argument('--seed', help='identifier TAB translation lines')
    args = parser.parse_args()

    entries = read_catalogue(pathlib.Path(args.defs))
    ids = [ident for ident, _ in entries]
    if len(set(ids)) != len(ids):
        sys.exit('identifiers repeat in the catalogue')
    ts = pathlib.Path(args.ts)
    known = read_existing(ts)
    seed = {}
    if args.seed:
        for line in pathlib.Path(args.seed).read_text(encoding='utf-8').splitlines():
            ident, text = line.split('\t', 1)
            seed[ident] = unescape(text)

    out = ['<?xml version="1.0" encoding="utf-8"?>', '<!DOCTYPE TS>',
           f'<TS version="2.1" language="{args.language}" sourcelanguage="ru_RU">',
           '<context>', '    <name>engine</name>']
    unfinished = 0
    for ident, source in entries:
        text, finished = '', False
        if ident in seed:
            text, finished = seed[ident], True
        elif ident in known:
            old_source, text, finished = known[ident]
            finished = finished and old_source == source
        if not finished:
            unfinished += 1
        mark = '' if finished else ' type="unfinished"'
        out += ['    <message>',
                f'        <source>{xml_text(source)}</source>',
                f'        <comment>{ident}</comment>',
                f'        <translation{mark}>{xml_text(text)}</translation>',
                '    </message>']
    out += ['</context>', '</TS>', '']
    ts.parent.mkdir(parents=True, exist_ok=True)
    ts.write_text('\n'.join(out), encoding='utf-8')
    print(f'{ts}: {len(entries)} messages, {unfinished} unfinished')


if __name__ == '__main__':
    main()

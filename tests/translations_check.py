#!/usr/bin/env python3
"""Every translations/fretlab_*.ts is complete: lupdate, run over the sources
into a copy, finds no text that is new or unfinished, and every translation
keeps its source's placeholders (%1, %n) and, where the source has one, a
keyboard mnemonic (&).

usage: translations_check.py LUPDATE SOURCE_DIR
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, source_dir = sys.argv[1], sys.argv[2]
sources = [os.path.join(source_dir, 'src/ui/practice'), os.path.join(source_dir, 'src/main.cpp')]
failures = []
ts_files = sorted(glob.glob(os.path.join(source_dir, 'translations/fretlab_*.ts')))
if not ts_files:
    failures.append('no translations/fretlab_*.ts')

def placeholders(text):
    return sorted(set(re.findall(r'%(?:\d+|n)', text)))

def has_mnemonic(text):
    return re.search(r'&[^&\s]', text.replace('&&', '')) is not None

for ts in ts_files:
    name = os.path.basename(ts)
    with tempfile.TemporaryDirectory() as work:
        copy = os.path.join(work, name)
        shutil.copy(ts, copy)
        run = subprocess.run([lupdate, '-locations', 'none', '-no-obsolete',
                              '-I', os.path.join(source_dir, 'src'), *sources, '-ts', copy],
                             capture_output=True, text=True)
        if run.returncode != 0:
            failures.append(f'{name}: lupdate failed: {run.stderr.strip()}')
            continue
        found = re.search(r'Found (\d+) source text\(s\) \((\d+) new', run.stdout)
        if not found or int(found.group(1)) < 100:
            failures.append(f'{name}: lupdate found too few texts: {run.stdout.strip()}')
        elif int(found.group(2)) != 0:
            failures.append(f'{name}: {found.group(2)} texts of the sources are not in it '
                            '(cmake --build DIR --target update_translations, then translate)')
        root = ET.parse(copy).getroot()
    for context in root.iter('context'):
        where = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            translation = message.find('translation')
            kind = translation.get('type')
            forms = [f.text or '' for f in translation.iter('numerusform')] or [translation.text or '']
            if kind in ('unfinished', 'vanished', 'obsolete') or not all(forms):
                failures.append(f'{name}: {where}: "{source}" is {kind or "empty"}')
                continue
            for form in forms:
                if placeholders(form) != placeholders(source):
                    failures.append(f'{name}: {where}: "{form}" does not keep the placeholders '
                                    f'of "{source}"')
                if has_mnemonic(source) and not has_mnemonic(form):
                    failures.append(f'{name}: {where}: "{form}" lost the mnemonic of "{source}"')

for failure in failures:
    print('FAIL:', failure)
if failures:
    sys.exit(1)
print(f'translations complete: {", ".join(os.path.basename(t) for t in ts_files)}')

#!/bin/sh
# Brings the translations up to date with the program's texts and reports what
# is left to translate.
#   scripts/translations.sh          run lupdate over src/ into translations/*.ts, then report
#   scripts/translations.sh --check  report only, without changing translations/: the texts of
#                                    src/ are gathered into copies of the .ts files first, so a
#                                    new text nobody ran lupdate for counts as unfinished too
# Exits 1 when an entry is unfinished or a translation lost a %1-style argument.
# The languages are the .ts files present; to start a new one add
# translations/orvanta_xx.ts holding <TS version="2.1" language="xx"></TS>.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate6 || true)}
[ -n "$lupdate" ] || lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[ -x "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate

tsdir=$root/translations
if [ "${1:-}" = "--check" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp "$tsdir"/orvanta_*.ts "$work"/
    tsdir=$work
fi
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h "$root/src" -ts "$tsdir"/orvanta_*.ts

status=0
for ts in "$tsdir"/orvanta_*.ts; do
    python3 - "$ts" <<'PY' || status=1
import os, re, sys, xml.etree.ElementTree as ET
bad = []
for msg in ET.parse(sys.argv[1]).getroot().iter('message'):
    source = msg.findtext('source') or ''
    t = msg.find('translation')
    text = '' if t is None else (t.text or '')
    if t is None or t.get('type') == 'unfinished' or not text:
        bad.append('unfinished: ' + source)
    elif sorted(re.findall(r'%\d', source)) != sorted(re.findall(r'%\d', text)):
        bad.append('arguments differ: ' + source)
name = os.path.basename(sys.argv[1])
print(f'{name}: ' + (f'{len(bad)} to do' if bad else 'complete'))
for b in bad:
    print('    ' + b.replace('\n', '\\n'))
sys.exit(1 if bad else 0)
PY
done
exit $status

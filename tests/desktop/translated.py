#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints a text as a translation shows it: translated.py <.ts or .qm file, or - for English> <context> <source>.
With --key, prints only its access key, as xdotool names it ("alt+w"). A .qm file (Qt's own translations) is read
through lconvert, which must be on PATH or beside lupdate in /usr/lib/qt6/bin."""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

args = sys.argv[1:]
key = args[0] == "--key"
if key:
    args = args[1:]
translations, context, source = args
text = source
if translations != "-":
    ts = translations
    if translations.endswith(".qm"):
        ts = os.path.join(tempfile.mkdtemp(), "qt.ts")
        lconvert = "/usr/lib/qt6/bin/lconvert" if os.path.exists("/usr/lib/qt6/bin/lconvert") else "lconvert"
        subprocess.run([lconvert, "-i", translations, "-o", ts], check=True)
    for ctx in ET.parse(ts).getroot():
        if ctx.findtext("name") != context:
            continue
        for message in ctx.iter("message"):
            if message.findtext("source") == source:
                translation = message.find("translation")
                if translation is not None and translation.get("type") != "unfinished" and translation.text:
                    text = translation.text
if key:
    found = re.search(r"(?<!&)&(\w)", text.replace("&&", ""))
    if not found:
        sys.exit(f"no access key in {text!r}")
    print("alt+" + found.group(1).lower())
else:
    print(text)

#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every translation is complete and current: lupdate, run over the sources into copies of the .ts files, finds no
new text and no text gone; every message is translated, keeps the placeholders and the line breaks of its source,
has an access key where its source has one, and leaves the program's name as it is.

    check_ts.py <lupdate> <source folder> <ts file>...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, sources, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
faults = []


def mnemonics(text):
    """How many access keys a caption marks: an "&" before a letter, "&&" being a plain "&"."""
    return len(re.findall(r"(?<!&)&(?!&)\w", text.replace("&&", "")))


def placeholders(text):
    return sorted(re.findall(r"%\d+|%n", text))


for ts in ts_files:
    with tempfile.TemporaryDirectory() as folder:
        copy = f"{folder}/{ts.rsplit('/', 1)[-1]}"
        shutil.copy(ts, copy)
        run = subprocess.run([lupdate, "-locations", "relative", "-no-obsolete", sources, "-ts", copy],
                             capture_output=True, text=True)
        if run.returncode != 0:
            faults.append(f"{ts}: lupdate failed: {run.stderr.strip()}")
            continue
        # The same texts before and after: none added to the sources or removed from them since the last update.
        before = {(c.findtext("name"), m.findtext("source"), m.findtext("comment"))
                  for c in ET.parse(ts).getroot() for m in c.iter("message")}
        root = ET.parse(copy).getroot()
        after = {(c.findtext("name"), m.findtext("source"), m.findtext("comment"))
                 for c in root for m in c.iter("message")}
        for context, source, _ in sorted(after - before, key=str):
            faults.append(f"{ts}: not yet in the file: {context}: {source!r}")
        for context, source, _ in sorted(before - after, key=str):
            faults.append(f"{ts}: no longer in the sources: {context}: {source!r}")
        for context in root:
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source") or ""
                translation = message.find("translation")
                text = translation.text or "" if translation is not None else ""
                where = f"{ts}: {name}: {source!r}"
                if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete") \
                        or not text:
                    faults.append(f"{where} is not translated")
                    continue
                if placeholders(source) != placeholders(text):
                    faults.append(f"{where}: placeholders {placeholders(source)} became {placeholders(text)}")
                if source.count("\n") != text.count("\n"):
                    faults.append(f"{where}: {source.count(chr(10))} line breaks became {text.count(chr(10))}")
                if mnemonics(source) != mnemonics(text):
                    faults.append(f"{where}: {mnemonics(source)} access keys became {mnemonics(text)}: {text!r}")
                if source.count("Larkspan") != text.count("Larkspan"):
                    faults.append(f"{where}: the program's name is not kept: {text!r}")

print("\n".join(faults) if faults else f"{len(ts_files)} translations complete and current")
sys.exit(1 if faults else 0)

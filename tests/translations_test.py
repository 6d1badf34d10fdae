#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Each catalogue matches the code: every translatable text has a
translation, every plural form of it too, with the places (%1) the code
fills in, and no entry is left whose text the code no longer has.
lupdate reads the sources into a copy of each catalogue, as
update_translations would, and the copy is checked.

    translations_test.py LUPDATE SOURCE_DIR CATALOGUE.ts...
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree


def problems(catalogue):
    found = []
    for context in ElementTree.parse(catalogue).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            kind = message.find("translation").get("type", "")
            source = message.findtext("source")
            translation = message.find("translation")
            texts = [form.text or "" for form in translation.iter("numerusform")] or [translation.text or ""]
            if kind in ("vanished", "obsolete"):
                found.append(f"{name}: {source!r} is no longer in the code")
            elif kind == "unfinished" or not all(texts):
                found.append(f"{name}: {source!r} has no translation")
            elif "%1" in source and not all("%1" in text for text in texts):
                found.append(f"{name}: {source!r} is translated without %1")
    return found


def main(lupdate, sources, catalogues):
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        for catalogue in catalogues:
            copy = os.path.join(scratch, os.path.basename(catalogue))
            shutil.copyfile(catalogue, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h", sources, "-ts", copy],
                           check=True)
            found = problems(copy)
            print(f"{os.path.basename(catalogue)}: {'; '.join(found) if found else 'complete, and nothing left over'}")
            failed = failed or bool(found)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))

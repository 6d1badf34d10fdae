#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Two mistakes in the installed desktop files that desktop-file-validate
and appstreamcli let through: a list such as Keywords[de] without its final
';', and a language tag that is not a language (xml:lang="deutsch").
Languages and countries are looked up in Debian's iso-codes.

    languages_test.py DESKTOP_ENTRY METAINFO
"""
import json
import re
import sys
import xml.etree.ElementTree as ElementTree

CODES = "/usr/share/iso-codes/json"
LISTS = {"Categories", "Keywords", "MimeType", "Actions", "OnlyShowIn", "NotShowIn", "Implements"}
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def known(name, field):
    with open(f"{CODES}/{name}.json") as f:
        return {entry[field] for entry in json.load(f)[name.split("_", 1)[1]] if field in entry}


LANGUAGES = known("iso_639-3", "alpha_3") | known("iso_639-3", "alpha_2")
COUNTRIES = known("iso_3166-1", "alpha_2")


def is_language(tag):
    """lang, lang_COUNTRY or lang-COUNTRY, with an optional @modifier."""
    found = re.fullmatch(r"([a-z]{2,3})(?:[_-]([A-Z]{2}))?(?:@[A-Za-z0-9]+)?", tag)
    return bool(found) and found.group(1) in LANGUAGES and (found.group(2) is None or found.group(2) in COUNTRIES)


def main(entry, metainfo):
    problems = []
    with open(entry, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            found = re.match(r"([A-Za-z0-9-]+)(?:\[([^]]*)\])?=(.*)", line.rstrip("\n"))
            if not found:
                continue
            key, tag, value = found.groups()
            if tag is not None and not is_language(tag):
                problems.append(f"{entry}:{number}: [{tag}] is not a language")
            if key in LISTS and value and not value.endswith(";"):
                problems.append(f"{entry}:{number}: {key}{f'[{tag}]' if tag else ''} does not end in ';'")
    for element in ElementTree.parse(metainfo).iter():
        tag = element.get(XML_LANG)
        if tag is not None and not is_language(tag):
            problems.append(f"{metainfo}: <{element.tag} xml:lang=\"{tag}\"> is not a language")
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))

#!/usr/bin/env python3
"""Fails when a translation of the window is not finished or a window text
escapes it.

  check-translations.py SOURCE_ROOT

1. Every entry of ui/i18n/*.ts has a translation: none is unfinished, obsolete
   or vanished (run the build target veltaro_lupdate, then translate).
2. No Japanese string literal of the window and the drawing (ui/, plot/) is
   shown untranslated: each stands in tr(), QT_TR_NOOP(), QT_TRANSLATE_NOOP()
   or VELTARO_WORD() (a name the drawing holds as data), or is one of KEPT below.
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

# Literals that are right as they are in every language: (file, literal).
KEPT = {
    ("ui/fonts.cpp", "ＭＳ Ｐゴシック"),  # a font's family name
    ("plot/graphpainter.cpp", "ＭＳ Ｐゴシック"),
    ("ui/language.cpp", "日本語"),  # Japanese in its own words, for the language menu
}

JAPANESE = re.compile(r"[\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef]")
TOKENS = re.compile(
    r'//[^\n]*|/\*.*?\*/|(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*"(?:_s)?|\'(?:\\.|[^\'\\\n])*\'|\s+|\w+|.',
    re.S)
MARKS = {"tr", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "translate", "VELTARO_WORD"}


def translations(root):
    faults = []
    for ts in sorted((root / "ui" / "i18n").glob("*.ts")):
        for context in ET.parse(ts).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                t = message.find("translation")
                kind = t.get("type") if t is not None else "missing"
                text = "".join(t.itertext()) if t is not None else ""
                if kind in ("unfinished", "obsolete", "vanished", "missing") or not text:
                    source = "".join(message.find("source").itertext())
                    faults.append(f"{ts.name}: {name}: {kind or 'empty'}: {source!r}")
    return faults


def literals(root):
    faults = []
    paths = sorted((root / "ui").glob("*.[ch]*")) + sorted((root / "plot").glob("*.[ch]*"))
    for path in paths:
        rel = path.relative_to(root).as_posix()
        tokens = [t for t in TOKENS.findall(path.read_text(encoding="utf-8"))
                  if not t.isspace() and not t.startswith(("//", "/*"))]
        for i, token in enumerate(tokens):
            if not token.endswith(('"', '"_s')) or not JAPANESE.search(token):
                continue
            text = token[token.index('"') + 1:token.rindex('"')]
            if (rel, text) in KEPT:
                continue
            # Adjacent literals are one; the first must follow a mark and "(".
            j = i - 1
            while j >= 0 and tokens[j].endswith('"'):
                j -= 1
            if j >= 1 and tokens[j] == "(" and tokens[j - 1] in MARKS:
                continue
            if j >= 0 and tokens[j].endswith('"') is False and tokens[j] == "," and j >= 2 \
                    and tokens[j - 1].endswith('"') and tokens[j - 2] == "(" \
                    and tokens[j - 3] in MARKS:
                continue  # QT_TRANSLATE_NOOP("context", "text")
            faults.append(f"{rel}: untranslated text {text!r}")
    return faults


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    faults = translations(root) + literals(root)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Writes src/basis/zeichenersatz_daten.cpp: what a character outside code page 1252 may be
written as.

A class file stores code page 1252 only. For every other character the table gives the
letters a teacher may write instead, in code page 1252:

1. the letter without its diacritics, from the canonical Unicode decomposition ("ş" -> "s",
   "İ" -> "I"); where the letter with only some of its marks is in code page 1252, that one
   ("ǟ" -> "ä", "Ố" -> "Ô");
2. otherwise the compatibility decomposition, the same way ("ĳ" -> "ij", "ǅ" -> "Dž",
   full-width "Ａ" -> "A");
3. a few letters and signs without any decomposition, from the list EIGENE below
   ("ł" -> "l", "ı" -> "i", "đ" -> "d").

A character with none of these has no entry: it is left out.

Besides, the file holds the canonical compositions of a letter and one combining mark
("u" + U+0308 -> "ü"), so that text written decomposed, as some systems export it, keeps its
umlauts instead of losing the marks. A replacement never holds a
control character, a field separator of the imports (TAB, ";") or a double quote, so that
replacing a character in an import line cannot split or join fields.

Python's standard library only (unicodedata); the Unicode version is written into the file.

    python3 scripts/zeichenersatz_erzeugen.py
"""
import pathlib
import sys
import unicodedata

ZIEL = pathlib.Path(__file__).resolve().parent.parent / "src" / "basis" / "zeichenersatz_daten.cpp"

# Letters and signs that have no decomposition, with the plain letters a German reader writes.
EIGENE = {
    0x0141: "L", 0x0142: "l",    # Ł ł  Polish
    0x0110: "D", 0x0111: "d",    # Đ đ  Croatian, Vietnamese
    0x0131: "i",                 # ı    Turkish dotless i
    0x0126: "H", 0x0127: "h",    # Ħ ħ  Maltese
    0x0166: "T", 0x0167: "t",    # Ŧ ŧ  Sami
    0x014A: "N", 0x014B: "n",    # Ŋ ŋ  Sami
    0x018F: "E", 0x0259: "e",    # Ə ə  Azerbaijani
    0x0180: "b", 0x0197: "I", 0x0268: "i",
    0x1E9E: "SS",                # ẞ    capital sharp s, in capitals written SS
    0x2010: "-", 0x2012: "-", 0x2015: "\u2014", 0x2212: "-",  # hyphen, figure dash, bar, minus
    0x2032: "'",                 # prime
}

VERBOTEN = set("\t;\"\r\n")


def cp1252_zeichen() -> dict[int, int]:
    """Code point -> byte. The five bytes 1252 leaves open stand for the C1 controls of the
    same value, as the program's converter has it."""
    zeichen = {}
    for b in range(256):
        try:
            zeichen[ord(bytes([b]).decode("cp1252"))] = b
        except UnicodeDecodeError:
            zeichen[b] = b
    return zeichen


CP1252 = cp1252_zeichen()


def ist_zeichen_1252(text: str) -> bool:
    return len(text) == 1 and ord(text) in CP1252


def gruppen(text: str) -> list[str]:
    """A base character with the combining marks after it."""
    aus: list[str] = []
    for z in text:
        if unicodedata.combining(z) and aus:
            aus[-1] += z
        else:
            aus.append(z)
    return aus


def gruppe_ersetzt(gruppe: str):
    # The base with as many of its marks as code page 1252 can hold precomposed.
    for n in range(len(gruppe), 0, -1):
        zusammen = unicodedata.normalize("NFC", gruppe[:n])
        if ist_zeichen_1252(zusammen) and not unicodedata.combining(zusammen):
            return zusammen
    basis = ord(gruppe[0])
    if basis in EIGENE:
        return EIGENE[basis]
    return None


def zerlegt_ersetzt(zerlegt: str):
    teile = []
    for g in gruppen(zerlegt):
        if unicodedata.combining(g[0]):
            continue  # a mark without a base letter
        ersatz = gruppe_ersetzt(g)
        if ersatz is None:
            return None
        teile.append(ersatz)
    return "".join(teile) or None


def ersatz(c: int):
    z = chr(c)
    if c in EIGENE:
        return EIGENE[c]
    for form in ("NFD", "NFKD"):
        zerlegt = unicodedata.normalize(form, z)
        if zerlegt != z:
            e = zerlegt_ersetzt(zerlegt)
            if e is not None:
                return e
    return None


def brauchbar(e: str) -> bool:
    return all(ord(z) in CP1252 and ord(z) >= 0x20 and z not in VERBOTEN for z in e)


def als_c(text: str) -> str:
    aus = '"'
    for z in text:
        b = CP1252[ord(z)]
        if z in '\\"':
            aus += "\\" + z
        elif 0x20 <= b < 0x7F:
            aus += z
        else:
            aus += "\\%03o" % b
    return aus + '"'


def zusammensetzungen():
    """(base, mark, composed) for every primary composite below U+3000 whose canonical
    decomposition is one character and one combining mark."""
    paare = []
    for c in range(0xC0, 0x3000):
        zerlegt = unicodedata.decomposition(chr(c))
        if not zerlegt or zerlegt.startswith("<"):
            continue
        teile = [int(t, 16) for t in zerlegt.split()]
        if len(teile) != 2 or not unicodedata.combining(chr(teile[1])):
            continue
        if unicodedata.normalize("NFC", chr(teile[0]) + chr(teile[1])) != chr(c):
            continue  # excluded from composition
        paare.append((teile[0], teile[1], c))
    return sorted(paare)


def main() -> None:
    eintraege = []
    for c in range(0x80, 0x110000):
        if c in CP1252 or 0xD800 <= c < 0xE000 or unicodedata.category(chr(c)) in ("Cn", "Co", "Cs"):
            continue
        e = ersatz(c)
        if e is not None and brauchbar(e):
            eintraege.append((c, e))

    zeilen = [
        "// Generated by scripts/zeichenersatz_erzeugen.py from the Unicode character database",
        f"// (Unicode {unicodedata.unidata_version}) of Python's unicodedata. Do not edit by hand.",
        '#include "basis/zeichenersatz.h"',
        "",
        "namespace velmora {",
        "",
        "// Characters outside code page 1252, ascending, with what they may be written as (code",
        "// page 1252). A character not listed has no replacement.",
        f"const ZeichenErsatz kZeichenErsatz[{len(eintraege)}] = {{",
    ]
    for c, e in eintraege:
        zeilen.append(f"    {{0x{c:05X}, {als_c(e)}}},  // {unicodedata.name(chr(c), '?').lower()}")
    paare = zusammensetzungen()
    zeilen += [
        "};",
        "",
        f"const std::size_t kZeichenErsatzAnzahl = {len(eintraege)};",
        "",
        "// A letter and one combining mark with the character they compose, ascending by both.",
        f"const Zusammensetzung kZusammensetzung[{len(paare)}] = {{",
    ]
    for b, m, c in paare:
        zeilen.append(f"    {{0x{b:04X}, 0x{m:04X}, 0x{c:04X}}},  // {unicodedata.name(chr(c), '?').lower()}")
    zeilen += [
        "};",
        "",
        f"const std::size_t kZusammensetzungAnzahl = {len(paare)};",
        "",
        "}  // namespace velmora",
        "",
    ]
    ZIEL.write_text("\n".join(zeilen), encoding="ascii")
    print(f"{ZIEL}: {len(eintraege)} characters, {len(paare)} compositions", file=sys.stderr)


if __name__ == "__main__":
    main()

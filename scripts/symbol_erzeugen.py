#!/usr/bin/env python3
"""Renders the program icon src/app/ressourcen/velmora.svg into velmora-256.png and velmora.ico,
and the tool-bar symbols src/app/ressourcen/symbole/*.svg into PNGs of 24 and 48 px.

Needs rsvg-convert (Debian package librsvg2-bin); everything else is Python's standard library.
The .ico holds one PNG-compressed image per size, as Windows reads them since Vista.
"""
import pathlib
import struct
import subprocess
import sys
import tempfile

GROESSEN = (16, 24, 32, 48, 64, 128, 256)
ORDNER = pathlib.Path(__file__).resolve().parent.parent / "src" / "app" / "ressourcen"


def render(svg: pathlib.Path, groesse: int, ziel: pathlib.Path) -> bytes:
    subprocess.run(["rsvg-convert", "-w", str(groesse), "-h", str(groesse), "-o", str(ziel), str(svg)],
                   check=True)
    daten = ziel.read_bytes()
    if daten[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"rsvg-convert gave no PNG for {groesse} px")
    breite, hoehe = struct.unpack(">II", daten[16:24])
    if (breite, hoehe) != (groesse, groesse):
        sys.exit(f"{groesse} px asked, {breite}x{hoehe} rendered")
    return daten


def ico(bilder: list[tuple[int, bytes]]) -> bytes:
    kopf = struct.pack("<HHH", 0, 1, len(bilder))
    eintraege = b""
    daten = b""
    versatz = len(kopf) + 16 * len(bilder)
    for groesse, png in bilder:
        seite = 0 if groesse == 256 else groesse  # 0 stands for 256 in the one-byte fields
        eintraege += struct.pack("<BBBBHHII", seite, seite, 0, 0, 1, 32, len(png), versatz + len(daten))
        daten += png
    return kopf + eintraege + daten


def main() -> None:
    svg = ORDNER / "velmora.svg"
    with tempfile.TemporaryDirectory() as tmp:
        bilder = [(g, render(svg, g, pathlib.Path(tmp) / f"{g}.png")) for g in GROESSEN]
    (ORDNER / "velmora-256.png").write_bytes(bilder[-1][1])
    (ORDNER / "velmora.ico").write_bytes(ico(bilder))
    print(f"{ORDNER / 'velmora.ico'}: {len(bilder)} Bilder ({', '.join(str(g) for g in GROESSEN)} px)")
    symbole = sorted((ORDNER / "symbole").glob("*.svg"))
    for symbol in symbole:
        for g in (24, 48):
            render(symbol, g, symbol.with_name(f"{symbol.stem}-{g}.png"))
    print(f"{ORDNER / 'symbole'}: {len(symbole)} Symbole in 24 und 48 px")


if __name__ == "__main__":
    main()

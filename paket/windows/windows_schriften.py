#!/usr/bin/env python3
"""Makes the Windows fonts Velmora asks for out of their metric-compatible Liberation twins,
for the Wine environment of windows-paket.sh (Wine has no Arial, Times New Roman or Courier
New): copies of the Liberation fonts whose family is named like the Windows font, saved under
the Windows file names (arial.ttf, timesbd.ttf, ...). The glyphs, the metrics and the
PostScript names (LiberationSans-Bold, ...) stay. The unique name of each face becomes its
PostScript name: the Liberation fonts give all four faces of a family the same one, and Wine
hands it to programs as the face's full name, by which Qt tells faces apart when it embeds
them in a PDF (one face would then stand for all four).

    windows_schriften.py <Liberation folder> <target folder>
"""
import sys
from pathlib import Path

from fontTools.ttLib import TTFont

FAMILIEN = {
    "LiberationSans": ("Arial", "arial"),
    "LiberationSerif": ("Times New Roman", "times"),
    "LiberationMono": ("Courier New", "cour"),
}
# Style as in the Liberation file name -> (Windows file suffix, style name, full-name suffix).
STILE = {
    "Regular": ("", "Regular", ""),
    "Bold": ("bd", "Bold", " Bold"),
    "Italic": ("i", "Italic", " Italic"),
    "BoldItalic": ("bi", "Bold Italic", " Bold Italic"),
}


def main() -> int:
    quelle, ziel = Path(sys.argv[1]), Path(sys.argv[2])
    ziel.mkdir(parents=True, exist_ok=True)
    for liberation, (familie, datei) in FAMILIEN.items():
        for stil, (endung, stilname, zusatz) in STILE.items():
            schrift = TTFont(quelle / f"{liberation}-{stil}.ttf")
            namen = schrift["name"]
            postscript = namen.getDebugName(6)
            for eintrag in list(namen.names):
                # 1/2 family and style, 4 full name, 16/17 typographic family and style.
                if eintrag.nameID in (1, 16):
                    namen.setName(familie, eintrag.nameID, eintrag.platformID, eintrag.platEncID, eintrag.langID)
                elif eintrag.nameID == 3:
                    namen.setName(postscript, 3, eintrag.platformID, eintrag.platEncID, eintrag.langID)
                elif eintrag.nameID == 4:
                    namen.setName(familie + zusatz, 4, eintrag.platformID, eintrag.platEncID, eintrag.langID)
                elif eintrag.nameID in (2, 17):
                    namen.setName(stilname, eintrag.nameID, eintrag.platformID, eintrag.platEncID, eintrag.langID)
            schrift.save(ziel / f"{datei}{endung}.ttf")
    return 0


if __name__ == "__main__":
    sys.exit(main())

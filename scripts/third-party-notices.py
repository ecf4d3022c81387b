#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the notices that zelmo.exe must carry into data/windows/notices, from
Debian's qt6-base source (6.4.2+dfsg-10, unpacked; `apt-get source qt6-base`):
Qt's own licence texts, and for every third-party component that the static Qt
compiles into zelmo.exe (Qt Core, Gui and Widgets, the Windows platform plugin,
the Windows style, the image format plugins, the bundled libraries), its entry
of Qt's qt_attribution.json files and its licence files word for word.

Run once when Qt changes; the output is kept in the repository, so that a build
needs no download:

    scripts/third-party-notices.py qtbase-everywhere-src-6.4.2
"""
import json
import pathlib
import sys

# Attribution ids of what the static Qt links into zelmo.exe, from Qt's own
# qt_attribution.json files. Left out, as not in that build: forkfd (Unix),
# pixman (ARM NEON), Vulkan and its memory allocator (off), D-Bus headers,
# the public suffix list and libpsl (Qt Network), the macOS, Android, X11 and
# WebAssembly parts, Qt Test's third-party code, and the build system's modules.
LINKED = [
    "doubleconversion", "blake2", "easing", "md4", "md5", "pcre2", "pcre2-sljit", "rfc6234",
    "sha1", "sha3_endian", "sha3_keccak", "siphash", "tinycbor", "unicode-character-database",
    "unicode-cldr", "zlib",
    "freetype", "freetype-zlib", "freetype-bdf", "freetype-pcf", "grayraster", "harfbuzz-ng",
    "libpng", "libjpeg", "md4c", "opengl-headers", "opengl-es2-headers",
    "smooth-scaling-algorithm", "xserverhelper", "webgradients", "aglfn",
    "icc-sRGB-color-profile",
]
QT_LICENCES = ["LGPL-3.0-only", "GPL-3.0-only"]


def attributions(source):
    found = {}
    for path in sorted(source.glob("**/qt_attribution.json")):
        entries = json.loads(path.read_text(encoding="utf-8"), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            found[entry["Id"]] = (path.parent, entry)
    return found


def licence_files(folder, entry):
    names = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if entry.get("LicenseFile") else [])
    if entry.get("CopyrightFile"):
        names.append(entry["CopyrightFile"])
    return [(folder / name).resolve() for name in names]


def main(source, out):
    source = pathlib.Path(source)
    out = pathlib.Path(out)
    out.mkdir(parents=True, exist_ok=True)
    for old in out.glob("LICENSE.*"):
        old.unlink()
    found = attributions(source)

    index = [
        "Zelmo pour Windows : composants tiers",
        "",
        "zelmo.exe contient la bibliothèque Qt 6.4.2 (The Qt Company Ltd.), liée",
        "statiquement, sous la licence GNU LGPL version 3 : LICENSE.Qt.LGPL-3.0-only.txt,",
        "avec la GNU GPL version 3 sur laquelle elle s'appuie : LICENSE.Qt.GPL-3.0-only.txt.",
        "Qt y apporte les composants tiers ci-dessous, chacun avec sa licence, dont le",
        "texte figure, tel que ses auteurs l'ont publié, dans les fichiers LICENSE.* nommés.",
        "Source : les fichiers qt_attribution.json du paquet source Debian qt6-base",
        "6.4.2+dfsg-10.",
        "",
    ]
    for licence in QT_LICENCES:
        text = (source / "LICENSES" / f"{licence}.txt").read_bytes()
        (out / f"LICENSE.Qt.{licence}.txt").write_bytes(text)

    for ident in LINKED:
        folder, entry = found[ident]
        index.append(f"{entry['Name']}" + (f" {entry['Version']}" if entry.get("Version") else ""))
        index.append(f"  Licence : {entry.get('LicenseId') or entry.get('License')}")
        if entry.get("Copyright"):
            for line in entry["Copyright"].strip().splitlines():
                index.append(f"  {line.strip()}")
        files = []
        for number, path in enumerate(licence_files(folder, entry), start=1):
            name = f"LICENSE.{ident}.txt" if number == 1 else f"LICENSE.{ident}.{number}.txt"
            (out / name).write_bytes(path.read_bytes())
            files.append(name)
        if files:
            index.append("  Texte : " + ", ".join(files))
        index.append(f"  Usage : {entry.get('QtUsage', '').strip()}")
        index.append("")
    (out / "THIRD-PARTY.txt").write_text("\n".join(index), encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else "data/windows/notices")

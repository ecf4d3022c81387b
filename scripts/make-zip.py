#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

"""Zips a folder the same way every time: its files in name order under one
top folder, each dated SOURCE_DATE_EPOCH, with fixed attributes and no owner,
so that two builds of one commit give the same zip byte for byte.

    scripts/make-zip.py FOLDER ZIP TOP
"""
import os
import pathlib
import sys
import time
import zipfile


def main(folder, archive, top):
    folder = pathlib.Path(folder)
    # Without SOURCE_DATE_EPOCH: 1980-01-01, the earliest date a zip can hold.
    stamp = time.gmtime(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")))[:6]
    files = sorted(p for p in folder.rglob("*") if p.is_file())
    with zipfile.ZipFile(archive, "w") as out:
        for path in files:
            entry = zipfile.ZipInfo(f"{top}/{path.relative_to(folder).as_posix()}", stamp)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 0  # MS-DOS attributes only: nothing of this machine
            entry.external_attr = 0x20  # archive
            out.writestr(entry, path.read_bytes(), compresslevel=9)


if __name__ == "__main__":
    main(*sys.argv[1:4])

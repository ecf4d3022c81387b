#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

"""Builds the Windows installer from the folder the zip is made of, the same way
every time: its product code comes from the version, its package code from the
version and the bytes it installs, its files and its summary are dated
SOURCE_DATE_EPOCH. Two builds of one commit give the same MSI byte for byte.

    scripts/make-msi.py FOLDER ICON VERSION MSI
"""
import hashlib
import os
import pathlib
import subprocess
import sys
import tempfile
import time
import uuid

UPGRADE_CODE = uuid.UUID("6F320C67-80E7-4177-BA82-1CFAF2CAAB3C")
TEMPLATE = pathlib.Path(__file__).resolve().parent.parent / "data/windows/zelmo.wxs.in"


def main(folder, icon, version, msi):
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "315532800"))
    with tempfile.TemporaryDirectory() as work:
        # A copy of what is installed, every file dated alike: the cabinet keeps
        # the files' times.
        tree = pathlib.Path(work) / "tree"
        files = sorted(p for p in pathlib.Path(folder).rglob("*") if p.is_file())
        digest = hashlib.sha256(version.encode())
        for path in files:
            relative = path.relative_to(folder)
            copy = tree / relative
            copy.parent.mkdir(parents=True, exist_ok=True)
            data = path.read_bytes()
            copy.write_bytes(data)
            os.utime(copy, (epoch, epoch))
            digest.update(relative.as_posix().encode() + b"\0" + data)
        icon_copy = pathlib.Path(work) / "globe.ico"
        icon_copy.write_bytes(pathlib.Path(icon).read_bytes())

        licences = "\n".join(
            f'                <File Id="licence{index}" Name="{path.name}" '
            f'Source="tree/licences/{path.name}"/>'
            for index, path in enumerate(sorted((tree / "licences").iterdir()))
        )
        fields = {
            "PRODUCT_CODE": str(uuid.uuid5(UPGRADE_CODE, f"product {version}")).upper(),
            "PACKAGE_CODE": str(uuid.uuid5(UPGRADE_CODE, digest.hexdigest())).upper(),
            "VERSION": version,
            "ICON": icon_copy.name,
            "TREE": tree.name,
            "LICENCE_FILES": licences,
        }
        source = TEMPLATE.read_text(encoding="utf-8")
        for name, value in fields.items():
            source = source.replace(f"@{name}@", value)
        wxs = pathlib.Path(work) / "zelmo.wxs"
        wxs.write_text(source, encoding="utf-8")
        # wixl dates the summary with the clock, and draws the package code at
        # random: its clock stands at that time, and the code is set afterwards.
        frozen = ["faketime", "-f", time.strftime("%Y-%m-%d %H:%M:%S", time.gmtime(epoch))]
        env = dict(os.environ, TZ="UTC")
        msi = os.path.abspath(msi)
        subprocess.run(
            frozen + ["wixl", "--arch", "x64", "-o", msi, wxs.name], check=True, cwd=work, env=env
        )
        summary = [f"Zelmo {version}", "L'équipe Zelmo", "x64;1036", "{%s}" % fields["PACKAGE_CODE"]]
        subprocess.run(frozen + ["msibuild", msi, "-s"] + summary, check=True, env=env)

if __name__ == "__main__":
    main(*sys.argv[1:5])

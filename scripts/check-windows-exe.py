#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads back what a Windows user's system sees in zelmo.exe: its icon group (16
and 32 pixels), its version record (version, product name, French) in French
resources, the DLLs it needs (the system's only: Qt, the C++ library and the
threads library are linked in), its hardening (ASLR with high-entropy addresses,
DEP, the stack protector), its manifest (asInvoker, Windows 10 and 11, DPI
awareness left to Qt) and a PE header with no link time in it."""
import sys

import pefile

FRENCH = 0x040C
WINDOWS_10_AND_11 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
HIGH_ENTROPY_VA, DYNAMIC_BASE, NX_COMPAT = 0x0020, 0x0040, 0x0100
SYSTEM_DLLS = {
    "advapi32.dll", "comdlg32.dll", "d3d11.dll", "d3d9.dll", "dwmapi.dll", "dwrite.dll",
    "dxgi.dll", "gdi32.dll", "imm32.dll", "kernel32.dll", "msvcrt.dll", "netapi32.dll",
    "ole32.dll", "oleaut32.dll", "opengl32.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "userenv.dll", "uxtheme.dll", "version.dll", "winmm.dll", "ws2_32.dll", "wtsapi32.dll",
    "authz.dll", "setupapi.dll", "mpr.dll", "crypt32.dll", "secur32.dll", "winspool.drv",
    "shcore.dll",
}

failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        failures.append(what)


def resources(pe, type_id):
    """(language, data) of every resource of one type."""
    found = []
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id != type_id:
            continue
        for name in entry.directory.entries:
            for language in name.directory.entries:
                data = language.data.struct
                found.append((language.id, pe.get_data(data.OffsetToData, data.Size)))
    return found


def main(path, version):
    pe = pefile.PE(path)

    groups = resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
    check(len(groups) == 1, "one icon group")
    sizes = set()
    for _, data in groups:
        count = int.from_bytes(data[4:6], "little")
        for i in range(count):
            entry = data[6 + 14 * i: 6 + 14 * (i + 1)]
            sizes.add(entry[0] or 256)
    check({16, 32} <= sizes, "icon group holds 16 and 32 pixel images (has %s)" % sorted(sizes))

    for kind in ("RT_GROUP_ICON", "RT_VERSION"):
        languages = {language for language, _ in resources(pe, pefile.RESOURCE_TYPE[kind])}
        check(languages == {FRENCH}, "%s resources are French (0x%s)"
              % (kind, ", 0x".join("%04X" % l for l in sorted(languages))))

    strings = {}
    translations = []
    for info in getattr(pe, "FileInfo", []):
        for block in info:
            if block.Key == b"StringFileInfo":
                for table in block.StringTable:
                    strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
            elif block.Key == b"VarFileInfo":
                for var in block.Var:
                    # "0x040c 0x04e4": the language, then the code page
                    translation = var.entry.get(b"Translation", "")
                    if isinstance(translation, bytes):
                        translation = translation.decode()
                    translations += [int(word, 16) for word in translation.split()[:1]]
    check(strings.get("FileVersion") == version,
          "file version %s (%s)" % (version, strings.get("FileVersion")))
    check(strings.get("ProductVersion") == version, "product version %s" % version)
    check(strings.get("ProductName") == "Zelmo", "product name Zelmo")
    check(FRENCH in translations, "translation French (%s)" % ["0x%04X" % t for t in translations])

    fixed = pe.VS_FIXEDFILEINFO[0]
    major, minor = (int(part) for part in version.split("."))
    check(fixed.FileVersionMS == (major << 16 | minor), "fixed file version %d.%d" % (major, minor))

    dlls = sorted({entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT})
    foreign = [dll for dll in dlls if dll not in SYSTEM_DLLS and not dll.startswith("api-ms-")]
    check(not foreign, "needs the system's DLLs only (%s)" % ", ".join(foreign or dlls))

    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    check(flags & DYNAMIC_BASE, "ASLR (dynamic base)")
    check(flags & HIGH_ENTROPY_VA, "high-entropy addresses")
    check(flags & NX_COMPAT, "DEP (NX compatible)")
    # The stack protector's failure handler (libssp) is linked in only when the
    # code was compiled with the protector.
    with open(path, "rb") as exe:
        check(b"stack smashing detected" in exe.read(), "stack protector")
    check(pe.FILE_HEADER.TimeDateStamp == 0, "no link time in the PE header")

    manifests = resources(pe, pefile.RESOURCE_TYPE["RT_MANIFEST"])
    check(len(manifests) == 1, "one manifest")
    manifest = manifests[0][1].decode("utf-8") if manifests else ""
    check('level="asInvoker"' in manifest, "runs as invoker: never a UAC prompt")
    check(WINDOWS_10_AND_11 in manifest, "supported OS: Windows 10 and 11")
    check("dpiAware" not in manifest, "DPI awareness left to Qt")

    if failures:
        sys.exit("%d check(s) failed" % len(failures))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])

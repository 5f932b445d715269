"""Checks quorvane.exe from outside, as Windows would load it: a GUI program for x86-64 whose only
imports are the system's own DLLs, with one icon of one 32 x 32 image of 32 bits per pixel (the one
in assets/), a version resource 1.0.0.0 named "1" in Chinese (PRC), and no manifest."""
import struct
import sys

import pefile

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "winmm.dll", "msvcrt.dll", "advapi32.dll"}
CHINESE_PRC = 0x0804


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def expect(condition, message):
    if not condition:
        fail(message)


def resources(pe, type_id):
    """(id, language, bytes) of every resource of one type."""
    found = []
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return found
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id != type_id:
            continue
        for named in entry.directory.entries:
            for language in named.directory.entries:
                data = language.data.struct
                found.append((named.id, language.id, pe.get_data(data.OffsetToData, data.Size)))
    return found


def text(value):
    """pefile gives some version fields as bytes and others as str, depending on its version."""
    return value.decode() if isinstance(value, bytes) else value


def check_header(pe):
    expect(pe.FILE_HEADER.Machine == pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"], "not an x86-64 image")
    expect(pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
           f"subsystem {pe.OPTIONAL_HEADER.Subsystem}, not the GUI one")


def check_imports(pe):
    dlls = sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT)
    foreign = [dll for dll in dlls if dll not in SYSTEM_DLLS]
    expect(not foreign, f"imports DLLs that are not the system's: {foreign}")
    for needed in ("user32.dll", "gdi32.dll", "winmm.dll"):
        expect(needed in dlls, f"does not import {needed}")
    print("imports:", " ".join(dlls))


def check_icon(pe, ico):
    groups = resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
    expect(len(groups) == 1, f"{len(groups)} icon groups, not one")
    _, language, group = groups[0]
    expect(language == CHINESE_PRC, f"icon group language {language:#x}")
    reserved, kind, count = struct.unpack_from("<HHH", group)
    expect((reserved, kind, count) == (0, 1, 1), f"icon group header {reserved, kind, count}")
    width, height, colours, _, planes, bits, size, icon_id = struct.unpack_from("<BBBBHHIH", group, 6)
    expect((width, height, bits) == (32, 32, 32), f"icon image {width} x {height}, {bits} bits")
    icons = {i: data for i, _, data in resources(pe, pefile.RESOURCE_TYPE["RT_ICON"])}
    expect(icon_id in icons, "the icon group names a missing image")
    # The image is the ICO file's one image, byte for byte.
    offset, = struct.unpack_from("<I", ico, 6 + 12)
    ico_size, = struct.unpack_from("<I", ico, 6 + 8)
    expect(icons[icon_id] == ico[offset:offset + ico_size], "the icon image is not the one in assets/quorvane.ico")


def check_version(pe):
    expect(len(resources(pe, pefile.RESOURCE_TYPE["RT_VERSION"])) == 1, "not one version resource")
    fixed = pe.VS_FIXEDFILEINFO[0]
    expect((fixed.FileVersionMS, fixed.FileVersionLS) == (0x00010000, 0), "file version is not 1.0.0.0")
    expect((fixed.ProductVersionMS, fixed.ProductVersionLS) == (0x00010000, 0), "product version is not 1.0.0.0")
    strings, translations = {}, []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                strings[text(table.LangID)] = {text(k): text(v) for k, v in table.entries.items()}
        elif info.Key == b"VarFileInfo":
            for var in info.Var:
                for key, value in var.entry.items():
                    if text(key) == "Translation":
                        translations.append(text(value))
    expect(list(strings) == ["080404b0"], f"string blocks {list(strings)}, not 080404b0")
    table = strings["080404b0"]
    expect(table.get("ProductName") == "1", f"product name {table.get('ProductName')!r}")
    expect(table.get("FileVersion") == "1.0.0.0", f"file version string {table.get('FileVersion')!r}")
    expect(table.get("ProductVersion") == "1.0.0.0", f"product version string {table.get('ProductVersion')!r}")
    expect(translations == ["0x0804 0x04b0"], f"translations {translations}")


def check_no_manifest(pe):
    expect(not resources(pe, pefile.RESOURCE_TYPE["RT_MANIFEST"]), "the executable carries a manifest")


def main():
    exe, ico_path = sys.argv[1], sys.argv[2]
    with open(ico_path, "rb") as f:
        ico = f.read()
    pe = pefile.PE(exe)
    check_header(pe)
    check_imports(pe)
    check_icon(pe, ico)
    check_version(pe)
    check_no_manifest(pe)
    print("PE check: passed")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Checks a built skinbench.exe or skinbench-tour.exe without running it, on this machine: its
headers, the DLLs it imports, its size, and the version record, icon group and manifests it
carries.

Usage: check_exe.py EXE ARCHITECTURE ICO   (ARCHITECTURE: x86 or x64; ICO: the icon file that
app/skinbench.rc names). The executable's name says which program it is. Prints one line per
check; exit status 0 passed, 1 failed."""
import re
import struct
import sys

ARCHITECTURES = {  # machine, optional header magic, format name
    "x86": (0x014C, 0x10B, "PE32, machine i386"),
    "x64": (0x8664, 0x20B, "PE32+, machine AMD64"),
}
GUI_SUBSYSTEM, CONSOLE_SUBSYSTEM = 2, 3
# DLLs that every Windows since 7 ships. No C++, GCC or thread runtime DLL may appear.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "oleacc.dll",
               "msvcrt.dll", "advapi32.dll", "shell32.dll", "ole32.dll", "oleaut32.dll",
               "uxtheme.dll", "shcore.dll", "imm32.dll", "comdlg32.dll", "version.dll"}
# What tells the two programs apart: the program is a windowed program under 1 MiB; the tour a
# console program under 1.5 MiB that also carries the themed controls' manifest (number 2).
PROGRAMS = {
    "skinbench": (GUI_SUBSYSTEM, "GUI subsystem", 1 << 20, "1 MiB"),
    "skinbench-tour": (CONSOLE_SUBSYSTEM, "console subsystem", 3 << 19, "1.5 MiB"),
}
THEMED_MANIFEST = 2
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
SPANISH_SPAIN = 0x0C0A


class Pe:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an executable: no MZ header")
        pe = self.u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        self.machine, sections = struct.unpack_from("<HH", data, pe + 4)
        optional_size = self.u16(pe + 20)
        optional = pe + 24
        self.magic = self.u16(optional)
        self.subsystem = self.u16(optional + 68)
        directories = optional + (96 if self.magic == 0x10B else 112)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i)
                            for i in range(self.u32(directories - 4))]
        self.sections = [struct.unpack_from("<IIII", data, optional + optional_size + 40 * i + 8)
                         for i in range(sections)]  # virtual size, address, raw size, raw offset

    def u16(self, at):
        return struct.unpack_from("<H", self.data, at)[0]

    def u32(self, at):
        return struct.unpack_from("<I", self.data, at)[0]

    def offset(self, rva):
        for size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise ValueError(f"address {rva:#x} is in no section")

    def text(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("ascii")

    def imports(self):
        names = []
        for directory in (1, 13):  # imports, delay-loaded imports
            rva = self.directories[directory][0] if len(self.directories) > directory else 0
            entry_size, name_field = (20, 12) if directory == 1 else (32, 4)
            while rva:
                name = self.u32(self.offset(rva) + name_field)
                if name == 0:
                    break
                names.append(self.text(name))
                rva += entry_size
        return names

    def resources(self):
        """(type, name, language) -> data, for resources named by numbers."""
        base_rva = self.directories[2][0]
        if not base_rva:
            return {}
        base = self.offset(base_rva)
        found = {}

        def walk(table, path):
            named, numbered = struct.unpack_from("<HH", self.data, table + 12)
            for i in range(named + numbered):
                ident, target = struct.unpack_from("<II", self.data, table + 16 + 8 * i)
                if target & 0x80000000:
                    walk(base + (target & 0x7FFFFFFF), path + (ident,))
                else:
                    rva, size = struct.unpack_from("<II", self.data, base + target)
                    at = self.offset(rva)
                    found[path + (ident,)] = self.data[at:at + size]

        walk(base, ())
        return found


def utf16z(data, at):
    end = at
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[at:end].decode("utf-16-le"), end + 2


def version_block(data, at=0):
    """A version record's block: (key, value bytes, is text, children)."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, at)
    key, field = utf16z(data, at + 6)
    field = (field + 3) & ~3
    value_bytes = value_length * 2 if is_text else value_length
    value = data[field:field + value_bytes]
    children, field = [], (field + value_bytes + 3) & ~3
    while field < at + length:
        children.append(version_block(data, field))
        field = (field + struct.unpack_from("<H", data, field)[0] + 3) & ~3
    return key, value, is_text, children


def child(block, key):
    return next((c for c in block[3] if c[0] == key), None)


class Checks:
    def __init__(self):
        self.failed = 0

    def __call__(self, ok, what, detail=""):
        print(("ok   " if ok else "FAIL ") + what + (f": {detail}" if detail and not ok else ""))
        self.failed += not ok


def check_version(check, record, program):
    key, fixed, _, _ = version_block(record)
    check(key == "VS_VERSION_INFO", "the version record is VS_VERSION_INFO", key)
    words = struct.unpack_from("<13I", fixed)
    check(words[0] == 0xFEEF04BD and words[2:6] == (0x10000, 0, 0x10000, 0),
          "file and product version 1.0.0.0", [hex(w) for w in words[:6]])
    check(words[7] == 0 and words[8] == 4 and words[9] == 1,
          "no flags; an application for 32-bit Windows", words[7:10])
    strings = child(version_block(record), "StringFileInfo")
    table = strings[3][0] if strings and strings[3] else ("", b"", 0, [])
    check(table[0] == "0C0A04B0", "the string table is Spanish (Spain) in UTF-16", table[0])
    texts = {c[0]: c[1].decode("utf-16-le").rstrip("\0") for c in table[3] if c[2]}
    wanted = {"FileVersion": "1.00", "ProductVersion": "1.00", "ProductName": "skinbench",
              "InternalName": program, "OriginalFilename": program + ".exe",
              "CompanyName": "skinbench developers",
              "FileDescription": "Banco de pruebas de colores de controles"}
    check(all(texts.get(k) == v for k, v in wanted.items()), "the version texts", texts)
    translation = child(child(version_block(record), "VarFileInfo") or ("", b"", 0, []),
                        "Translation")
    check(translation is not None and translation[1] == struct.pack("<HH", SPANISH_SPAIN, 1200),
          "translation: Spanish (Spain), code page 1200", translation and translation[1].hex())


def check_icons(check, resources, ico):
    groups = [(k, v) for k, v in resources.items() if k[0] == RT_GROUP_ICON]
    check(len(groups) == 1 and groups[0][0][1] == 1, "one icon group, number 1",
          [k for k, _ in groups])
    if not groups:
        return
    group = groups[0][1]
    count = struct.unpack_from("<H", ico, 4)[0]
    check(struct.unpack_from("<HHH", group) == (0, 1, count),
          f"the icon group lists the icon file's {count} images", group[:6].hex())
    icons = {k[1]: v for k, v in resources.items() if k[0] == RT_ICON}
    for i in range(count):
        width, colours, bits = ico[6 + 16 * i], ico[8 + 16 * i], ico[12 + 16 * i]
        size, offset = struct.unpack_from("<II", ico, 6 + 16 * i + 8)
        entry = group[6 + 14 * i:6 + 14 * (i + 1)]
        ident = struct.unpack_from("<H", entry, 12)[0] if len(entry) == 14 else None
        check(len(entry) == 14 and entry[0] == width and entry[2] == colours
              and entry[6] == bits and icons.get(ident) == ico[offset:offset + size],
              f"icon image {i} ({width or 256} px, {bits} bits) holds the icon file's bytes")


def check_manifest(check, resources):
    manifests = [v for k, v in resources.items() if k[0] == RT_MANIFEST and k[1] == 1]
    check(len(manifests) == 1, "an application manifest (number 1)")
    if not manifests:
        return
    text = manifests[0].decode("utf-8", "replace")
    check(re.search(r'level=["\']asInvoker["\']', text) is not None, "runs as the invoker")
    check(re.search(r"<(\w+:)?dpiAware[^>]*>\s*true", text, re.I) is not None
          and re.search(r"<(\w+:)?dpiAwareness[^>]*>[^<]*PerMonitorV2", text) is not None,
          "DPI-aware, per monitor (v2) where the system has it")
    check(len(re.findall(r"<(\w+:)?supportedOS\s+Id=", text)) >= 1, "names its supported systems")
    check("Microsoft.Windows.Common-Controls" not in text,
          "classic controls: no visual-styles dependency")


def check_themed_manifest(check, resources, program):
    themed = [v for k, v in resources.items() if k[0] == RT_MANIFEST and k[1] == THEMED_MANIFEST]
    if program == "skinbench":
        check(not themed, "no manifest of themed controls")
        return
    text = themed[0].decode("utf-8", "replace") if themed else ""
    check(re.search(r'name="Microsoft\.Windows\.Common-Controls"[^>]*version="6\.', text) is not None,
          "the themed controls' manifest (number 2) asks for Common Controls 6")


def main(path, architecture, ico_path):
    program = re.sub(r"\.exe$", "", path.replace("\\", "/").rsplit("/", 1)[-1], flags=re.I)
    if program not in PROGRAMS:
        raise ValueError(f"not one of the project's programs: {program}")
    subsystem, subsystem_name, max_size, max_name = PROGRAMS[program]
    data = open(path, "rb").read()
    ico = open(ico_path, "rb").read()
    machine, magic, name = ARCHITECTURES[architecture]
    pe = Pe(data)
    check = Checks()
    check(pe.machine == machine and pe.magic == magic, name,
          f"machine {pe.machine:#x}, magic {pe.magic:#x}")
    check(pe.subsystem == subsystem, subsystem_name, pe.subsystem)
    imports = pe.imports()
    print("     imports: " + ", ".join(imports))
    check(imports and all(n.lower() in SYSTEM_DLLS for n in imports),
          "imports only DLLs that ship with Windows",
          [n for n in imports if n.lower() not in SYSTEM_DLLS])
    check(len(data) < max_size, f"under {max_name} ({len(data)} bytes)", len(data))
    resources = pe.resources()
    versions = [(k, v) for k, v in resources.items() if k[0] == RT_VERSION]
    check(len(versions) == 1 and versions[0][0][1:] == (1, SPANISH_SPAIN),
          "one version record, number 1, Spanish (Spain)", [k for k, _ in versions])
    if versions:
        check_version(check, versions[0][1], program)
    check_icons(check, resources, ico)
    check_manifest(check, resources)
    check_themed_manifest(check, resources, program)
    return 1 if check.failed else 0


if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[2] not in ARCHITECTURES:
        sys.exit(__doc__)
    try:
        sys.exit(main(*sys.argv[1:]))
    except (OSError, ValueError, struct.error, IndexError) as error:
        sys.exit(f"FAIL {sys.argv[1]}: {error}")

#!/usr/bin/env python3
"""Checks built main-program images: machine, GUI subsystem, hardening flags, manifest, version and icon."""
import struct
import sys

import pefile

MACHINES = {0x14C: ("x86", False), 0x8664: ("amd64", True)}
VERSION_KEYS = [
    ("FileVersion", "1.0.0.0"),
    ("FileDescription", "Qorvel网络修复工具"),
    ("ProductName", "Qorvel网络修复工具"),
    ("ProductVersion", "1.0.0.0"),
    ("CompanyName", None),
    ("LegalCopyright", None),
    ("Comments", "Qorvel网络修复工具"),
]
ICON_SIZES = [256, 128, 64, 48, 32, 16]
# DLLs that are part of Windows itself and that the main program may import.
WINDOWS_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comdlg32.dll", "ole32.dll", "shell32.dll",
                "advapi32.dll", "msvcrt.dll"}
# Looked up at run time (or loaded from the system folder by full path), never imported.
NOT_IMPORTED = {"IsWow64Process", "RtlComputeCrc32"}


def resource(pe, type_id, name=None):
    """(name, data) of every resource of one type, optionally with one name."""
    found = []
    for entry in getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None).entries if hasattr(pe, "DIRECTORY_ENTRY_RESOURCE") else []:
        if entry.id != type_id:
            continue
        for named in entry.directory.entries:
            entry_name = str(named.name) if named.name is not None else named.id
            if name is not None and entry_name != name:
                continue
            for language in named.directory.entries:
                data = pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size)
                found.append((entry_name, data))
    return found


def layout_problems(pe):
    """Relocations for ASLR, and no section that is both writable and executable."""
    problems = []
    reloc = pe.OPTIONAL_HEADER.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_BASERELOC"]]
    if reloc.Size == 0:
        problems.append("no base relocations")
    for section in pe.sections:
        if section.Characteristics & 0x80000000 and section.Characteristics & 0x20000000:
            name = section.Name.rstrip(b"\0").decode()
            problems.append(f"section {name} is writable and executable")
    if pe.FILE_HEADER.TimeDateStamp != 0:
        problems.append("TimeDateStamp is not 0")
    return problems


def check(path):
    pe = pefile.PE(path)
    problems = layout_problems(pe)
    machine = pe.FILE_HEADER.Machine
    if machine not in MACHINES:
        return [f"unexpected machine 0x{machine:x}"]
    arch, is64 = MACHINES[machine]
    if pe.OPTIONAL_HEADER.Subsystem != 2:
        problems.append(f"subsystem {pe.OPTIONAL_HEADER.Subsystem}, not GUI")
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    wanted = {"DYNAMIC_BASE": 0x40, "NX_COMPAT": 0x100}
    wanted.update({"HIGH_ENTROPY_VA": 0x20} if is64 else {"NO_SEH": 0x400})
    for flag, bit in wanted.items():
        if not flags & bit:
            problems.append(f"DllCharacteristics lacks {flag}")
    for dll in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []):
        name = dll.dll.decode().lower()
        if name not in WINDOWS_DLLS:
            problems.append(f"imports {name}, which is not on the list of Windows DLLs")
        for function in dll.imports:
            if function.name and function.name.decode() in NOT_IMPORTED:
                problems.append(f"imports {function.name.decode()} from {name}")

    manifests = resource(pe, 24)
    if len(manifests) != 1:
        problems.append(f"{len(manifests)} manifests")
    else:
        text = manifests[0][1].decode("utf-8")
        for needle in ('level="requireAdministrator"', 'uiAccess="false"', 'name="Microsoft.Windows.Common-Controls"',
                       'version="6.0.0.0"', f'processorArchitecture="{arch}"', 'publicKeyToken="6595b64144ccf1df"'):
            if needle not in text:
                problems.append(f"manifest lacks {needle}")
        if "dpiAware" in text or "supportedOS" in text:
            problems.append("manifest declares DPI awareness or supported systems")

    tables = [t for info in getattr(pe, "FileInfo", []) for t in info if t.Key == b"StringFileInfo"]
    blocks = [(b.LangID, list(b.entries.items())) for t in tables for b in t.StringTable]
    if len(blocks) != 1 or blocks[0][0] != b"080404B0":
        problems.append(f"string tables {[b[0] for b in blocks]}, not one 080404B0")
    else:
        entries = [(k.decode(), v.decode()) for k, v in blocks[0][1]]
        if [k for k, _ in entries] != [k for k, _ in VERSION_KEYS]:
            problems.append(f"version keys {[k for k, _ in entries]}")
        for (key, value), (_, wanted_value) in zip(entries, VERSION_KEYS):
            if wanted_value is not None and value != wanted_value:
                problems.append(f"{key} is {value!r}")
    translations = [v for info in getattr(pe, "FileInfo", []) for t in info if t.Key == b"VarFileInfo"
                    for v in t.Var]
    if [{k: str(v) for k, v in t.entry.items()} for t in translations] != [{b"Translation": "0x0804 0x04b0"}]:
        problems.append(f"translation {[v.entry for v in translations]}")
    fixed = pe.VS_FIXEDFILEINFO[0]
    if (fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS, fixed.ProductVersionLS) != (
            0x10000, 0, 0x10000, 0) or fixed.FileOS != 0x4 or fixed.FileType != 1 or fixed.FileFlags != 0:
        problems.append("fixed version information is not 1.0.0.0, VOS__WINDOWS32, VFT_APP")

    groups = resource(pe, 14)
    if not groups or groups[0][0] != "DEFAULT_ICON":
        problems.append(f"first icon group is {groups[0][0] if groups else None}, not DEFAULT_ICON")
    else:
        data = groups[0][1]
        count = struct.unpack_from("<H", data, 4)[0]
        entries = [struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i) for i in range(count)]
        sizes = [e[0] or 256 for e in entries]
        if sizes != ICON_SIZES:
            problems.append(f"icon sizes {sizes}")
        if any(e[5] != 32 for e in entries):
            problems.append("an icon image is not 32-bit")
    return problems


TOOL_SUBSYSTEM_VERSIONS = {0x14C: (5, 1), 0x8664: (5, 2)}
TOOL_ADVAPI32 = {"RegOpenKeyExA", "RegDeleteValueA", "RegCloseKey"}


def check_tool(path):
    """The uninstall tool: console, its subsystem version, kernel32 and advapi32 only, its manifest."""
    pe = pefile.PE(path)
    problems = layout_problems(pe)
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    for flag, bit in {"DYNAMIC_BASE": 0x40, "NX_COMPAT": 0x100}.items():
        if not flags & bit:
            problems.append(f"DllCharacteristics lacks {flag}")
    machine = pe.FILE_HEADER.Machine
    if machine not in MACHINES:
        return [f"unexpected machine 0x{machine:x}"]
    if pe.OPTIONAL_HEADER.Subsystem != 3:
        problems.append(f"subsystem {pe.OPTIONAL_HEADER.Subsystem}, not console")
    version = (pe.OPTIONAL_HEADER.MajorSubsystemVersion, pe.OPTIONAL_HEADER.MinorSubsystemVersion)
    if version != TOOL_SUBSYSTEM_VERSIONS[machine]:
        problems.append(f"subsystem version {version}")
    for dll in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []):
        name = dll.dll.decode().lower()
        functions = {f.name.decode() for f in dll.imports if f.name}
        if name not in ("kernel32.dll", "advapi32.dll"):
            problems.append(f"imports {name}")
        elif name == "advapi32.dll" and functions - TOOL_ADVAPI32:
            problems.append(f"imports {sorted(functions - TOOL_ADVAPI32)} from advapi32.dll")
    manifests = resource(pe, 24)
    text = manifests[0][1].decode("utf-8") if len(manifests) == 1 else ""
    for needle in ('level="asInvoker"', 'uiAccess="false"', ">true</dpiAware>"):
        if needle not in text:
            problems.append(f"manifest lacks {needle}")
    if "dependency" in text or "supportedOS" in text:
        problems.append("manifest holds more than its two settings")
    return problems


def main(arguments):
    failed = False
    checks = []
    for argument in arguments:
        if argument.startswith("--tool="):
            checks.append((argument[len("--tool="):], check_tool))
        else:
            checks.append((argument, check))
    for path, checker in checks:
        problems = checker(path)
        for problem in problems:
            print(f"FAIL {path}: {problem}")
        if not problems:
            print(f"ok   {path}")
        failed |= bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

#!/usr/bin/env python3
"""Checks an executable's import tables without running it.

    check_imports.py EXE i686|x86_64 [WINE_DLL_DIR]

- Every function imported or delay-imported resolves, by name or ordinal, in
  the DLL that Wine ships for the architecture.
- Every address slot of an ordinary import is unbound (it holds the same
  name reference as the lookup table), so the loader fills it.
- Every slot of a delay import points into code, at the stub that loads its
  DLL and hands over this very slot; a slot that is 0 or points elsewhere
  would be the target of the first call.
- A delay-loaded DLL is not imported as well, which would load it at start.

Delay imports are found through the symbol table, as mingw leaves the
header's delay-import directory empty.
"""
import os
import struct
import sys

WINE_DLLS = {
    "i686": "/usr/lib/i386-linux-gnu/wine/i386-windows",
    "x86_64": "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows",
}
MACHINES = {"i686": 0x14C, "x86_64": 0x8664}


class Image:
    """A PE file mapped by its section table."""

    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise ValueError(f"{path}: not a PE file")
        (self.machine, sections, _, self.symbols_at, self.symbol_count, optional_size, _) = struct.unpack_from(
            "<HHIIIHH", self.data, pe + 4)
        optional = pe + 24
        self.wide = struct.unpack_from("<H", self.data, optional)[0] == 0x20B
        self.pointer = 8 if self.wide else 4
        self.base = struct.unpack_from("<Q" if self.wide else "<I", self.data, optional + (24 if self.wide else 28))[0]
        directories = optional + (112 if self.wide else 96)
        self.directories = [struct.unpack_from("<II", self.data, directories + 8 * i) for i in range(16)]
        self.sections = []
        for i in range(sections):
            at = optional + optional_size + 40 * i
            name = self.data[at:at + 8].rstrip(b"\0").decode()
            size, rva, raw_size, raw = struct.unpack_from("<IIII", self.data, at + 8)
            flags = struct.unpack_from("<I", self.data, at + 36)[0]
            self.sections.append((name, rva, max(size, raw_size), raw, raw_size, flags))

    def section_of(self, rva):
        for section in self.sections:
            if section[1] <= rva < section[1] + section[2]:
                return section
        return None

    def bytes_at(self, rva, count):
        section = self.section_of(rva)
        if section is None:
            raise ValueError(f"RVA {rva:#x} lies in no section")
        offset = rva - section[1]
        chunk = self.data[section[3] + offset:section[3] + min(offset + count, section[4])]
        return chunk + b"\0" * (count - len(chunk))

    def word(self, rva):
        return struct.unpack("<I", self.bytes_at(rva, 4))[0]

    def slot(self, rva):
        return struct.unpack("<Q" if self.wide else "<I", self.bytes_at(rva, self.pointer))[0]

    def text(self, rva):
        section = self.section_of(rva)
        start = section[3] + rva - section[1]
        return self.data[start:self.data.index(b"\0", start)].decode("latin-1")

    def is_code(self, rva):
        section = self.section_of(rva)
        return section is not None and section[5] & 0x20000000 != 0  # IMAGE_SCN_MEM_EXECUTE

    def lookup(self, entry):
        """An import lookup entry: ('#', ordinal) or (name)."""
        if entry >> (63 if self.wide else 31):
            return "#%d" % (entry & 0xFFFF)
        return self.text(entry + 2)

    def symbols(self):
        strings = self.symbols_at + 18 * self.symbol_count
        i = 0
        while i < self.symbol_count:
            at = self.symbols_at + 18 * i
            raw = self.data[at:at + 8]
            if raw[:4] == b"\0\0\0\0":
                start = strings + struct.unpack_from("<I", raw, 4)[0]
                name = self.data[start:self.data.index(b"\0", start)].decode("latin-1")
            else:
                name = raw.rstrip(b"\0").decode("latin-1")
            value, section = struct.unpack_from("<Ih", self.data, at + 8)
            if section > 0:
                yield name, self.sections[section - 1][1] + value
            i += 1 + self.data[at + 17]

    def exports(self):
        rva, size = self.directories[0]
        if size == 0:
            return set(), (0, 0)
        base, functions, names, _, name_table = struct.unpack("<IIIII", self.bytes_at(rva + 16, 20))[0:5]
        return {self.text(self.word(name_table + 4 * i)) for i in range(names)}, (base, base + functions)


def ordinary_imports(image, failures):
    imports = {}
    rva, size = image.directories[1]
    while size and any(image.bytes_at(rva, 20)):
        lookup, _, _, name, address = struct.unpack("<IIIII", image.bytes_at(rva, 20))
        dll = image.text(name)
        names = imports.setdefault(dll.lower(), [])
        while True:
            entry, bound = image.slot(lookup), image.slot(address)
            if entry != bound:
                failures.append(f"{dll}: address slot {address:#x} holds {bound:#x}, not its name {entry:#x}")
            if entry == 0:
                break
            names.append(image.lookup(entry))
            lookup += image.pointer
            address += image.pointer
        rva += 20
    return imports


def stub_hands_over(image, code, slot):
    """Whether the code at `code` loads the address of `slot` (RVAs)."""
    head = image.bytes_at(code, 7)
    if image.wide:  # lea rax, [rip + disp32]
        return head[:3] == b"\x48\x8d\x05" and code + 7 + struct.unpack_from("<i", head, 3)[0] == slot
    return head[0] == 0xB8 and struct.unpack_from("<I", head, 1)[0] == image.base + slot  # mov eax, imm32


def delay_imports(image, failures):
    imports = {}
    descriptors = [rva for name, rva in image.symbols() if "DELAY_IMPORT_DESCRIPTOR_" in name]
    for rva in descriptors:
        attributes, name, module, address, lookup = struct.unpack("<IIIII", image.bytes_at(rva, 20))
        dll = image.text(name)
        names = imports.setdefault(dll.lower(), [])
        while True:
            entry, target = image.slot(lookup), image.slot(address)
            if entry == 0:
                break
            function = image.lookup(entry)
            names.append(function)
            code = target - image.base
            if target == 0 or not image.is_code(code):
                failures.append(f"{dll} {function}: delay slot {image.base + address:#x} holds {target:#x}, no code")
            elif not stub_hands_over(image, code, address):
                failures.append(f"{dll} {function}: delay slot {image.base + address:#x} points at code that "
                                "does not load it")
            lookup += image.pointer
            address += image.pointer
    return imports


def main():
    exe, arch = sys.argv[1], sys.argv[2]
    wine = sys.argv[3] if len(sys.argv) > 3 else WINE_DLLS[arch]
    image = Image(exe)
    failures = []
    if image.machine != MACHINES[arch]:
        failures.append(f"machine {image.machine:#x}, not {arch}")
    ordinary = ordinary_imports(image, failures)
    delayed = delay_imports(image, failures)
    for dll in set(ordinary) & set(delayed):
        failures.append(f"{dll} is delay-loaded and imported as well: it loads at start")
    checked = 0
    for dll, functions in sorted(list(ordinary.items()) + list(delayed.items())):
        path = os.path.join(wine, dll)
        if not os.path.exists(path):
            failures.append(f"{dll}: not among Wine's DLLs in {wine}")
            continue
        names, ordinals = Image(path).exports()
        for function in functions:
            checked += 1
            if function.startswith("#"):
                known = ordinals[0] <= int(function[1:]) < ordinals[1]
            else:
                known = function in names
            if not known:
                failures.append(f"{dll} {function}: not exported by {path}")
    late = sum(map(len, delayed.values()))
    print(f"{exe}: {checked - late} functions imported from {len(ordinary)} DLLs, {late} delay-imported "
          f"from {', '.join(sorted(delayed))}; each looked up in {wine}")
    for failure in failures:
        print("FAIL: " + failure)
    if not delayed:
        print("FAIL: no delay imports found (is the symbol table stripped?)")
        return 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

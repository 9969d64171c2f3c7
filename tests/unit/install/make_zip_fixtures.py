#!/usr/bin/env python3
"""Builds the ZIP reader's test archives from fixed inputs, with real tools.

    make_zip_fixtures.py OUTPUT_FOLDER

OUTPUT_FOLDER receives:
  inputs/         the fixed input tree (fixed contents, modes and times)
  *.zip           the same tree archived by Info-ZIP `zip`, Python's zipfile and `bsdtar`, in
                  several variants, plus archives encrypted with the empty password (no tool
                  makes those, so they are written here with the traditional cipher)
  manifest.tsv    Python's view of every entry of every archive, one line each:
                  archive, index, name, is_dir, read_only, compressed size, size,
                  DOS y-m-d-h-m-s, "UT" flags, then its write, access, creation seconds ("-" when
                  absent)
"""

import os
import random
import shutil
import stat
import struct
import subprocess
import sys
import time
import zipfile
import zlib

# Even seconds: DOS times keep only every other second.
MTIME = 1614834368  # 2021-03-04 05:06:08 UTC
ATIME = 1641092646  # 2022-01-02 03:04:06 UTC

# (relative path, contents); a path ending in "/" is a folder.
TREE = [
    ("hello.txt", b"Hello from the archive.\n" * 3),
    ("empty.txt", b""),
    ("readonly.txt", b"This file is read-only.\n"),
    ("docs/", None),
    ("docs/guide/", None),
    ("docs/guide/notes.txt", None),  # filled in below: compressible, several buffers long
    ("data/", None),
    ("data/blob.bin", None),  # filled in below: incompressible
    ("数据/", None),
    ("数据/说明.txt", "说明：第一行\n".encode("utf-8")),
    ("emptydir/", None),
]
READ_ONLY = {"readonly.txt"}
TOP_LEVEL = ["hello.txt", "empty.txt", "readonly.txt", "docs", "data", "数据", "emptydir"]


def notes_text():
    lines = [f"line {i:05d}: the quick brown fox jumps over the lazy dog\n" for i in range(900)]
    return "".join(lines).encode("ascii")


def blob_bytes():
    generator = random.Random(1)
    return bytes(generator.getrandbits(8) for _ in range(70000))


def contents():
    fill = {"docs/guide/notes.txt": notes_text(), "data/blob.bin": blob_bytes()}
    return [(path, fill.get(path, data)) for path, data in TREE]


def clear(folder):
    def make_writable(function, path, _):
        os.chmod(path, stat.S_IWUSR | stat.S_IRUSR | stat.S_IXUSR)
        function(path)

    if os.path.exists(folder):
        shutil.rmtree(folder, onerror=make_writable)


def write_inputs(inputs):
    os.makedirs(inputs)
    for path, data in contents():
        target = os.path.join(inputs, path)
        if path.endswith("/"):
            os.makedirs(target, exist_ok=True)
        else:
            with open(target, "wb") as file:
                file.write(data)
    for path in READ_ONLY:
        os.chmod(os.path.join(inputs, path), 0o444)
    reset_times(inputs)


def reset_times(inputs):
    """Fixed times again: each tool's reading moves the access times on."""
    for path, _ in contents():
        os.utime(os.path.join(inputs, path), (ATIME, MTIME))
    os.utime(inputs, (ATIME, MTIME))


def run(command, cwd, stdout=None, stdin=None):
    reset_times(cwd)
    subprocess.run(command, cwd=cwd, check=True, stdout=stdout, stdin=stdin,
                   env=dict(os.environ, LC_ALL="C.UTF-8"))


def make_infozip(inputs, out):
    run(["zip", "-q", "-r", f"{out}/infozip.zip"] + TOP_LEVEL, inputs)
    run(["zip", "-q", "-r", "-0", f"{out}/infozip-stored.zip"] + TOP_LEVEL, inputs)
    # -X: no extra fields, so the DOS time stamp is the only time.
    run(["zip", "-q", "-r", "-X", f"{out}/infozip-dos-times.zip"] + TOP_LEVEL, inputs)
    # Written to a pipe, zip cannot seek back: sizes and CRC follow the data (flag bit 3).
    with open(f"{out}/infozip-streamed.zip", "wb") as archive:
        run(["zip", "-q", "-r", "-"] + TOP_LEVEL, inputs, stdout=archive)
    shutil.copy(f"{out}/infozip.zip", f"{out}/infozip-comment.zip")
    with open(f"{out}/comment.txt", "wb") as comment:
        comment.write(b"archive comment " * 125)
    with open(f"{out}/comment.txt", "rb") as comment:
        run(["zip", "-q", "-z", f"{out}/infozip-comment.zip"], inputs, stdin=comment)
    os.remove(f"{out}/comment.txt")


def make_python(inputs, out):
    for name, method in (("python.zip", zipfile.ZIP_DEFLATED),
                         ("python-stored.zip", zipfile.ZIP_STORED)):
        with zipfile.ZipFile(f"{out}/{name}", "w", compression=method) as archive:
            reset_times(inputs)
            for path, _ in contents():
                archive.write(os.path.join(inputs, path), path)


def make_bsdtar(inputs, out):
    run(["bsdtar", "--format", "zip", "-cf", f"{out}/bsdtar.zip"] + TOP_LEVEL, inputs)
    run(["bsdtar", "--format", "zip", "--options", "zip:compression=store", "-cf",
         f"{out}/bsdtar-stored.zip"] + TOP_LEVEL, inputs)


def make_prefixed(out):
    """A self-extractor's layout: a stub in front, the archive's offsets not adjusted."""
    with open(f"{out}/infozip.zip", "rb") as source:
        archive = source.read()
    with open(f"{out}/prefixed.zip", "wb") as target:
        target.write(b"MZ" + bytes(range(256)) * 16 + archive)


# --- The traditional cipher, for archives encrypted with the empty password ---------------

CRC_TABLE = []
for n in range(256):
    c = n
    for _ in range(8):
        c = (c >> 1) ^ 0xEDB88320 if c & 1 else c >> 1
    CRC_TABLE.append(c)


class Cipher:
    def __init__(self):
        self.keys = [0x12345678, 0x23456789, 0x34567890]

    def _update(self, plain):
        k = self.keys
        k[0] = CRC_TABLE[(k[0] ^ plain) & 0xFF] ^ (k[0] >> 8)
        k[1] = ((k[1] + (k[0] & 0xFF)) * 134775813 + 1) & 0xFFFFFFFF
        k[2] = CRC_TABLE[(k[2] ^ (k[1] >> 24)) & 0xFF] ^ (k[2] >> 8)

    def encrypt(self, data):
        out = bytearray()
        for plain in data:
            temp = (self.keys[2] & 0xFFFF) | 2
            out.append(plain ^ (((temp * (temp ^ 1)) >> 8) & 0xFF))
            self._update(plain)
        return bytes(out)


def dos_stamp(seconds):
    t = time.gmtime(seconds)
    dos_time = (t.tm_hour << 11) | (t.tm_min << 5) | (t.tm_sec // 2)
    dos_date = ((t.tm_year - 1980) << 9) | (t.tm_mon << 5) | t.tm_mday
    return dos_time, dos_date


def write_archive(path, entries):
    """entries: (name, data, method, flags, check byte or None for a right one)."""
    dos_time, dos_date = dos_stamp(MTIME)
    body, central = bytearray(), bytearray()
    for index, (name, data, method, flags, check) in enumerate(entries):
        crc = zlib.crc32(data)
        packed = data
        if method == 8:
            compressor = zlib.compressobj(9, zlib.DEFLATED, -15)
            packed = compressor.compress(data) + compressor.flush()
        if check is None:
            check = (dos_time >> 8) if flags & 0x08 else (crc >> 24)
        header = bytes((index * 17 + i) & 0xFF for i in range(11)) + bytes([check & 0xFF])
        packed = Cipher().encrypt(header + packed)
        raw_name = name.encode("utf-8")
        local_crc, local_sizes = (0, (0, 0)) if flags & 0x08 else (crc, (len(packed), len(data)))
        offset = len(body)
        body += struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, flags, method, dos_time, dos_date,
                            local_crc, *local_sizes, len(raw_name), 0) + raw_name + packed
        if flags & 0x08:
            body += struct.pack("<IIII", 0x08074B50, crc, len(packed), len(data))
        central += struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, 0x0314, 20, flags, method,
                               dos_time, dos_date, crc, len(packed), len(data), len(raw_name),
                               0, 0, 0, 0, 0o100644 << 16, offset) + raw_name
    end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(entries), len(entries), len(central),
                      len(body), 0)
    with open(path, "wb") as file:
        file.write(body + central + end)


def make_encrypted(out):
    notes = notes_text()
    write_archive(f"{out}/encrypted.zip", [
        ("stored.txt", b"Stored, encrypted with the empty password.\n", 0, 0x01, None),
        ("deflated.txt", notes, 8, 0x01, None),
        ("described.txt", notes[:5000], 8, 0x09, None),
    ])
    write_archive(f"{out}/encrypted-wrong-check.zip", [
        ("stored.txt", b"Stored, encrypted with the empty password.\n", 0, 0x01, 0x5A),
        ("described.txt", notes[:5000], 8, 0x09, 0x5A),
    ])


# --- Python's view of every archive -------------------------------------------------------

def local_extended_timestamp(archive_bytes, info):
    """The first "UT" block of the entry's local extra field: (flags, [write, access, create]).
    zipfile's header_offset already counts any bytes in front of the archive."""
    at = info.header_offset
    name_length, extra_length = struct.unpack_from("<HH", archive_bytes, at + 26)
    extra = archive_bytes[at + 30 + name_length:at + 30 + name_length + extra_length]
    block = 0
    while len(extra) - block >= 5:
        block_id, size = struct.unpack_from("<HH", extra, block)
        data = extra[block + 4:block + 4 + size]
        if block_id == 0x5455:
            flags, times, cursor = data[0], [], 1
            for bit in range(3):
                if flags & (1 << bit):
                    times.append(struct.unpack_from("<i", data, cursor)[0])
                    cursor += 4
                else:
                    times.append(None)
            return flags, times
        block += 4 + size
    return 0, [None, None, None]


def raw_name(info):
    """The name bytes as UTF-8, as the reader decodes them. Without flag bit 11, zipfile takes
    the bytes as code page 437; Info-ZIP on Linux stores them as they are, UTF-8 here."""
    if info.flag_bits & 0x800:
        return info.filename
    return info.filename.encode("cp437").decode("utf-8")


def is_read_only(info):
    if info.create_system in (0, 7, 11, 14):
        return bool(info.external_attr & 0x01)
    return not (info.external_attr >> 16) & 0o200


def manifest_lines(out, archive_name):
    path = os.path.join(out, archive_name)
    with open(path, "rb") as file:
        archive_bytes = file.read()
    with zipfile.ZipFile(path) as archive:
        for index, info in enumerate(archive.infolist()):
            flags, times = local_extended_timestamp(archive_bytes, info)
            fields = [archive_name, str(index), raw_name(info), str(int(info.is_dir())),
                      str(int(is_read_only(info))), str(info.compress_size), str(info.file_size),
                      "-".join(str(part) for part in info.date_time), str(flags)]
            fields += ["-" if t is None else str(t) for t in times]
            yield "\t".join(fields)


def main():
    out = os.path.abspath(sys.argv[1])
    clear(out)
    inputs = os.path.join(out, "inputs")
    write_inputs(inputs)
    make_infozip(inputs, out)
    make_python(inputs, out)
    make_bsdtar(inputs, out)
    make_prefixed(out)
    make_encrypted(out)
    archives = sorted(name for name in os.listdir(out) if name.endswith(".zip"))
    with open(os.path.join(out, "manifest.tsv"), "w", encoding="utf-8", newline="\n") as file:
        for archive_name in archives:
            for line in manifest_lines(out, archive_name):
                file.write(line + "\n")


if __name__ == "__main__":
    main()

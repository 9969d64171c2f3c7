#!/usr/bin/env python3
"""Writes the benchmark's input tree: many small files and a few large ones, about 130 MiB of
base64 text (which deflates to about three quarters), so that the archive is about 100 MiB.

    make_bench_tree.py FOLDER
"""

import base64
import os
import random
import sys

SMALL_FILES = 10000
SMALL_FOLDERS = 100
LARGE_FILES = 4
LARGE_SIZE = 16 << 20


def text(generator, size):
    raw = generator.randbytes(size * 3 // 4 + 3)
    return base64.encodebytes(raw)[:size]


def main():
    root = sys.argv[1]
    generator = random.Random(7)
    for i in range(SMALL_FILES):
        folder = os.path.join(root, "small", f"group{i % SMALL_FOLDERS:03d}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, f"file{i:05d}.txt"), "wb") as file:
            file.write(text(generator, generator.randint(1024, 12 * 1024)))
    os.makedirs(os.path.join(root, "large"), exist_ok=True)
    for i in range(LARGE_FILES):
        with open(os.path.join(root, "large", f"blob{i}.dat"), "wb") as file:
            file.write(text(generator, LARGE_SIZE))


if __name__ == "__main__":
    main()

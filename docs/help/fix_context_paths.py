#!/usr/bin/env python3
"""Makes the context ids of a compiled help file point at topics inside it.

The help compiler writes the topic of each [ALIAS]/[MAP] context id into the file's
#STRINGS table as the absolute path of the project folder plus the topic's name (for
example "/home/me/build/docs/help/stage/vantrace.htm"), where the help viewer expects the
topic's path inside the file ("/vantrace.htm"). This rewrites those paths.

#STRINGS normally sits in the compressed section. The corrected table is appended to the
uncompressed section 0 instead, and its directory entry is pointed there; the strings keep
their offsets (a shortened path is padded with NULs), so nothing else in the file changes.

usage: fix_context_paths.py HELP.chm STRINGS PROJECT_DIR
  STRINGS      the #STRINGS table as the compiler wrote it (extracted beforehand)
  PROJECT_DIR  the absolute folder the compiler saw the project in
"""
import struct
import sys


def read_encint(data, pos):
    value = 0
    start = pos
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos, pos - start


def encint(value, width):
    """value as an ENCINT of exactly width bytes (leading 0x80 bytes add nothing)."""
    groups = []
    while True:
        groups.append(value & 0x7F)
        value >>= 7
        if not value:
            break
    if len(groups) > width:
        raise SystemExit(f"offset {value} does not fit the directory entry")
    groups += [0] * (width - len(groups))
    groups.reverse()
    return bytes(g | 0x80 for g in groups[:-1]) + bytes((groups[-1],))


def fixed_strings(strings, prefix):
    """The table with every string that starts with prefix shortened to '/' + the rest."""
    out = bytearray(strings)
    pos = 0
    while pos < len(out):
        end = out.index(0, pos) if 0 in out[pos:] else len(out)
        text = bytes(out[pos:end])
        if text.startswith(prefix):
            short = b"/" + text[len(prefix):]
            out[pos:end] = short + b"\0" * (end - pos - len(short))
        pos = end + 1
    return bytes(out)


def main():
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    path, strings_path, project = sys.argv[1:]
    data = bytearray(open(path, "rb").read())
    strings = open(strings_path, "rb").read()
    prefix = project.rstrip("/").encode() + b"/"
    fixed = fixed_strings(strings, prefix)
    if fixed == strings:
        return   # nothing to fix: the compiler wrote paths inside the file

    if data[:4] != b"ITSF":
        raise SystemExit(f"{path}: not a compiled help file")
    sec0_offset = struct.unpack_from("<Q", data, 0x38)[0]
    dir_offset = struct.unpack_from("<Q", data, 0x48)[0]
    content_offset = struct.unpack_from("<Q", data, 0x58)[0]
    if data[dir_offset:dir_offset + 4] != b"ITSP":
        raise SystemExit(f"{path}: no directory")
    chunk_size, = struct.unpack_from("<I", data, dir_offset + 0x10)
    header_len, = struct.unpack_from("<I", data, dir_offset + 0x08)
    chunks, = struct.unpack_from("<I", data, dir_offset + 0x2C)

    new_offset = len(data) - content_offset
    for n in range(chunks):
        chunk = dir_offset + header_len + n * chunk_size
        if data[chunk:chunk + 4] != b"PMGL":
            continue
        free, = struct.unpack_from("<I", data, chunk + 4)
        pos, end = chunk + 20, chunk + chunk_size - free
        while pos < end:
            name_len, pos, _ = read_encint(data, pos)
            name = bytes(data[pos:pos + name_len])
            pos += name_len
            section_at = pos
            _, pos, section_width = read_encint(data, pos)
            offset_at = pos
            _, pos, offset_width = read_encint(data, pos)
            length, pos, _ = read_encint(data, pos)
            if name != b"/#STRINGS":
                continue
            if length != len(fixed) or section_width != 1:
                raise SystemExit(f"{path}: #STRINGS is not the table given")
            data[section_at] = 0
            data[offset_at:offset_at + offset_width] = encint(new_offset, offset_width)
            data += fixed
            struct.pack_into("<Q", data, sec0_offset + 8, len(data))
            open(path, "wb").write(data)
            return
    raise SystemExit(f"{path}: no #STRINGS entry")


if __name__ == "__main__":
    main()

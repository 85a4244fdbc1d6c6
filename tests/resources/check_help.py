#!/usr/bin/env python3
"""Checks a compiled help file as the help viewer reads it: each context id ID leads, through
the #IVB map and the #STRINGS table, to a topic that is inside the file and has the given
title.

usage: check_help.py CHMLS HELP.chm ID=TITLE...
"""
import os
import struct
import subprocess
import sys
import tempfile


def extract(chmls, chm, name, folder):
    out = os.path.join(folder, name.strip("/").replace("#", "_"))
    subprocess.run([chmls, "extract", chm, name, out], check=True, capture_output=True)
    if not os.path.exists(out):
        raise SystemExit(f"{chm}: no {name}")
    return open(out, "rb").read()


def main():
    chmls, chm = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        ivb = extract(chmls, chm, "/#IVB", folder)
        strings = extract(chmls, chm, "/#STRINGS", folder)
        pairs = [struct.unpack_from("<II", ivb, at) for at in range(4, len(ivb) - 7, 8)]
        for argument in sys.argv[3:]:
            context, title = argument.split("=", 1)
            check(chmls, chm, folder, pairs, strings, int(context), title)


def check(chmls, chm, folder, pairs, strings, context, title):
    offsets = [offset for id_, offset in pairs if id_ == context]
    if not offsets:
        raise SystemExit(f"context {context} is not mapped")
    topic = strings[offsets[0]:strings.index(b"\0", offsets[0])].decode()
    if not topic.startswith("/") or topic.count("/") != 1:
        raise SystemExit(f"context {context} leads to {topic!r}, not to a topic inside the file")
    page = extract(chmls, chm, topic, folder).decode("cp1252")
    if f"<title>{title}</title>" not in page:
        raise SystemExit(f"{topic} is not the topic titled {title!r}")
    print(f"context {context} -> {topic} ({title})")


if __name__ == "__main__":
    main()

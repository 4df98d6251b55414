#!/usr/bin/env python3
"""Copies source files, rewriting every non-ASCII character inside an ordinary
narrow string literal as GB18030 hex escapes.

The program's literals must be GBK bytes at run time. g++ does that with
-fexec-charset; clang cannot, so the clang builds (the fuzz targets) compile a
copy made by this script. Literals with an encoding prefix (u8, u, U, L) and
everything outside literals (comments, identifiers) are copied unchanged.

usage: transcode_literals.py SOURCE_DIR DEST_DIR
"""
import os
import sys

HEX = set("0123456789abcdefABCDEF")
SOURCE_SUFFIXES = (".cpp", ".h", ".hpp", ".cc")


def transcode(text):
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(text[i:j])
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(text[i:j])
            i = j
        elif c == '"' or c == "'":
            prefix_start = i
            while prefix_start > 0 and (text[prefix_start - 1].isalnum() or text[prefix_start - 1] == "_"):
                prefix_start -= 1
            prefix = text[prefix_start:i]
            if prefix.endswith("R") and c == '"':  # raw string: copy through its delimiter
                open_paren = text.index("(", i)
                delimiter = ")" + text[i + 1:open_paren] + '"'
                j = text.index(delimiter, open_paren) + len(delimiter)
                out.append(text[i:j])
                i = j
                continue
            plain = c == '"' and prefix == ""
            j = i + 1
            piece = [c]
            while j < n and text[j] != c:
                if text[j] == "\\":
                    piece.append(text[j:j + 2])
                    j += 2
                    continue
                ch = text[j]
                if plain and ord(ch) > 127:
                    piece.append("".join("\\x%02X" % b for b in ch.encode("gb18030")))
                    if j + 1 < n and text[j + 1] in HEX:
                        piece.append('" "')  # end the escape before a hex digit
                else:
                    piece.append(ch)
                j += 1
            piece.append(c)
            out.append("".join(piece))
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def main():
    source, dest = sys.argv[1], sys.argv[2]
    for root, dirs, files in os.walk(source):
        dirs[:] = [d for d in dirs if d not in ("build", ".git")]
        target_root = os.path.join(dest, os.path.relpath(root, source))
        os.makedirs(target_root, exist_ok=True)
        for name in files:
            src_path = os.path.join(root, name)
            dst_path = os.path.join(target_root, name)
            with open(src_path, "rb") as f:
                data = f.read()
            if name.endswith(SOURCE_SUFFIXES):
                data = transcode(data.decode("utf-8")).encode("utf-8")
            old = None
            if os.path.exists(dst_path):
                with open(dst_path, "rb") as f:
                    old = f.read()
            if old != data:  # keep timestamps of unchanged files for incremental builds
                with open(dst_path, "wb") as f:
                    f.write(data)


if __name__ == "__main__":
    main()

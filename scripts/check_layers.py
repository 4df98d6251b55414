#!/usr/bin/env python3
"""Fails when a source file breaks the layering or the include style.

Every quoted include names its layer ("sheet/worksheet.h"), also within the
same layer; a layer includes only itself and the layers below it; outside
the engine only its public header "engine/engine.h" is included; <windows.h>
and other system headers of Windows appear only in app/ and *_win.cpp files.
   check_layers.py ROOT   (the folder holding src/, tests/, bench/, fuzz/)
"""
import pathlib
import re
import sys

BELOW = {
    "text": set(),
    "files": {"text"},
    "engine": {"text"},
    "settings": {"files", "text"},
    "sheet": {"engine", "settings", "files", "text"},
    "cli": {"sheet", "engine", "settings", "files", "text"},
    "app": {"sheet", "engine", "settings", "files", "text"},
}
WINDOWS_HEADERS = {"windows.h", "windowsx.h", "commctrl.h", "commdlg.h", "shellapi.h",
                   "shlobj.h", "winspool.h"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def problems(root):
    for path in sorted(root.glob("src/*/**/*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        layer = path.relative_to(root / "src").parts[0]
        if layer not in BELOW:
            yield f"{path}: the folder src/{layer} is no known layer"
            continue
        text = path.read_text(encoding="utf-8")
        for kind, name in INCLUDE.findall(text):
            where = f"{path.relative_to(root)}: {kind}{name}"
            if kind == "<":
                if name in WINDOWS_HEADERS and layer != "app" and not path.stem.endswith("_win"):
                    yield f"{where}: a Windows header outside app/ and *_win.cpp"
                continue
            target = name.split("/")[0]
            if "/" not in name or target not in BELOW:
                yield f"{where}: name the layer (\"{layer}/{name}\")"
            elif target != layer and target not in BELOW[layer]:
                yield f"{where}: {layer}/ may not include {target}/"
            elif target == "engine" and layer != "engine" and name != "engine/engine.h":
                yield f"{where}: outside the engine only engine/engine.h"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    found = list(problems(root))
    for line in found:
        print(line)
    if found:
        print(f"check_layers: {len(found)} include(s) break the layering or the include style")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())

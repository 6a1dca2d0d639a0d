#!/usr/bin/env python3
"""Keeps the layering of src/: a file includes only headers of its own library or of a
library its library links (directly or through others), the link graph has no cycle,
and the libraries named with --no-gui link neither Qt Widgets nor Qt Gui.

Each folder under src/ with a CMakeLists.txt that calls desklet_library(NAME ...) is one
library; a file belongs to the deepest such folder above it. Exit 0 when all holds,
1 with one line per finding otherwise."""
import argparse
import os
import re
import sys

CALL = re.compile(r'desklet_library\(\s*(\w+)(.*?)\)\s*$', re.S | re.M)
LINK = re.compile(r'desklet::(\w+)')
QT_GUI = re.compile(r'Qt6::(Widgets|Gui|PrintSupport|Pdf|PdfWidgets|Svg)\b')
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def read_libraries(src):
    folders = {}  # folder (relative to src) -> (name, links, gui)
    for root, _dirs, files in os.walk(src):
        if 'CMakeLists.txt' not in files:
            continue
        text = open(os.path.join(root, 'CMakeLists.txt'), encoding='utf-8').read()
        for match in CALL.finditer(text):
            body = match.group(2)
            rel = os.path.relpath(root, src)
            folders[rel] = (match.group(1), set(LINK.findall(body)), bool(QT_GUI.search(body)))
    return folders


def closure(name, graph, seen=None):
    seen = set() if seen is None else seen
    for dep in graph.get(name, ()):
        if dep not in seen:
            seen.add(dep)
            closure(dep, graph, seen)
    return seen


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('src')
    parser.add_argument('--no-gui', nargs='*', default=[])
    args = parser.parse_args()
    folders = read_libraries(args.src)
    graph = {name: links for name, links, _gui in folders.values()}
    gui = {name for name, _links, g in folders.values() if g}
    by_folder = {folder: name for folder, (name, _l, _g) in folders.items()}
    findings = []

    for name in graph:
        if name in closure(name, graph):
            findings.append(f'{name}: links itself through {sorted(graph[name])}')

    def owner(path):
        folder = os.path.dirname(path)
        while folder not in by_folder and folder not in ('', '.'):
            folder = os.path.dirname(folder)
        return by_folder.get(folder if folder else '.')

    for root, _dirs, files in os.walk(args.src):
        for file in files:
            if not file.endswith(('.h', '.cpp')):
                continue
            path = os.path.relpath(os.path.join(root, file), args.src)
            lib = owner(path)
            if lib is None:
                continue
            reach = closure(lib, graph) | {lib}
            text = open(os.path.join(args.src, path), encoding='utf-8', errors='replace').read()
            for header in INCLUDE.findall(text):
                if '/' not in header:
                    continue
                target = owner(header)
                if target is not None and target not in reach:
                    findings.append(f'src/{path}: includes "{header}" of {target}, which {lib} does not link')

    for name in args.no_gui:
        if name not in graph:
            findings.append(f'{name}: no such library')
            continue
        bad = sorted(n for n in closure(name, graph) | {name} if n in gui)
        if bad:
            findings.append(f'{name}: reaches Qt Gui or Widgets through {", ".join(bad)}')

    for line in findings:
        print(line)
    return 1 if findings else 0


if __name__ == '__main__':
    sys.exit(main())

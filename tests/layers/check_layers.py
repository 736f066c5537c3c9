#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every #include "..." of the program's sources follows the allowed-edges table.

Usage: check_layers.py SOURCE_ROOT TABLE

Every .h and .cpp below SOURCE_ROOT is read, except tests/ and bench/ (which wire anything to
anything) and build output (build/, and any top folder holding a CMakeCache.txt). An include
names a file relative to the including file's folder or to SOURCE_ROOT; its folder is the
target of an edge from the including file's folder. A table entry may name a single file
instead of a folder (the entry programs, which choose the backend): that file's includes are
judged by its own line. Prints one line per fault and exits
1 when there is any: an edge not in the table, a folder with sources that the table leaves out,
or a cycle in the table or in the edges found.
"""
import os
import re
import sys

SKIPPED = ("tests", "bench", "build", ".git")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def read_table(path):
    table, faults = {}, []
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            node, colon, targets = line.partition(":")
            node = node.strip()
            if not colon or not node:
                faults.append(f"{path}:{number}: not 'folder: folders it may include'")
            elif node in table:
                faults.append(f"{path}:{number}: {node} is listed twice")
            else:
                table[node] = targets.split()
    for node, targets in table.items():
        for target in targets:
            if target not in table:
                faults.append(f"{path}: {node} may include {target}, which has no line of its own")
    return table, faults


def source_files(root):
    for folder, subfolders, files in os.walk(root):
        relative = os.path.relpath(folder, root)
        if relative == ".":
            # A build folder may have any name (a package build puts one in the source tree).
            subfolders[:] = [d for d in subfolders if d not in SKIPPED and
                             not os.path.exists(os.path.join(root, d, "CMakeCache.txt"))]
            continue
        subfolders.sort()
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                yield os.path.join(relative, name)


def include_folder(root, source, included):
    beside = os.path.normpath(os.path.join(os.path.dirname(source), included))
    if os.path.exists(os.path.join(root, beside)):
        return os.path.dirname(beside)
    return os.path.dirname(os.path.normpath(included))


def find_cycle(graph):
    """One cycle of `graph` (node -> targets) as a list of nodes, or None."""
    state = {}

    def visit(node, path):
        state[node] = "open"
        path.append(node)
        for target in graph.get(node, ()):
            if state.get(target) == "open":
                return path[path.index(target):] + [target]
            if target not in state:
                cycle = visit(target, path)
                if cycle:
                    return cycle
        path.pop()
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            cycle = visit(node, [])
            if cycle:
                return cycle
    return None


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    root, table_path = argv[1], argv[2]
    table, faults = read_table(table_path)
    cycle = find_cycle(table)
    if cycle:
        faults.append(f"{table_path}: the table has a cycle: {' -> '.join(cycle)}")

    found = {}
    unlisted = set()
    for source in source_files(root):
        node = source if source in table else os.path.dirname(source)
        if node not in table:
            unlisted.add(node)
            continue
        with open(os.path.join(root, source), encoding="utf-8") as lines:
            for number, line in enumerate(lines, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                target = include_folder(root, source, match.group(1))
                if target == node or target == os.path.dirname(source):
                    continue
                found.setdefault(node, set()).add(target)
                if target not in table[node]:
                    faults.append(f'{source}:{number}: includes "{match.group(1)}": '
                                  f"{node} -> {target} is not in {table_path}")
    for node in sorted(unlisted):
        faults.append(f"{node}/ holds sources but has no line in {table_path}")
    cycle = find_cycle({node: sorted(targets) for node, targets in found.items()})
    if cycle:
        faults.append(f"the includes form a cycle: {' -> '.join(cycle)}")

    for fault in faults:
        print(fault)
    edges = sum(len(targets) for targets in found.values())
    print(f"{len(faults)} faults, {edges} folder edges found, {len(table)} lines in the table")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

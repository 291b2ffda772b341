#!/usr/bin/env python3
"""Adds or replaces string ids in langs/src/<code>.txt, keeping ids in order.
Usage: add-ids.py <code> <file of 'id=text' lines>"""
import sys

code, extra = sys.argv[1], sys.argv[2]
path = f"{sys.path[0]}/src/{code}.txt"
lines = open(path, encoding="utf-8").read().splitlines()
header = [l for l in lines if not l[:3].isdigit()]
entries = {l[:3]: l for l in lines if l[:3].isdigit()}
for line in open(extra, encoding="utf-8").read().splitlines():
    if line[:3].isdigit():
        entries[line[:3]] = line
open(path, "w", encoding="utf-8").write("\n".join(header + [entries[k] for k in sorted(entries)]) + "\n")

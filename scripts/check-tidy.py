#!/usr/bin/env python3
"""Runs clang-tidy with the checks .clang-tidy enables over our own C++
sources (src/, tests/, bench/ of the build's compile_commands.json, not the
generated ones) and fails on any finding.

Usage: scripts/check-tidy.py BUILD_DIR [--jobs N]

To mend the findings: run-clang-tidy -p BUILD_DIR -fix '/(src|tests|bench)/'

A source that passed is remembered in BUILD_DIR/tidy-passed under a key made
of its own text, the text of every header of the repository and .clang-tidy,
so a second run checks only what changed."""
import argparse
import concurrent.futures
import hashlib
import json
import os
import pathlib
import subprocess
import sys

root = pathlib.Path(__file__).resolve().parent.parent
parser = argparse.ArgumentParser()
parser.add_argument("build")
parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
args = parser.parse_args()
build = pathlib.Path(args.build).resolve()

with open(build / "compile_commands.json", encoding="utf-8") as f:
    commands = json.load(f)
sources = sorted({pathlib.Path(c["file"]).resolve() for c in commands})
ours = [s for s in sources
        if s.is_relative_to(root) and not s.is_relative_to(build)
        and s.relative_to(root).parts[0] in ("src", "tests", "bench")]

common = hashlib.sha256((root / ".clang-tidy").read_bytes())
for header in sorted(h for d in ("src", "tests", "bench") for h in (root / d).glob("**/*.h")):
    common.update(str(header).encode())
    common.update(header.read_bytes())
passed_dir = build / "tidy-passed"
passed_dir.mkdir(exist_ok=True)


def key(source):
    h = common.copy()
    h.update(source.read_bytes())
    return h.hexdigest()


def check(source):
    stamp = passed_dir / key(source)
    if stamp.exists():
        return source, 0, ""
    command = ["clang-tidy", "-p", str(build), "--quiet", "--warnings-as-errors=*"]
    run = subprocess.run(command + [str(source)], capture_output=True, text=True)
    if run.returncode == 0:
        stamp.touch()
    return source, run.returncode, run.stdout


failed = []
with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
    for source, code, output in pool.map(check, ours):
        if code != 0:
            failed.append(source.relative_to(root))
            sys.stdout.write(output)
if failed:
    print(f"clang-tidy findings in {len(failed)} of {len(ours)} sources.", file=sys.stderr)
    sys.exit(1)
print(f"clang-tidy: no findings in {len(ours)} sources.")

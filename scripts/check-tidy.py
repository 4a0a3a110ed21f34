#!/usr/bin/env python3
"""Runs clang-tidy with the checks .clang-tidy enables over our own C++
sources (src/, tests/, bench/ of the build's compile_commands.json, not the
generated ones) and fails on any finding.

Usage: scripts/check-tidy.py BUILD_DIR [--jobs N]

To mend the findings: run-clang-tidy -p BUILD_DIR -fix '/(src|tests|bench)/'

A source that passed is remembered in BUILD_DIR/tidy-passed under a key made
of .clang-tidy, its own text and the text of every header of ours it
includes, directly or not, so a second run checks only what changed."""
import argparse
import concurrent.futures
import hashlib
import json
import os
import pathlib
import re
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

include = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
search = [root / "src", root / "tests"]


def our_headers(source):
    """Our headers that source includes, directly or not."""
    seen, todo = set(), [source]
    while todo:
        path = todo.pop()
        for name in include.findall(path.read_text(encoding="utf-8", errors="replace")):
            for folder in [path.parent] + search:
                header = (folder / name).resolve()
                if header.is_file():
                    if header not in seen:
                        seen.add(header)
                        todo.append(header)
                    break
    return sorted(seen)


passed_dir = build / "tidy-passed"
passed_dir.mkdir(exist_ok=True)


def key(source):
    h = hashlib.sha256((root / ".clang-tidy").read_bytes())
    for path in [source] + our_headers(source):
        h.update(str(path).encode())
        h.update(path.read_bytes())
    return h.hexdigest()


def check(source):
    stamp = passed_dir / key(source)
    if stamp.exists():
        return source, 0, ""
    # GCC's own warning options (-Wno-restrict) mean nothing to clang.
    command = ["clang-tidy", "-p", str(build), "--quiet", "--warnings-as-errors=*",
               "--extra-arg=-Wno-unknown-warning-option"]
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

#!/usr/bin/env python3
"""Writes the hard Variant I benchmark projects into bench/hard/.

Two rough, gently sloping, wet slopes (curve type 3, curve numbers 55-70)
whose design rains are capped at 300 minutes: rise times of 250-300 minutes,
shape exponents below 0.1 and falling limbs that never die away within the
100 x rise ordinates. Candidates come from a seeded generator; the first
COUNT that meet those bounds (checked with hydrim-cli) are kept, so the same
engine always writes the same files.

Usage: bench/make_hard_projects.py HYDRIM_CLI [COUNT]
"""
import json
import pathlib
import random
import subprocess
import sys
import tempfile

SEED = 20261210
ROOT = pathlib.Path(__file__).resolve().parent.parent
TEMPLATE = ROOT / "examples" / "variant1-two-slopes.snp"
OUT = ROOT / "bench" / "hard"
RAIN_RATIOS = (1.0, 1.15, 1.3, 1.5, 1.65)  # N = 5, 10, 20, 50, 100


def field(value, decimals):
    return ("%.*f" % (decimals, value))[:5]  # the input fields hold 5 characters


def candidate(rng):
    rain5 = rng.uniform(45, 65)
    rains = [field(rain5 * r, 1) for r in RAIN_RATIOS]
    slope = lambda: dict(area=field(rng.uniform(2, 6), 2), gradient=field(rng.uniform(0.5, 2), 2),
                         roughness=field(rng.uniform(40, 80), 0), cn=field(rng.uniform(55, 70), 0))
    return dict(rains=rains, valley_length=field(rng.uniform(0.8, 2.5), 2),
                valley_slope=field(rng.uniform(0.3, 1.5), 2), left=slope(), right=slope())


def project_bytes(p, number):
    lines = TEMPLATE.read_bytes().split(b"\r\n")
    r5, r10, r20, r50, r100 = p["rains"]
    values = {2: "Dlouhý plochý hydrogram %d" % number, 3: "bench/make_hard_projects.py",
              7: "2", 8: "2", 9: r10, 10: r20, 11: r50, 12: r5, 13: p["valley_length"],
              14: p["valley_slope"], 16: r100, 17: r100,
              18: p["left"]["area"], 19: p["left"]["gradient"], 20: p["left"]["roughness"], 22: p["left"]["cn"],
              25: p["right"]["area"], 26: p["right"]["gradient"], 27: p["right"]["roughness"],
              29: p["right"]["cn"]}
    for index, text in values.items():
        lines[index] = text.encode("cp1250")
    return b"\r\n".join(lines)


def is_hard(cli, path):
    out = subprocess.run([cli, "compute", str(path), "--json", "--data", str(ROOT / "DATA")],
                         capture_output=True, check=False)
    data = json.loads(out.stdout)
    if data["status"] != "ok":
        return False
    r = data["results"]
    rises = r["RiseTimeL"] + r["RiseTimeR"]
    exponents = [n / d for prefix in ("", "Daily") for side in "LR"
                 for n, d in zip(r[prefix + "ShapeNumerator" + side], r[prefix + "ShapeDivisor" + side])]
    return min(rises) >= 250 and max(rises) <= 300 and max(exponents) < 0.1


def main():
    cli = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 6
    rng = random.Random(SEED)
    OUT.mkdir(exist_ok=True)
    kept = 0
    with tempfile.TemporaryDirectory() as work:
        trial = pathlib.Path(work) / "trial.snp"
        while kept < count:
            p = candidate(rng)
            trial.write_bytes(project_bytes(p, kept + 1))
            if is_hard(cli, trial):
                kept += 1
                (OUT / ("hard-%d.snp" % kept)).write_bytes(project_bytes(p, kept))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes a catchment table of COUNT realistic small catchments for the batch
benchmark (bench/batch.sh), from a fixed seed: mixed variants (60 % Variant
I, 25 % II, 15 % III), one or two slopes, in the ranges of real small
catchments (slopes of 0.1 to 5 km2, gradients 1 to 20 %, roughness 6 to
35 s, curve numbers 55 to 92, 1-day rainfall of 40 to 60 mm for N = 5
rising to 1.65 times that for N = 100). With --variant1 every catchment is
Variant I (five summary rows each).

Usage: bench/make_batch_table.py OUT.csv COUNT [--variant1]
"""
import random
import sys

SEED = 20261210
COLUMNS = ("id;nazev;typ;varianta;N;H2;H5;H10;H20;H50;H100;delka_udolnice;sklon_udolnice;"
           "plocha_L;sklon_L;drsnost_L;CN_L;typ_CN_L;doba_L;intenzita_L;"
           "plocha_P;sklon_P;drsnost_P;CN_P;typ_CN_P;doba_P;intenzita_P").split(";")
RAIN_RATIOS = {"H5": 1.0, "H10": 1.15, "H20": 1.3, "H50": 1.5, "H100": 1.65}
PERIODS = {"2": "H2", "5": "H5", "10": "H10", "20": "H20", "50": "H50", "100": "H100"}


def number(value, decimals=2):
    text = "%.*f" % (decimals, value)
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text.replace(".", ",")


def slope(rng, row, suffix):
    row["plocha_" + suffix] = number(rng.uniform(0.1, 5.0))
    row["sklon_" + suffix] = number(rng.uniform(1.0, 20.0), 1)
    row["drsnost_" + suffix] = number(rng.uniform(6, 35), 0)
    row["CN_" + suffix] = number(rng.uniform(55, 92), 0)
    row["typ_CN_" + suffix] = rng.choice("1222223")


def catchment(rng, i, variant1):
    row = {"id": "B%05d" % i, "nazev": "Povodí %d" % i}
    row["typ"] = rng.choice("12")
    variant = "I" if variant1 else rng.choices(["I", "II", "III"], [60, 25, 15])[0]
    row["varianta"] = variant
    row["delka_udolnice"] = number(rng.uniform(0.3, 5.0))
    row["sklon_udolnice"] = number(rng.uniform(0.3, 6.0), 1)
    h5 = rng.uniform(40, 60)
    rain = {name: number(h5 * ratio, 1) for name, ratio in RAIN_RATIOS.items()}
    rain["H2"] = number(h5 * 0.8, 1)
    if variant == "I":
        row.update({k: v for k, v in rain.items() if k != "H2"})
    elif variant == "II":
        n = rng.choice(list(PERIODS))
        row["N"] = n
        row[PERIODS[n]] = rain[PERIODS[n]]
        row["H100"] = rain["H100"]
    slopes = ["L", "P"] if row["typ"] == "2" else ["L"]
    for suffix in slopes:
        slope(rng, row, suffix)
    if variant != "I":
        row["doba_L"] = str(rng.randrange(10, 301))
    if variant == "III":
        row["intenzita_L"] = number(rng.uniform(0.2, 2.5))
    return row


def main():
    out, count = sys.argv[1], int(sys.argv[2])
    rng = random.Random(SEED)
    with open(out, "w", encoding="utf-8", newline="") as f:
        f.write(";".join(COLUMNS) + "\r\n")
        for i in range(1, count + 1):
            row = catchment(rng, i, "--variant1" in sys.argv)
            f.write(";".join(row.get(c, "") for c in COLUMNS) + "\r\n")


main()

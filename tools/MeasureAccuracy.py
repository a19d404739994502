#!/usr/bin/env python3
"""Measures how exact the positions of zodarc-cli are: at dates spread evenly over the years
1600 to 2099 it asks `zodarc-cli positions --jd` and the ephemeris library's own test
program swetest (Debian package swetest) for the geocentric apparent longitudes of the
Sun, the Moon and the planets Mercury to Pluto, on the same ephemeris files, and prints
the largest difference of each body.

    tools/MeasureAccuracy.py [--build FOLDER] [--dates N]

FOLDER is the build folder (default build), N the number of dates (default 2000). The
exit status is 1 when a body lies beyond its limit: 5 milliarcseconds for the Sun, the
Moon and Mercury to Neptune (the printed longitudes have six decimals of a degree, 3.6
milliarcseconds), 30 arcseconds for Pluto, whose positions come from the program's daily
table of arcminutes.
"""

import argparse
import json
import os
import subprocess
import sys

FIRST_JD = 2305447.5  # 1 January 1600, 0h UT
LAST_JD = 2488069.5  # 1 January 2100, 0h UT
BODIES = ["Sun", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune",
          "Pluto", "Moon"]
# The limits in arcseconds.
LIMIT = {name: 0.005 for name in BODIES}
LIMIT["Pluto"] = 30.0


def program_positions(cli, jd):
    out = subprocess.run([cli, "positions", "--jd", repr(jd), "--json"], check=True,
                         capture_output=True, text=True).stdout
    return {b["name"]: b["longitude"] for b in json.loads(out)["bodies"]}


def library_positions(folder, jd):
    out = subprocess.run(["swetest", "-bj%r" % jd, "-ut", "-p0123456789", "-fPl", "-head",
                          "-edir" + folder + "/"], check=True, capture_output=True,
                         text=True).stdout
    positions = {}
    for line in out.splitlines():
        parts = line.split()
        if len(parts) == 2 and parts[0] in BODIES:
            positions[parts[0]] = float(parts[1])
    return positions


def arcseconds(a, b):
    d = abs(a - b) % 360.0
    return min(d, 360.0 - d) * 3600.0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build")
    parser.add_argument("--dates", type=int, default=2000)
    args = parser.parse_args()
    folder = os.path.abspath(args.build)
    cli = os.path.join(folder, "zodarc-cli")
    worst = {name: (0.0, None) for name in BODIES}
    count = max(args.dates, 2)
    for k in range(count):
        # Evenly spread, off midnight and noon so that the hour matters as well.
        jd = FIRST_JD + 0.137 + k * (LAST_JD - FIRST_JD - 1) / (count - 1)
        ours = program_positions(cli, jd)
        theirs = library_positions(folder, jd)
        for name in BODIES:
            if ours.get(name) is None or name not in theirs:
                print("no position of %s at JD %.3f" % (name, jd), file=sys.stderr)
                return 1
            d = arcseconds(ours[name], theirs[name])
            if d > worst[name][0]:
                worst[name] = (d, jd)
    failed = False
    print("%d dates from 1600 to 2099; largest difference from swetest:" % count)
    for name in BODIES:
        d, jd = worst[name]
        beyond = d > LIMIT[name]
        failed = failed or beyond
        where = " (JD %.3f)" % jd if jd else ""
        if LIMIT[name] < 1:
            print("  %-8s %8.2f mas%s%s" % (name, d * 1000, where, "  BEYOND THE LIMIT" * beyond))
        else:
            print("  %-8s %8.2f arcsec%s%s" % (name, d, where, "  BEYOND THE LIMIT" * beyond))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

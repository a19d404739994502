#!/usr/bin/env python3
"""Checks zodarc-cli positions --json with places against Python's zoneinfo over the same
system tzdata: the UT, the offset and its abbreviation of each clock time, and that a
skipped or repeated clock time is refused without --dst.

  zoneinfo_check.py ZODARC_CLI
"""
import json, subprocess, sys
from datetime import datetime, timedelta, timezone
from zoneinfo import ZoneInfo

# place options, date, time, --dst (or None)
CASES = [
    (["--place", "Ulm"], "1879-03-14", "11:30", None),
    (["--place", "Berlin"], "1945-06-01", "12:00", None),
    (["--place", "New York"], "1970-07-01", "12:00", None),
    (["--place", "Jalandhar"], "1976-12-19", "12:00", None),
    (["--place", "Istanbul"], "2015-07-01", "12:00", None),
    (["--place", "Istanbul"], "2017-01-01", "12:00", None),
    (["--place", "Sydney"], "1990-01-15", "07:41", None),
    (["--place", "Kathmandu"], "1985-05-05", "05:05", None),
    (["--lat", "64.1", "--lon", "-21.9", "--tz", "Atlantic/Reykjavik"], "1950-06-01", "23:59", None),
    (["--place", "Berlin"], "2021-03-28", "02:30", "yes"),
    (["--place", "Berlin"], "2021-03-28", "02:30", "no"),
    (["--place", "New York"], "2021-11-07", "01:30", "yes"),
    (["--place", "New York"], "2021-11-07", "01:30", "no"),
    (["--place", "Berlin"], "2021-03-28", "02:30", None),
    (["--place", "New York"], "2021-11-07", "01:30", None),
]


def expected(zone, lon, date, time, dst):
    """(ut text, offset text, abbreviation) or 'skipped' / 'repeated' without a choice."""
    tz = ZoneInfo(zone)
    naive = datetime.fromisoformat(date + "T" + time)
    readings = []
    for fold in (0, 1):
        local = naive.replace(tzinfo=tz, fold=fold)
        offset = local.utcoffset()
        name = local.tzname()
        mean = name == "LMT"
        if mean:
            offset = timedelta(seconds=round(lon * 240))
        readings.append((offset, name, mean))
    back = (naive - readings[0][0]).replace(tzinfo=timezone.utc).astimezone(tz)
    skipped = back.replace(tzinfo=None) != naive and not readings[0][2]
    if readings[0][0] != readings[1][0]:
        if dst is None:
            return "skipped" if skipped else "repeated"
        larger = max(readings, key=lambda r: r[0])
        smaller = min(readings, key=lambda r: r[0])
        readings[0] = larger if dst == "yes" else smaller
    offset, name, mean = readings[0]
    ut = naive - offset
    seconds = int(offset.total_seconds())
    sign = "-" if seconds < 0 else "+"
    seconds = abs(seconds)
    text = "%s%02d:%02d" % (sign, seconds // 3600, seconds // 60 % 60)
    if mean or seconds % 60:
        text += ":%02d" % (seconds % 60)
    return ut.strftime("%Y-%m-%dT%H:%M:%S"), text, name


def main():
    cli = sys.argv[1]
    failures = 0
    for place, date, time, dst in CASES:
        args = [cli, "positions", "--json", "--date", date, "--time", time] + place
        if dst:
            args += ["--dst", dst]
        run = subprocess.run(args, capture_output=True, text=True)
        if run.returncode == 0:
            out = json.loads(run.stdout)
            p = out["place"]
            want = expected(p["zone"], p["longitude"], date, time, dst)
            got = (out["ut"], out["offset"], out["abbreviation"])
        else:
            got = ("exit %d" % run.returncode, run.stderr.strip().splitlines()[-1])
            zone = {"Berlin": "Europe/Berlin", "New York": "America/New_York"}[place[1]]
            want = expected(zone, 0, date, time, dst)
            ok_refusal = run.returncode == 2 and (
                ("does not exist" in got[1]) if want == "skipped" else ("exists twice" in got[1]))
            if ok_refusal:
                continue
        if got != want:
            failures += 1
            print("MISMATCH", place, date, time, dst, "zodarc:", got, "zoneinfo:", want)
    print("%d cases, %d mismatches" % (len(CASES), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

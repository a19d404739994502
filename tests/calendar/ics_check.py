#!/usr/bin/env python3
"""Reads the iCalendar files of zodarc-cli calendar back with a parser of its own
(python3-icalendar) and checks what a calendar program needs of them.

  ics_check.py ZODARC_CLI SCRATCH_FOLDER
"""
import json, os, subprocess, sys

from icalendar import Calendar

cli, scratch = sys.argv[1], sys.argv[2]
os.makedirs(scratch, exist_ok=True)
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def run(args, ics):
    if os.path.exists(ics):
        os.remove(ics)
    out = subprocess.run([cli, "calendar"] + args + ["--ics", ics], capture_output=True,
                         check=True, text=True).stdout
    raw = open(ics, "rb").read()
    return out, raw, Calendar.from_ical(raw)


cases = [
    ("world", ["--from", "2020-10-01", "--to", "2021-03-31", "--zone", "+1:00"]),
    ("personal", ["--from", "2024-01-01", "--to", "2024-12-31", "--mode", "personal1",
                  "--birth1-date", "1970-05-17", "--language", "de"]),
]
for name, args in cases:
    ics = os.path.join(scratch, name + ".ics")
    passages = json.loads(subprocess.run([cli, "calendar"] + args + ["--json"],
                                         capture_output=True, check=True, text=True).stdout)
    _, raw, cal = run(args, ics)
    check(raw.endswith(b"\r\n") and b"\n" not in raw.replace(b"\r\n", b""),
          name + ": lines end in CR LF")
    check(all(len(line) <= 75 for line in raw.split(b"\r\n")), name + ": lines of 75 octets")
    events = [c for c in cal.walk() if c.name == "VEVENT"]
    check(str(cal.get("VERSION")) == "2.0" and cal.get("PRODID"), name + ": VERSION, PRODID")
    check(len(events) == len(passages), name + ": one event per passage %d %d"
          % (len(events), len(passages)))
    uids = [str(e.get("UID")) for e in events]
    check(len(set(uids)) == len(uids), name + ": UIDs unique")
    for e in events:
        for key in ("UID", "DTSTAMP", "DTSTART", "DTEND", "SUMMARY"):
            check(e.get(key) is not None, name + ": " + key)
        check(e.decoded("DTEND") > e.decoded("DTSTART"), name + ": ends after it begins")
    # Made again, the same transits keep their UIDs, so that a calendar updates them.
    _, _, again = run(args, ics)
    check([str(e.get("UID")) for e in again.walk() if e.name == "VEVENT"] == uids,
          name + ": UIDs stable")
    if name == "world":
        summaries = [str(e.get("SUMMARY")) for e in events]
        check("Jupiter conjunct Saturn" in summaries, "world: summary in words")
        jupsat = [e for e in events if str(e.get("SUMMARY")) == "Jupiter conjunct Saturn"][0]
        check("2020-12-21 19:2" in str(jupsat.get("DESCRIPTION")), "world: exact moment")
    else:
        check(any(" Radix-" in str(e.get("SUMMARY")) for e in events), "personal: German words")
    # One timed event per exact moment.
    _, _, exact = run(args + ["--ics-exact"], ics)
    timed = [e for e in exact.walk() if e.name == "VEVENT"]
    check(len(timed) == sum(len(p["exact"]) for p in passages), name + ": one event per moment")
    check(all(e.decoded("DTSTART").tzinfo is not None for e in timed), name + ": times in UTC")

for f in failures:
    print("FAILED:", f)
print("%d failures" % len(failures))
sys.exit(1 if failures else 0)

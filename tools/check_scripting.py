#!/usr/bin/env python3
"""velorith-report as scripts and calendar programs use it, read back by their own readers.

Every JSON kind (each report, the abbreviations, documents over civil years) validates against
the schema, and so does a document with a field the schema does not know; the feeds of every
kind of events are read by python3-icalendar with UIDs under the given domain, the same in two
runs; the completion scripts parse in bash, zsh and fish; the README's jq lines run as written.

    check_scripting.py PROGRAM SCHEMA SOURCE_DIR
"""
import copy
import datetime
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

import icalendar
import jsonschema

BASE_FILES = [
    "January.DAT", "February29.DAT", "March.DAT", "April.DAT", "May.DAT", "June.DAT",
    "July.DAT", "August.DAT", "September.DAT", "October.DAT", "November.DAT", "December.DAT",
    "February28.DAT", "Relocatable.DAT", "Relocatable1.DAT", "Special.DAT", "Weekdays.DAT",
    "Weekdays1.DAT", "SpecWeekDays.DAT", "Readings.DAT",
]
FIXTURE = {
    "April.DAT": "[7]\n0={1}Пасха Господня.\n1=Мч. Калиопия.\n",
    "September.DAT": "[8]\n0={1}Рождество Пресвятой Владычицы нашей Богородицы и Приснодевы "
                     "Марии, праздник двунадесятый.\n",
    "December.DAT": "[25]\n0={1}Рождество Господа Бога и Спаса нашего Иисуса Христа.\n",
}
ABBR = "{\\rtf1\\ansi Сокращения\\par \\b ап.\\b0  \\endash  апостол\\par}"

sys.path.insert(0, str(Path(__file__).parent))
from report_checks import check, summary as tally  # noqa: E402  one tally for all checks


def run(program, args, env=None):
    result = subprocess.run([program, *args], capture_output=True, timeout=300, env=env)
    check(result.returncode == 0, f"{args}: status {result.returncode}: {result.stderr[:300]!r}")
    check(result.stderr == b"", f"{args}: says {result.stderr[:300]!r}")
    return result.stdout


def check_schema(program, data, validator):
    kinds = [["--report", k, "--date", "2025-4-20"] for k in ("day", "week", "month", "year",
                                                                "feasts")]
    kinds += [["--report", "search", "--find", "Пасха", "--date", "2025-4-20"],
              ["--report", "abbr"],
              ["--range-years", "2025-2026"],
              ["--range-years", "2025-2026", "--report", "feasts"]]
    documents = {}
    for args in kinds:
        doc = json.loads(run(program, ["--data", str(data), *args, "--format", "json"]))
        documents[" ".join(args)] = doc
        for error in list(validator.iter_errors(doc))[:3]:
            check(False, f"{args}: schema: {list(error.path)}: {error.message}")
        check(doc["formatVersion"] == 3, f"{args}: formatVersion {doc['formatVersion']}")
        for day in doc["days"]:
            civil = day["dates"]["gregorian"]
            check(day["iso"] == f"{civil['year']:04}-{civil['month']:02}-{civil['day']:02}",
                  f"{args}: iso {day['iso']}")
    years = documents["--range-years 2025-2026"]
    check(len(years["days"]) == 730 and years["years"] == {"first": 2025, "last": 2026},
          f"range-years: {len(years['days'])} days, years {years.get('years')}")
    feasts = documents["--range-years 2025-2026 --report feasts"]["days"]
    ranks = [d["feastRank"] for d in feasts]
    check(len(feasts) == 36 and ranks.count("pascha") == 2 and ranks.count("twelveFeast") == 24,
          f"feasts of two years: {ranks}")
    abbr = documents["--report abbr"]
    check(abbr["abbreviations"] == [{"abbr": "ап.", "text": "апостол"}],
          f"abbr: {abbr.get('abbreviations')}")
    # Fields added later must not break a reader that validates: the schema allows them.
    day = copy.deepcopy(documents["--report day --date 2025-4-20"])
    day["addedLater"] = 1
    day["days"][0]["addedLater"] = {"x": 1}
    day["days"][0]["fast"]["addedLater"] = True
    day["range"]["first"]["date"]["addedLater"] = "x"
    for error in list(validator.iter_errors(day))[:3]:
        check(False, f"a document with added fields: {list(error.path)}: {error.message}")
    # And a misspelt value is still caught.
    wrong = copy.deepcopy(documents["--report day --date 2025-4-20"])
    wrong["days"][0]["feastRank"] = "feast"
    check(not validator.is_valid(wrong), "the schema accepts feastRank \"feast\"")


def events_of(raw):
    return list(icalendar.Calendar.from_ical(raw).walk("VEVENT"))


def check_feeds(program, data):
    base = ["--data", str(data), "--range-years", "2025-2026", "--format", "ics",
            "--uid-domain", "parish.example"]
    for kind, count in (("all", 730), ("feasts", 36), ("fasts", None)):
        args = [*base, "--events", kind]
        first, second = run(program, args), run(program, args)
        calendar = icalendar.Calendar.from_ical(first)
        check(str(calendar.get("REFRESH-INTERVAL", "")) != "" or b"REFRESH-INTERVAL" in first,
              f"{kind}: no REFRESH-INTERVAL")
        check(b"\r\nREFRESH-INTERVAL;VALUE=DURATION:P1D\r\n" in first, f"{kind}: REFRESH-INTERVAL")
        check(b"\r\nX-PUBLISHED-TTL:P1D\r\n" in first, f"{kind}: X-PUBLISHED-TTL")
        events = events_of(first)
        uids = [str(e["UID"]) for e in events]
        check(all(u.endswith("@parish.example") for u in uids), f"{kind}: UIDs {uids[:3]}")
        check(len(set(uids)) == len(uids), f"{kind}: UIDs repeat")
        check(uids == [str(e["UID"]) for e in events_of(second)], f"{kind}: UIDs change")
        for e in events:
            check(len(str(e["SUMMARY"])) <= 60, f"{kind}: summary {str(e['SUMMARY'])!r}")
        if count is not None:
            check(len(events) == count, f"{kind}: {len(events)} events, wanted {count}")
        if kind == "feasts":
            starts = {e["DTSTART"].dt for e in events}
            check(datetime.date(2025, 4, 20) in starts and datetime.date(2026, 4, 12) in starts,
                  "feasts: no Pascha")
            long = [e for e in events if e["DTSTART"].dt == datetime.date(2025, 9, 21)]
            check(len(long) == 1 and str(long[0]["SUMMARY"]).endswith("…")
                  and "праздник двунадесятый" in str(long[0]["DESCRIPTION"]),
                  "feasts: the long summary is not cut with its text in the description")
        if kind == "fasts":
            spans = {(str(e["SUMMARY"]), e["DTSTART"].dt, e["DTEND"].dt) for e in events}
            for wanted in (("Великий пост", datetime.date(2025, 3, 3), datetime.date(2025, 4, 20)),
                           ("Рождественский пост", datetime.date(2024, 11, 28),
                            datetime.date(2025, 1, 7)),
                           ("Рождественский пост", datetime.date(2026, 11, 28),
                            datetime.date(2027, 1, 7))):
                check(wanted in spans, f"fasts: {wanted} not among {sorted(spans)[:4]}")
            # Two years of seasons, the Nativity fast of their turn counted once.
            check(len(events) == 15, f"fasts: {len(events)} events over two years")
    # The default domain stays as it was.
    plain = events_of(run(program, ["--data", str(data), "--range-years", "2025-2025",
                                    "--format", "ics"]))
    check(str(plain[0]["UID"]) == "2025-01-01@calendar.velorith.org", f"UID {plain[0]['UID']}")


def check_completions(source):
    folder = source / "tools" / "completions"
    for shell, args, name in (("bash", ["-n"], "velorith-report.bash"),
                              ("zsh", ["-n"], "_velorith-report"),
                              ("fish", ["--no-execute"], "velorith-report.fish")):
        path = shutil.which(shell)
        if path is None:
            print(f"{shell} is not installed (scripts/install-deps.sh installs it): not checked")
            continue
        result = subprocess.run([path, *args, str(folder / name)], capture_output=True,
                                timeout=60)
        check(result.returncode == 0 and result.stderr == b"",
              f"{name}: {shell} says {result.stderr[:300]!r}")
    # bash: the function completes the options and the words of --format.
    bash = shutil.which("bash")
    script = (f"source {folder / 'velorith-report.bash'}; COMP_WORDS=(velorith-report --format l);"
              " COMP_CWORD=2; _velorith_report; echo ${COMPREPLY[@]}")
    out = subprocess.run([bash, "-c", script], capture_output=True, text=True).stdout.split()
    check(out == ["lines"], f"bash completes --format l to {out}")
    # Every option the program knows is completed by every shell.
    usage = subprocess.run([PROGRAM, "--help"], capture_output=True, text=True).stdout
    options = set(re.findall(r"--[a-z][a-z-]*", usage)) - {"--fasting", "--no-fasting"}
    for name in ("velorith-report.bash", "_velorith-report", "velorith-report.fish"):
        text = (folder / name).read_text(encoding="utf-8")
        if name.endswith(".fish"):
            text = re.sub(r"-l ([a-z-]+)", r"--\1", text)
        missing = sorted(o for o in options if o not in text)
        check(not missing, f"{name} lacks {missing}")


def check_readme_jq(program, source):
    """The README's jq lines, run as written with the built program first on PATH."""
    readme = (source / "README.md").read_text(encoding="utf-8")
    lines = [l.strip() for l in readme.splitlines()
             if l.startswith("    velorith-report ") and "| jq" in l]
    check(len(lines) == 2, f"README: {len(lines)} jq lines, wanted 2")
    env = dict(os.environ, PATH=f"{Path(program).parent}{os.pathsep}{os.environ['PATH']}")
    for line in lines:
        result = subprocess.run(["sh", "-c", line], capture_output=True, text=True, env=env,
                                timeout=120)
        check(result.returncode == 0 and result.stderr == "", f"{line}: {result.stderr[:300]}")
        out = result.stdout.splitlines()
        year = re.search(r"--range-years (\d+)", line)
        month = re.search(r"--date (\d+)-(\d+)-", line)
        if "feasts" in line and year:
            check(len(out) == 18 and all(o.startswith(year.group(1) + "-") for o in out),
                  f"{line}: {out[:3]} ({len(out)} lines)")
        elif month:
            prefix = f"{month.group(1)}-{int(month.group(2)):02}-"
            check(out and all(o.startswith(prefix) for o in out), f"{line}: {out[:3]}")
        else:
            check(False, f"README: a jq line this check does not know: {line}")


def main():
    global PROGRAM
    PROGRAM, schema_file, source = sys.argv[1], sys.argv[2], Path(sys.argv[3])
    schema = json.loads(Path(schema_file).read_text(encoding="utf-8"))
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    with tempfile.TemporaryDirectory(prefix="velorith-scripting-") as scratch:
        data = Path(scratch) / "Calendar"
        data.mkdir()
        for name in BASE_FILES:
            (data / name).write_bytes(FIXTURE.get(name, "").encode("cp1251"))
        (data / "Abbr.DAT").write_bytes(ABBR.encode("cp1251"))
        check_schema(PROGRAM, data, validator)
        check_feeds(PROGRAM, data)
    check_completions(source)
    check_readme_jq(PROGRAM, source)
    return tally()


if __name__ == "__main__":
    sys.exit(main())

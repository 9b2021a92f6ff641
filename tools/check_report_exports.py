#!/usr/bin/env python3
"""velorith-report's JSON and iCalendar outputs read back by independent readers.

Every JSON document must validate against the schema and agree with the text report of the same
day; every iCalendar file must be read by python3-icalendar with one event per day of the
report, the expected dates and summaries, Cyrillic intact, lines folded at 75 octets, and UIDs
unique and the same in a second run.

    check_report_exports.py PROGRAM SCHEMA [DATA_DIR]

Without DATA_DIR the check writes a small data folder of its own (Windows-1251, as the calendar
keeps its files) and runs on it; with it, on that folder (e.g. the built data set).
"""
import datetime
import json
import subprocess
import sys
import tempfile
from pathlib import Path

import icalendar
import jsonschema

FIXTURE = {
    "April.DAT": "[7]\n0={1}Пасха Господня.\n1=Мч. Калиопия.\n[8]\n1={5}Свт. Георгия.\n"
                 "2=Мчч. Руфа и Ирины; и ещё одна длинная строка, чтобы её пришлось сложить "
                 "в файле календаря не один раз.\n",
    "December.DAT": "[25]\nred=1\n0={1}Рождество Господа Бога и Спаса нашего Иисуса Христа.\n",
    "Weekdays.DAT": "[1]\ndays=0\nred=1\n0=Светлое Христово Воскресение.\n",
}

sys.path.insert(0, str(Path(__file__).resolve().parent))
from report_checks import check, run, summary as tally  # noqa: E402



def civil_date(day):
    d = day["dates"]["gregorian"]
    return datetime.date(d["year"], d["month"], d["day"])


def check_json(program, data, validator, args):
    document = json.loads(run(program, data, *args, "--format", "json").decode("utf-8"))
    errors = sorted(validator.iter_errors(document), key=lambda e: list(e.path))
    for error in errors[:3]:
        check(False, f"{args}: schema: {list(error.path)}: {error.message}")
    return document


def check_day_against_text(program, data, args):
    """The JSON of a day says what its text report says."""
    day = check_json(program, data, VALIDATOR, args)["days"][0]
    text = run(program, data, *args).decode("utf-8")
    reckoning = {"--style": "gregorian"}
    for i, a in enumerate(args[:-1]):
        if a == "--style":
            reckoning["--style"] = args[i + 1]
    date_text = day["dates"][reckoning["--style"]]["text"]
    check(date_text in text, f"{args}: date {date_text!r} not in the text report")
    check(day["dayLine"] in text, f"{args}: day line {day['dayLine']!r} not in the text report")
    position = 0
    for entry in day["entries"]:
        found = text.find(entry["text"], position)
        if check(found >= 0, f"{args}: entry {entry['text']!r} not in order in the text report"):
            position = found + len(entry["text"])
    if day["tone"] is not None:
        check(f"Глас {day['tone']}-й" in text, f"{args}: tone {day['tone']} not in the text")
    check(day["red"] == (day["weekday"]["number"] == 7 or day["redWhy"]["monthKey"]
                         or day["redWhy"]["entry"]), f"{args}: red disagrees with its reasons")


def event_lines(raw):
    check(raw.endswith(b"\r\n"), "ics: the file does not end with CRLF")
    return raw[:-2].split(b"\r\n") if raw.endswith(b"\r\n") else raw.split(b"\r\n")


def check_ics(program, data, args, expected_days):
    first = run(program, data, *args, "--format", "ics")
    second = run(program, data, *args, "--format", "ics")
    for line in event_lines(first):
        check(len(line) <= 75, f"{args}: a line of {len(line)} octets: {line[:40]!r}")
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            check(False, f"{args}: a folded line splits a UTF-8 character: {line!r}")
    calendar = icalendar.Calendar.from_ical(first)
    check(str(calendar.get("VERSION")) == "2.0", f"{args}: VERSION")
    check(str(calendar.get("X-WR-CALNAME", "")) != "", f"{args}: no X-WR-CALNAME")
    events = list(calendar.walk("VEVENT"))
    check(len(events) == len(expected_days),
          f"{args}: {len(events)} events for {len(expected_days)} days")
    uids = [str(e["UID"]) for e in events]
    check(len(set(uids)) == len(uids), f"{args}: UIDs repeat")
    again = [str(e["UID"]) for e in icalendar.Calendar.from_ical(second).walk("VEVENT")]
    check(uids == again, f"{args}: UIDs differ between two runs")
    for event, day in zip(events, expected_days):
        start = event["DTSTART"].dt
        end = event["DTEND"].dt
        check(start == civil_date(day) and not isinstance(start, datetime.datetime),
              f"{args}: DTSTART {start} for {civil_date(day)}")
        check(end == start + datetime.timedelta(days=1), f"{args}: DTEND {end}")
        check(str(event["UID"]) == f"{start.isoformat()}@calendar.velorith.org",
              f"{args}: UID {event['UID']}")
        summary = str(event["SUMMARY"])
        wanted = day["principal"] or day["dates"]["julian"]["text"]
        description = str(event.get("DESCRIPTION", ""))
        if len(wanted) <= 60:
            check(summary == wanted, f"{args}: summary {summary!r}, wanted {wanted!r}")
        else:
            # Cut for a phone at a word, the whole text in the description.
            check(len(summary) <= 60 and summary.endswith("…")
                  and wanted.startswith(summary[:-1]) and wanted[len(summary) - 1] in " ,;:.",
                  f"{args}: summary {summary!r} of {wanted!r}")
            check(wanted in description, f"{args}: {wanted!r} not in the description")
        check(description.startswith(day["dates"]["julian"]["text"]),
              f"{args}: description {description[:60]!r}")
        great = day["highestRank"] == "greatFeast"
        categories = event.get("CATEGORIES")
        listed = [] if categories is None else (
            categories if isinstance(categories, list) else [categories])
        names = [str(c.cats[0]) if hasattr(c, "cats") else str(c) for c in listed]
        check(("Великий праздник" in names) == great, f"{args}: categories {names} on {start}")
    return events


def main():
    global VALIDATOR
    program, schema_file = sys.argv[1], sys.argv[2]
    schema = json.loads(Path(schema_file).read_text(encoding="utf-8"))
    jsonschema.Draft202012Validator.check_schema(schema)
    VALIDATOR = jsonschema.Draft202012Validator(schema)
    example = Path(schema_file).with_name("velorith-report.example.json")
    for error in VALIDATOR.iter_errors(json.loads(example.read_text(encoding="utf-8"))):
        check(False, f"{example.name}: {list(error.path)}: {error.message}")
    with tempfile.TemporaryDirectory(prefix="velorith-exports-") as scratch:
        if len(sys.argv) > 3:
            data = Path(sys.argv[3])
        else:
            data = Path(scratch) / "Calendar"
            data.mkdir()
            for name, text in FIXTURE.items():
                (data / name).write_bytes(text.encode("cp1251"))
            (data / "Abbr.DAT").write_bytes("{\\rtf1\\ansi Аббр.\\par}".encode("cp1251"))

        dates = {"gregorian": "2025-4-20", "julian": "2025-4-7", "world": "7533-8-7"}
        for style, date in dates.items():
            for extra in ([], ["--all-styles", "--indiction"]):
                base = ["--style", style, "--date", date, *extra]
                for report in ("day", "week", "month", "year", "feasts"):
                    args = ["--report", report, *base]
                    document = check_json(program, data, VALIDATOR, args)
                    check(document["kind"] == report, f"{args}: kind {document['kind']}")
                    events = check_ics(program, data, args, document["days"])
                    if report == "year":
                        check(len(events) in (365, 366), f"{args}: {len(events)} days in a year")
                # --find goes with the search report alone; the companion refuses it elsewhere.
                for report, find in (("search", ["--find", "Пасха"]), ("abbr", [])):
                    check_json(program, data, VALIDATOR, ["--report", report, *find, *base])
                check_day_against_text(program, data, base)
        for date in ("2025-1-7", "2025-12-3", "2024-2-29", "2026-4-12"):
            check_day_against_text(program, data, ["--date", date])

        # A feed of two civil years: every day of both, once.
        feed_args = ["--range-years", "2024-2025", "--calendar-name", "Приход; «Троицкий»"]
        days = []
        for year in (2024, 2025):
            days += check_json(program, data, VALIDATOR,
                               ["--report", "year", "--date", f"{year}-6-1"])["days"]
        events = check_ics(program, data, feed_args, days)
        check(len(events) == 366 + 365, f"feed: {len(events)} events")
        calendar = icalendar.Calendar.from_ical(
            run(program, data, *feed_args, "--format", "ics"))
        check(str(calendar["X-WR-CALNAME"]) == "Приход; «Троицкий»",
              f"feed: X-WR-CALNAME {calendar['X-WR-CALNAME']!r}")

    return tally('')


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""velorith-report's web pages read back by an independent HTML parser.

Every page of every report (--format html) and every page of a site (--site) must parse with
python3-html5lib in strict mode, which stops at the first parse error; the data's hostile text
(markup, "&", quotes, "</style>", deep nesting, control characters) must arrive as text, never
as elements; the sitemap must be well-formed XML.

    check_html.py PROGRAM [DATA_DIR]

Without DATA_DIR the check writes a data folder of its own (Windows-1251, as the calendar keeps
its files); with it, the reports are also checked on that folder (e.g. the built data set).
"""
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import html5lib

HOSTILE = [
    "<script>alert(1)</script>",
    "</style><img src=x onerror=alert(1)>",
    "\" onmouseover=\"alert(2)",
    "&amp; & &lt; ' \"",
    "{\\b <b>жирный</b>} {\\i </em></li></ul>}",
    "{" * 200 + "<i>глубоко",
    "}}}{\\*\\x <hidden>} {\\v </main>} конец",
    "Мч. \x01\x02\x7f контроль",
]

FIXTURE = {
    "December.DAT": "[25]\nred=1\n0={1}Рождество Христово.\n"
                    + "".join(f"{i + 1}={text}\n" for i, text in enumerate(HOSTILE))
                    + "[7]\n0={2}Свт. {\\b Амвросия}, еп. {\\cf2 Медиоланского}.\n",
    "Weekdays.DAT": "[1]\ndays=0\nred=1\n0=Светлое Христово <Воскресение> & \"Пасха\".\n",
    "Abbr.DAT": "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Times;}}\\b ап.\\b0 \\endash  апостол"
                "\\par <script>x</script> & \\par}",
}

sys.path.insert(0, str(Path(__file__).resolve().parent))
from report_checks import check, run, summary as tally  # noqa: E402



def parse(text, where):
    parser = html5lib.HTMLParser(strict=True, namespaceHTMLElements=False)
    try:
        return parser.parse(text)
    except html5lib.html5parser.ParseError as error:
        line = parser.errors[-1][0][0] if parser.errors else 0
        lines = text.splitlines()
        shown = lines[line - 1][:200] if 0 < line <= len(lines) else ""
        check(False, f"{where}: {error} at line {line}: {shown!r}")
        return None


def check_page(text, where, hostile):
    tree = parse(text, where)
    if tree is None:
        return
    check(tree.get("lang") == "ru", f"{where}: html lang is not ru")
    check(len(tree.findall(".//h1")) == 1, f"{where}: not one h1")
    # Nothing the data holds becomes an element or an attribute.
    for element in tree.iter():
        check(element.tag not in ("img", "b", "i", "hidden"), f"{where}: <{element.tag}> from data")
        check("onerror" not in element.attrib and "onmouseover" not in element.attrib,
              f"{where}: event attribute from data")
        if element.tag == "script":
            check("alert" not in (element.text or ""), f"{where}: the data's script")
    if hostile:
        body = tree.find("body")
        words = "".join(body.itertext())
        check("<script>alert(1)</script>" in words, f"{where}: the hostile text is not shown")


def check_reports(program, data, hostile):
    date = ["--style", "julian", "--date", "2025-12-25"]
    for report in ("day", "week", "month", "year", "feasts", "abbr"):
        text = run(program, data, "--report", report, *date, "--format", "html").decode("utf-8")
        check_page(text, f"{data.name} {report}", hostile and report in ("day", "week", "month"))
    text = run(program, data, "--report", "search", "--find", "Рождество", *date,
               "--format", "html").decode("utf-8")
    check_page(text, f"{data.name} search", False)


def check_site(program, data, folder):
    run(program, data, "--site", str(folder), "--range-years", "2026-2026",
        "--calendar-name", "Храм <Святой> Троицы & \"прихода\"",
        "--base-url", "https://parish.example/calendar")
    pages = sorted(folder.rglob("*.html"))
    check(len(pages) == 365 + 12 + 1 + 2, f"site: {len(pages)} pages")
    for page in pages:
        check_page(page.read_text(encoding="utf-8"), str(page.relative_to(folder)),
                   page.parent.name == "07" and page.parent.parent.name == "01")
    sitemap = ElementTree.parse(folder / "sitemap.xml").getroot()
    locations = [loc.text for loc in sitemap.iter("{http://www.sitemaps.org/schemas/sitemap/0.9}loc")]
    check(len(locations) == 1 + 1 + 12 + 365, f"sitemap: {len(locations)} addresses")
    check(all(loc.startswith("https://parish.example/calendar/") for loc in locations),
          "sitemap: an address not under the base")


def main():
    program = sys.argv[1]
    with tempfile.TemporaryDirectory() as scratch:
        scratch = Path(scratch)
        fixture = scratch / "Calendar"
        fixture.mkdir()
        for name, text in FIXTURE.items():
            (fixture / name).write_bytes(text.encode("cp1251"))
        check_reports(program, fixture, True)
        check_site(program, fixture, scratch / "site")
        if len(sys.argv) > 2:
            check_reports(program, Path(sys.argv[2]), False)
    return tally('FAIL: ')


if __name__ == "__main__":
    sys.exit(main())

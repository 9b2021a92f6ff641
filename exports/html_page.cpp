#include "exports/html_page.h"

#include "exports/html_text.h"

namespace velorith::exports {

std::string_view HtmlStyleSheet() {
    return R"css(:root{color-scheme:light dark;--fg:#14145a;--bg:#fffdf7;--red:#b40000;--muted:#4a4a5a;--line:#c9c6bb;--mark:#f3efe2;--link:#1f3f9f}
@media (prefers-color-scheme:dark){:root{--fg:#e6e4f2;--bg:#15151b;--red:#ff8a80;--muted:#b9b7c6;--line:#4a4858;--mark:#24232e;--link:#9db8ff}}
*{box-sizing:border-box}
html{-webkit-text-size-adjust:100%;text-size-adjust:100%}
body{margin:0 auto;max-width:52rem;padding:1rem;font:1.0625rem/1.5 "PT Serif",Georgia,"Times New Roman",serif;color:var(--fg);background:var(--bg);overflow-wrap:break-word}
a{color:var(--link)}
h1{font-size:1.5rem;line-height:1.25;margin:.5rem 0}
h2{font-size:1.2rem;line-height:1.3;margin:1.25rem 0 .25rem}
h1 a,h2 a{color:inherit}
.red,.day.red>header{color:var(--red)}
.day{margin:0 0 1.25rem;padding:0 0 .75rem;border-bottom:1px solid var(--line)}
.day header p{margin:.1rem 0}
.other-dates{color:var(--muted);font-size:.9375rem}
.day-line{font-style:italic}
ul.entries{list-style:none;margin:.5rem 0;padding:0}
ul.entries li{margin:.2rem 0;padding-left:2.4em;text-indent:-2.4em}
ul.entries.notes li{padding-left:1.2em;text-indent:0}
.sign{display:inline-block;width:2.4em;text-indent:0;font-family:"DejaVu Sans Mono",monospace;color:var(--red)}
.rank-none .sign,.rank-six .sign,.rank-doxology .sign{color:inherit}
.great-feast{display:inline-block;margin-left:.35em;color:var(--red)}
.fast{margin:.4rem 0;padding:.2rem .5rem;background:var(--mark);border-left:.25rem solid var(--line)}
.readings{margin:.4rem 0;padding-left:0;list-style:none}
.u{text-decoration:underline}
nav ul{list-style:none;margin:.5rem 0;padding:0;display:flex;flex-wrap:wrap;gap:.25rem 1rem}
nav.pager{display:flex;flex-wrap:wrap;justify-content:space-between;gap:.5rem;margin:1rem 0}
.months{display:grid;grid-template-columns:repeat(auto-fill,minmax(9rem,1fr));gap:.25rem .75rem;list-style:none;padding:0}
table.month{width:100%;border-collapse:collapse;table-layout:fixed}
table.month th{font-weight:normal;color:var(--muted);padding:.25rem}
table.month td{vertical-align:top;border:1px solid var(--line);padding:.25rem;font-size:.8125rem;line-height:1.3;height:5.5rem}
table.month td.empty{border:0}
table.month .num{display:block;font-size:1.125rem;font-weight:bold;text-decoration:none}
table.month td.red .num{color:var(--red)}
table.month .fast-mark{display:block;color:var(--muted);font-style:italic}
.weekday-name{display:none}
.visually-hidden{position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0);white-space:nowrap}
footer{margin-top:2rem;color:var(--muted);font-size:.875rem}
.today-block{padding:.5rem .75rem;border:1px solid var(--line);background:var(--bg)}
@media (max-width:40rem){body{padding:.75rem}table.month,table.month tbody,table.month tr,table.month td{display:block;width:auto;height:auto}table.month thead,table.month td.empty{display:none}table.month td{border:0;border-bottom:1px solid var(--line);padding:.5rem 0}table.month .num{display:inline}.weekday-name{display:inline;color:var(--muted)}}
@media print{@page{size:A4;margin:15mm 15mm 18mm}body{max-width:none;padding:0;font-size:11pt;color:#000;background:#fff}a{color:inherit;text-decoration:none}nav,nav.pager,.no-print{display:none}.red,.day.red>header,.sign,.great-feast{color:#b40000}.day{break-inside:avoid}.fast{background:none}table.month td{height:auto}}
)css";
}

std::string HtmlDocument(const HtmlPage& page) {
    std::string out;
    out.reserve(page.Body.size() + page.Head.size() + 4096);
    out +=
        "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<meta name=\"color-scheme\" content=\"light dark\">\n"
        // No icon of its own: a browser then asks the server for no /favicon.ico.
        "<link rel=\"icon\" href=\"data:,\">\n<title>";
    AppendEscaped(out, page.Title);
    out += "</title>\n";
    if (page.StyleHref.empty()) {
        out += "<style>\n";
        out += HtmlStyleSheet();
        out += "</style>\n";
    } else {
        out += "<link rel=\"stylesheet\" href=\"";
        AppendEscaped(out, page.StyleHref);
        out += "\">\n";
    }
    out += page.Head;
    out += "</head>\n<body>\n";
    out += page.Body;
    out += "</body>\n</html>\n";
    return out;
}

}  // namespace velorith::exports

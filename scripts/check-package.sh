#!/usr/bin/env bash
# Checks the Debian package that `make package` built and the metadata it carries: the desktop
# entry, the AppStream metainfo, the manual pages, lintian, and an install test that unpacks
# the package into a scratch root and runs the companion from there on the installed data.
# Usage: scripts/check-package.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
export LC_ALL=C.UTF-8  # the Russian pages and reports are UTF-8

fail() {
    echo "check-package: $*" >&2
    exit 1
}

version=$(sed -n 's/^project(Velorith VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || fail "no version in CMakeLists.txt"
debs=("$build"/package/velorith_"$version"_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "no package $build/package/velorith_${version}_*.deb; run make package"
echo "== $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "== desktop entry"
desktop-file-validate desktop/org.velorith.Calendar.desktop

echo "== AppStream metainfo"
metainfo=desktop/org.velorith.Calendar.metainfo.xml
appstreamcli validate --no-net "$metainfo"
release_date=$(sed -n 's/^set(VELORITH_RELEASE_DATE \(.*\))$/\1/p' cmake/Packaging.cmake)
grep -q "<release version=\"$version\" date=\"$release_date\"/>" "$metainfo" ||
    fail "$metainfo has no release $version of $release_date"

echo "== manual pages"
# The pages as installed, English and Russian.
pages=("$root"/usr/share/man/man1/*.1.gz "$root"/usr/share/man/ru/man1/*.1.gz)
[ -f "${pages[0]}" ] || fail "the package holds no manual pages"
for page in "${pages[@]}"; do
    warnings=$(man --warnings -l "$page" 2>&1 >/dev/null) || fail "man failed on $page"
    [ -z "$warnings" ] || fail "$page: $warnings"
    echo "${page#"$root"}: no warnings"
done

echo "== lintian"
# Exits non-zero on any error; the remaining tags are printed for the record.
lintian --fail-on error --info --display-info --pedantic "$deb"

echo "== hardening"
# Built with dpkg-buildflags' hardening (cmake/Hardening.cmake): PIE, the stack protector,
# _FORTIFY_SOURCE, read-only relocations and immediate binding, in every program. The mark of
# control-flow protection is not asked for: Debian 12's start files (crt1.o) lack it, so no
# program linked there carries it.
for program in "$root"/usr/bin/*; do
    hardening-check --nocfprotection "$program" ||
        fail "${program#"$root"} lacks some of Debian's hardening"
done

echo "== install test"
for path in usr/bin/velorith-report usr/share/velorith/Calendar/January.DAT \
    usr/share/bash-completion/completions/velorith-report \
    usr/share/zsh/vendor-completions/_velorith-report \
    usr/share/fish/vendor_completions.d/velorith-report.fish \
    usr/share/velorith/Help/Index.html usr/share/man/man1/velorith-report.1.gz \
    usr/share/man/ru/man1/velorith-report.1.gz usr/share/doc/velorith/copyright; do
    [ -e "$root/$path" ] || fail "the package lacks /$path"
done
if [ -e "$root/usr/bin/velorith" ]; then
    for path in usr/share/applications/org.velorith.Calendar.desktop \
        usr/share/metainfo/org.velorith.Calendar.metainfo.xml \
        usr/share/icons/hicolor/scalable/apps/org.velorith.Calendar.svg \
        usr/share/icons/hicolor/{48x48,128x128,256x256}/apps/org.velorith.Calendar.png \
        usr/share/man/man1/velorith.1.gz usr/share/velorith/Splash.BMP; do
        [ -e "$root/$path" ] || fail "the package lacks /$path"
    done
fi
dpkg-deb -f "$deb" Depends | grep -q libstdc++6 || fail "Depends lacks the shared libraries"

report=$root/usr/bin/velorith-report
got=$(cd / && "$report" --version)
[ "$got" = "$version" ] || fail "installed velorith-report --version says '$got', not $version"
# The Nativity of Christ, 7 January 2025 new style, read from the installed data with no --data.
day=$(cd / && "$report" --date 2025-1-7)
grep -q "Рождество" <<<"$day" || fail "the installed day report lacks the Nativity: $day"
given=$("$report" --date 2025-1-7 --data "$root/usr/share/velorith/Calendar")
[ "$day" = "$given" ] || fail "the installed velorith-report did not read /usr/share/velorith"
echo "velorith-report $got from the package: the day report of 2025-1-7 read from /usr/share/velorith"
echo "check-package: all checks passed"

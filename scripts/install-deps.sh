#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the calendar need, and
# only those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    nlohmann-json3-dev libical-dev python3 python3-jsonschema python3-icalendar
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-dejavu-core fonts-liberation
    qt6-translations-l10n
    scdoc dpkg-dev file
    lintian desktop-file-utils appstream man-db devscripts
    zsh fish jq
    clang libclang-rt-14-dev
    chromium nodejs python3-html5lib
)
# The browser tests' packages come from npm; a Node.js of another origin brings its own npm.
command -v npm >/dev/null 2>&1 || packages+=(npm)

# The browser tests' node packages (puppeteer-core, axe-core), as their lock file pins them.
browser_packages() {
    local dir
    dir="$(cd "$(dirname "$0")/.." && pwd)/tests/browser"
    if [ ! -f "$dir/node_modules/.package-lock.json" ] ||
        [ "$dir/package-lock.json" -nt "$dir/node_modules/.package-lock.json" ]; then
        (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error)
    fi
}

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    browser_packages
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
browser_packages

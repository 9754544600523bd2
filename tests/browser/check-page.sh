#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Generates the demo page with vorlin-export in a home of its own and has headless Chromium
# check it as a reader's browser sees it (see pagecheck.html).
# Usage: check-page.sh <vorlin-export> <address book> <pagecheck.html>
set -euo pipefail
program=$1 book=$2 harness=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"

"$program" --quiet --address-book "$book" --output "$work/site/page.html" >/dev/null
cp "$harness" "$work/site/pagecheck.html"

browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "check-page: Chromium is not installed (scripts/install-deps installs it)" >&2
  exit 1
fi
result=$(timeout 120 "$browser" --headless --no-sandbox --disable-gpu --disable-quic \
  --no-first-run --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/browser" --allow-file-access-from-files \
  --virtual-time-budget=20000 --dump-dom "file://$work/site/pagecheck.html" 2>/dev/null |
  sed -n 's:.*<pre id="result">\(.*\)</pre>.*:\1:p')

echo "check-page: $result"
case "$result" in
  cards=0*|*links=0*|*pictures=0*) echo "check-page: the page is empty" >&2; exit 1 ;;
  *" OK") exit 0 ;;
  *) exit 1 ;;
esac

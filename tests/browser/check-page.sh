#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Generates a page with vorlin-export in a home of its own and has headless Chromium check it
# as a reader's browser sees it (see pagecheck.html). The address book is a file, or
# "alphabet:<language>" for a small book in that language's script, written here.
# Usage: check-page.sh <vorlin-export> <address book> <pagecheck.html> [vorlin-export options]
set -euo pipefail
program=$1 book=$2 harness=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"

# A card for each "last;first" name, the last of them a company's; sorting and filing go by
# the last names.
alphabet_book() {
  local names
  case $1 in
    ru) names=("Андреев;Пётр" "Борисов;Иван" "Ёлкина;Анна" "Яковлев;Олег" "Smith;John" "7even;") ;;
    sv) names=("Andersson;Eva" "Zander;Nils" "Åberg;Sven" "Ärlig;Karin" "Öberg;Lars" "Olsson;Per") ;;
    ja) names=("さとう;はなこ" "たなか;たろう" "サトウ;ケン" "やまだ;ゆき" "山田;一郎" "Smith;John") ;;
    *) echo "check-page: no alphabet book for \"$1\"" >&2; exit 1 ;;
  esac
  local name
  for name in "${names[@]}"; do
    printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nN:%s;;;\r\nTEL;TYPE=CELL:+1 555 0100\r\nEND:VCARD\r\n' "$name"
  done
}

case $book in
  alphabet:*) alphabet_book "${book#alphabet:}" >"$work/book.vcf"; book=$work/book.vcf ;;
esac

"$program" --quiet --address-book "$book" --output "$work/site/page.html" "$@" >/dev/null
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

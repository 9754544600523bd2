#!/usr/bin/env bash
# Inspects the Debian package that scripts/package made, then unpacks it into a throw-away
# root and uses what it installs: vorlin-export writes the demo page, the manual pages render
# without warnings and list the same options as --help, the software-centre entry and the
# menu entry validate, and bash completes vorlin-export's options and files.
# Usage: check-package.sh <vorlin_*.deb>
set -euo pipefail
deb=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "check-package: $*" >&2
  failures=$((failures + 1))
}

# --- The package's fields.
version=$(sed -n 's/^  VERSION \([0-9.]*\)$/\1/p' "$source_dir/CMakeLists.txt")
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] ||
  fail "Version is $(dpkg-deb --field "$deb" Version), not the project's $version"
depends=$(dpkg-deb --field "$deb" Depends)
# Found by dpkg-shlibdeps, then the ones no link shows.
for dependency in libc6 libqt6core6 libqt6gui6 libplist3 \
  qt6-image-formats-plugins libqt6svg6 libqt6webengine6-data libqt6webenginecore6-bin; do
  [[ ", $depends," == *", $dependency"[\ ,]* ]] || fail "Depends lacks $dependency: $depends"
done
[[ "$(dpkg-deb --field "$deb" Recommends)" == *evolution-data-server* ]] ||
  fail "Recommends lacks evolution-data-server, the server of the desktop's address books"
[[ ", $depends," == *", libebook-1.2-"* ]] || fail "Depends lacks libebook: $depends"
for field in Maintainer Description Homepage Section; do
  [ -n "$(dpkg-deb --field "$deb" "$field")" ] || fail "no $field field"
done

# --- Its files.
contents=$(dpkg-deb --contents "$deb" | awk '{ print $6 $7 $8 }')
bundle=./usr/lib/vorlin/Vorlin.app/Contents
expected=(
  "./usr/bin/vorlin->../lib/vorlin/Vorlin.app/Contents/MacOS/Vorlin-svc"
  "./usr/bin/vorlin-export->../lib/vorlin/Vorlin.app/Contents/MacOS/vorlin-export"
  "$bundle/Info.plist" "$bundle/MacOS/Vorlin-svc" "$bundle/MacOS/vorlin-export"
  "$bundle/Resources/default.css" "$bundle/Resources/translations/vorlin_en.qm"
  ./usr/share/applications/org.vorlin.Vorlin.desktop
  ./usr/share/metainfo/org.vorlin.Vorlin.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/org.vorlin.Vorlin.svg
  ./usr/share/man/man1/vorlin.1.gz ./usr/share/man/man1/vorlin-export.1.gz
  ./usr/share/bash-completion/completions/vorlin-export
  ./usr/share/doc/vorlin/copyright ./usr/share/doc/vorlin/changelog.gz
)
for size in 16 22 24 32 48 64 128 256 512; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/org.vorlin.Vorlin.png")
done
for file in "${expected[@]}"; do
  grep -qxF -- "$file" <<<"$contents" || fail "the package lacks $file"
done
outside=$(grep -v -e '^\./usr/' -e '^\./$' <<<"$contents" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

if command -v lintian >/dev/null; then
  lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" >"$work/lintian" 2>&1 ||
    fail "lintian finds errors:
$(cat "$work/lintian")"
fi

# --- Unpacked: the programs and files as installed.
root="$work/root"
dpkg-deb -x "$deb" "$root"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"

[ "$("$root/usr/bin/vorlin-export" --version)" = "vorlin-export $version" ] ||
  fail "vorlin-export --version does not say $version"
page=$("$root/usr/bin/vorlin-export" --quiet --address-book "$source_dir/examples/demo-contacts.vcf" \
  --output "$work/site/vorlin.html" 2>"$work/export.err") ||
  fail "vorlin-export failed on the demo address book: $(cat "$work/export.err")"
[ "$page" = "$work/site/vorlin.html" ] || fail "vorlin-export printed '$page'"
cards=$(grep -o 'class="card"' "$work/site/vorlin.html" 2>/dev/null | wc -l)
pictures=$(find "$work/site/images" -name '*.png' 2>/dev/null | wc -l)
[ "$cards" -ge 40 ] && [ "$pictures" -ge 13 ] ||
  fail "the demo page has $cards cards and $pictures pictures"

for manual in vorlin vorlin-export; do
  if ! warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l \
    "$root/usr/share/man/man1/$manual.1.gz" 2>&1 >/dev/null); then
    fail "man $manual fails: $warnings"
  elif [ -n "$warnings" ]; then
    fail "man $manual warns: $warnings"
  fi
done
"$here/compare-options.sh" "$root/usr/bin/vorlin-export" \
  "$root/usr/share/man/man1/vorlin-export.1.gz" || fail "--help and the manual page differ"

appstreamcli validate --no-net "$root/usr/share/metainfo/org.vorlin.Vorlin.metainfo.xml" \
  >"$work/appstream" 2>&1 || fail "appstreamcli validate: $(cat "$work/appstream")"
desktop-file-validate "$root/usr/share/applications/org.vorlin.Vorlin.desktop" ||
  fail "desktop-file-validate failed"
grep -qx 'Exec="/usr/bin/vorlin"' "$root/usr/share/applications/org.vorlin.Vorlin.desktop" ||
  fail "the menu entry does not start /usr/bin/vorlin"

# --- Completion, as bash with bash-completion runs it: <command line> then what it offers.
mkdir -p "$work/files/folder" && touch "$work/files/"{book.vcf,other.vcard,notes.txt}
help_options=$("$root/usr/bin/vorlin-export" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u | xargs)
completions=(
  "vorlin-export --|$help_options"
  "vorlin-export --address-book |book.vcf folder other.vcard"
  "vorlin-export --address-book=|book.vcf folder other.vcard"
  "vorlin-export --output |book.vcf folder notes.txt other.vcard"
  "vorlin-export --quiet --output=no|notes.txt"
)
for row in "${completions[@]}"; do
  line=${row%%|*} want=${row#*|}
  got=$(cd "$work/files" && PATH="$root/usr/bin:$PATH" bash --norc --noprofile -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    COMP_LINE=$2 COMP_POINT=${#2}
    # Split as bash does: at blanks, and "=" a word of its own.
    split_line=${2//=/ = }
    read -ra COMP_WORDS <<<"$split_line"
    [[ $split_line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _vorlin_export vorlin-export "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]-}"
    printf "%s\n" "${COMPREPLY[@]}" | sort | xargs' \
    bash "$root/usr/share/bash-completion/completions/vorlin-export" "$line")
  [ "$got" = "$want" ] || fail "completing '$line' offers '$got', not '$want'"
done

if [ "$failures" -ne 0 ]; then
  echo "check-package: $failures problem(s) in $deb" >&2
  exit 1
fi
echo "check-package: $deb is complete and works"

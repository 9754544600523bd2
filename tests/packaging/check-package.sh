#!/usr/bin/env bash
# Inspects the Debian package that scripts/package made, makes it again from the same build
# (build/default, or $VORLIN_BUILD_DIR) to see that it comes out the same, then unpacks it
# into a throw-away root and uses what it installs: vorlin-export writes the demo page, vorlin
# answers --help and --version without a display, the manual pages render without warnings
# and list the same options as --help, the software-centre entry and the menu entry validate,
# and bash completes vorlin-export's options, files and address books.
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
# Found by dpkg-shlibdeps (the web engine's helper process among them), then the ones no
# link shows.
for dependency in libc6 libqt6core6 libqt6gui6 libplist3 libqt6webenginecore6-bin \
  qt6-image-formats-plugins libqt6svg6; do
  [[ ", $depends," == *", $dependency"[\ ,]* ]] || fail "Depends lacks $dependency: $depends"
done
[[ ", $depends," == *", libebook-1.2-"* ]] || fail "Depends lacks libebook: $depends"
doubled=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | sort | uniq -d | xargs)
[ -z "$doubled" ] || fail "Depends names $doubled more than once: $depends"
# The engine's resources come with the engine; the address-book server only when asked for,
# since it pulls in much of another desktop.
[[ ", $depends," != *", libqt6webengine6-data"* ]] ||
  fail "Depends names libqt6webengine6-data, which libqt6webenginecore6 brings"
[ "$(dpkg-deb --field "$deb" Suggests)" = evolution-data-server ] ||
  fail "Suggests is not evolution-data-server, the server of the desktop's address books"
[ "$(dpkg-deb --field "$deb" Recommends)" = qt6-translations-l10n ] ||
  fail "Recommends is not qt6-translations-l10n, Qt's own texts in the window's language"
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

# --- Made again from the same build, it is the same file, byte for byte: every time in it is
# the last commit's (scripts/package sets it), and nothing else in it changes from one run to
# the next. Only the packing runs again, not the build.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct)}
times=$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk '{ print $4 " " $5 }' | sort -u)
[ "$times" = "$(date -u -d "@$epoch" '+%F %T')" ] ||
  fail "the files' times are $(xargs <<<"$times"), not the last commit's $(date -u -d "@$epoch")"
build_dir=${VORLIN_BUILD_DIR:-$source_dir/build/default}
if (cd "$build_dir" && SOURCE_DATE_EPOCH=$epoch cpack -G DEB -B "$work/again") >"$work/cpack" 2>&1; then
  again=$(ls "$work"/again/vorlin_*.deb)
  cmp -s "$deb" "$again" || fail "made again from $build_dir, the package differs:
$(diff <(dpkg-deb -I "$deb"; dpkg-deb -c "$deb") <(dpkg-deb -I "$again"; dpkg-deb -c "$again"))"
else
  fail "cpack cannot make the package again in $build_dir: $(tail -5 "$work/cpack")"
fi

# Its hardening tags are only informational to lintian, but a program that reads address books
# from anywhere without them is a fault here.
if command -v lintian >/dev/null; then
  lintian --fail-on error --display-info --suppress-tags-from-file /dev/null "$deb" \
    >"$work/lintian" 2>&1 || fail "lintian finds errors:
$(cat "$work/lintian")"
  ! grep -E '^[EWI]: vorlin: hardening-' "$work/lintian" ||
    fail "lintian finds programs built without hardening (cmake/VorlinPolicy.cmake)"
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
# vorlin without a display, through the launcher as installed: --help and --version answer
# (naming the command, not the program inside the bundle), and the window says in one line
# why it cannot open.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
# <option>|<status>|<where>|<what>: the first line of standard output, or all of standard
# error; the other stays empty.
commands=(
  "--help|0|out|Usage: vorlin [options] [address-book]"
  "--version|0|out|Vorlin $version"
  "|1|err|Vorlin: cannot open the window: neither DISPLAY nor WAYLAND_DISPLAY names a display"
)
for row in "${commands[@]}"; do
  IFS='|' read -r option want_status stream want <<<"$row"
  status=0
  "${headless[@]}" "$root/usr/bin/vorlin" ${option:+"$option"} >"$work/vorlin.out" 2>"$work/vorlin.err" || status=$?
  got=$(cat "$work/vorlin.$stream")
  [ "$stream" = err ] || got=$(head -1 <<<"$got")
  other=$work/vorlin.$([ "$stream" = out ] && echo err || echo out)
  [ "$status" = "$want_status" ] && [ "$got" = "$want" ] && [ ! -s "$other" ] ||
    fail "vorlin $option without a display ends with $status, '$got' and '$(cat "$other")'"
done
"${headless[@]}" "$here/compare-options.sh" "$root/usr/bin/vorlin" \
  "$root/usr/share/man/man1/vorlin.1.gz" || fail "vorlin --help and its manual page differ"

metainfo=$root/usr/share/metainfo/org.vorlin.Vorlin.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$work/appstream" 2>&1 ||
  fail "appstreamcli validate: $(cat "$work/appstream")"
# A software centre shows what the entry points at; a reserved example domain serves nothing.
! grep -nE '://([^/<"]*\.)?example\.(org|com|net)' "$metainfo" ||
  fail "the software-centre entry points at an address that cannot exist"
desktop=$root/usr/share/applications/org.vorlin.Vorlin.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate failed"
# "Open with Vorlin" for address books, the file handed to /usr/bin/vorlin, and one dock icon
# for the window (whose class is Vorlin) and the entry.
for line in 'Exec="/usr/bin/vorlin" %f' 'MimeType=text/vcard;text/x-vcard;' 'StartupWMClass=Vorlin'; do
  grep -qxF -- "$line" "$desktop" || fail "the menu entry lacks the line $line"
done
for type in text/vcard text/x-vcard; do
  grep -qF "<mediatype>$type</mediatype>" "$metainfo" ||
    fail "the software-centre entry does not declare $type"
done

# --- "Open with Vorlin" as a file manager does it: the entry's Exec line with %f replaced by
# an address book, in a virtual display. The window opens under the class that StartupWMClass
# names, on that file: one that is gone by then, which Vorlin names on standard error.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
eval "opening=(${exec_line//%f/\"\$work/gone book.vcf\"})"
opening[0]=$root${opening[0]}
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
# shellcheck disable=SC2016 # expanded by the shell inside the virtual display
WM_CLASS=$wm_class xvfb-run -a bash -c '
  "${@:2}" 2>"$1" &
  window=$(timeout 60 xdotool search --sync --onlyvisible --class "^$WM_CLASS\$" | head -1)
  kill $!
  [ -n "$window" ]' bash "$work/open.err" "${opening[@]}" ||
  fail "no window of class $wm_class opened from the menu entry: $(cat "$work/open.err")"
grep -qxF "Vorlin: $work/gone book.vcf: no such file or folder" "$work/open.err" ||
  fail "the window did not open the file from the menu entry: $(cat "$work/open.err")"

# --- Completion, as bash with bash-completion runs it: <which vorlin-export>|<command
# line>|<what it offers>. "books" stands in for a desktop with address books, "silent" for an
# address-book server that never answers; both leave everything but the listing to the
# installed program.
mkdir -p "$work/files/folder" && touch "$work/files/"{book.vcf,other.vcard,notes.txt}
for stub in books silent; do
  mkdir -p "$work/stubs/$stub"
  cat >"$work/stubs/$stub/vorlin-export" <<EOF
#!/bin/sh
if [ "\$1" = --list-address-books ]; then
  [ $stub = silent ] && exec sleep 60
  printf '/srv/contacts\tvCard\t3 contacts\n'
  printf 'eds:system-address-book\tPersonal\t12 contacts\tdefault\n'
  printf 'eds:1700000000.42@host\tWork\t? contacts\n'
  exit 0
fi
exec "$root/usr/bin/vorlin-export" "\$@"
EOF
  chmod +x "$work/stubs/$stub/vorlin-export"
done
help_options=$("$root/usr/bin/vorlin-export" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u | xargs)
files="book.vcf folder other.vcard"
books="/srv/contacts eds:1700000000.42@host eds:system-address-book"
sorted() { printf "%s\n" $* | sort | xargs; }
completions=(
  "books|vorlin-export --|$help_options"
  "books|vorlin-export -|$(sorted "$help_options" -h -v)"
  "books|vorlin-export --address-book |$(sorted "$books" "$files")"
  "books|vorlin-export --address-book=|$(sorted "$books" "$files")"
  "books|vorlin-export --address-book e|eds:1700000000.42@host eds:system-address-book"
  # After a colon bash replaces only what follows it.
  "books|vorlin-export --address-book eds:s|system-address-book"
  "books|vorlin-export --quiet --address-book=eds:|1700000000.42@host system-address-book"
  "silent|vorlin-export --address-book |$files"
  "books|vorlin-export --output |book.vcf folder notes.txt other.vcard"
  "books|vorlin-export --quiet --output=no|notes.txt"
)
for row in "${completions[@]}"; do
  IFS='|' read -r stub line want <<<"$row"
  started=$SECONDS
  got=$(cd "$work/files" && PATH="$work/stubs/$stub:$root/usr/bin:$PATH" bash --norc --noprofile -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    COMP_LINE=$2 COMP_POINT=${#2}
    # Split as bash does: at blanks, and "=" and ":" words of their own.
    split_line=${2//=/ = } split_line=${split_line//:/ : }
    read -ra COMP_WORDS <<<"$split_line"
    [[ $split_line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _vorlin_export vorlin-export "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]-}"
    printf "%s\n" "${COMPREPLY[@]}" | sort | xargs' \
    bash "$root/usr/share/bash-completion/completions/vorlin-export" "$line")
  [ "$got" = "$want" ] || fail "completing '$line' ($stub) offers '$got', not '$want'"
  [ $((SECONDS - started)) -le 5 ] || fail "completing '$line' ($stub) took $((SECONDS - started)) s"
done

if [ "$failures" -ne 0 ]; then
  echo "check-package: $failures problem(s) in $deb" >&2
  exit 1
fi
echo "check-package: $deb is complete and works"

#!/usr/bin/env bash
# Fails when a program's --help and its manual page list different options, naming each
# option that only one of them has, or when the manual's SYNOPSIS leaves out an option.
# Usage: compare-options.sh <program> <manual page, roff or .gz>
set -euo pipefail
program=$1 page=$2

# Option names (-x, --long) from the lines of a list that start with an option at the given
# indentation: the words up to the first that is neither an option nor its <ARGUMENT>.
options_of_list() {
  awk -v indent="$1" 'index($0, indent "-") == 1 {
    for (i = 1; i <= NF && $i ~ /^[-<]/; ++i)
      if ($i ~ /^-/) { sub(/,$/, "", $i); sub(/=.*/, "", $i); print $i }
  }' | sort -u
}

help_options=$("$program" --help | options_of_list "  ")
manual=$(MANWIDTH=200 LC_ALL=C.UTF-8 man -l "$page" 2>/dev/null)
# The tags of the OPTIONS section, as man shows them.
manual_options=$(sed -n '/^OPTIONS$/,/^[A-Z]/p' <<<"$manual" | options_of_list "       ")
# Every option the SYNOPSIS names, wherever on its lines.
synopsis_options=$(sed -n '/^SYNOPSIS$/,/^[A-Z]/p' <<<"$manual" |
  grep -oE -- '(^|[[ ])--?[[:alnum:]][[:alnum:]-]*' | tr -d '[ ' | sort -u)

if [ -z "$help_options" ] || [ -z "$manual_options" ]; then
  echo "compare-options: no options found in --help or in $page" >&2
  exit 1
fi
not_in_synopsis=$(comm -23 <(echo "$help_options") <(echo "$synopsis_options"))
for option in $not_in_synopsis; do
  echo "compare-options: $option is in --help but not in the SYNOPSIS of $page" >&2
done
only_help=$(comm -23 <(echo "$help_options") <(echo "$manual_options"))
only_manual=$(comm -13 <(echo "$help_options") <(echo "$manual_options"))
for option in $only_help; do
  echo "compare-options: $option is in --help but not in the manual page; describe it under OPTIONS in packaging/$(basename "${page%.gz}").scd" >&2
done
for option in $only_manual; do
  echo "compare-options: $option is in the manual page but not in --help" >&2
done
[ -z "$not_in_synopsis$only_help$only_manual" ]

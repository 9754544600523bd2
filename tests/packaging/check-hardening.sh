#!/usr/bin/env bash
# Fails unless every program given is built with the hardening of cmake/VorlinPolicy.cmake,
# naming what each one lacks. The package's lintian run sees part of it in stripped programs;
# this looks at the build's own, where main is still named.
# Usage: check-hardening.sh <program>...
set -euo pipefail
failures=0

# shellcheck disable=SC2034 # what readelf and objdump say is read by the tests, through eval
for program in "$@"; do
  symbols=$(readelf --dyn-syms --wide "$program")
  dynamic=$(readelf --dynamic --wide "$program")
  segments=$(readelf --program-headers --wide "$program")
  # The first instruction of main, which control-flow protection makes a landing pad.
  main=$(objdump --disassemble=main --no-show-raw-insn "$program" |
    awk 'entered == 1 { print; entered = 2 } /<main>:/ { entered = 1 }')
  # <what the program lacks>|<the test that shows it has it>
  while IFS='|' read -r what test; do
    eval "$test" || {
      echo "check-hardening: $program is built without $what" >&2
      failures=$((failures + 1))
    }
  done <<'EOF'
stack protection (-fstack-protector-strong)|grep -q ' __stack_chk_fail' <<<"$symbols"
fortified functions (-D_FORTIFY_SOURCE=2)|grep -qE ' __[a-z0-9_]+_chk(@|$)' <<<"$symbols"
read-only relocations (-z relro)|grep -q GNU_RELRO <<<"$segments"
immediate binding (-z now)|grep -qE 'BIND_NOW|FLAGS_1.* NOW' <<<"$dynamic"
control-flow protection (-fcf-protection)|grep -q endbr64 <<<"$main"
EOF
done
[ "$failures" -eq 0 ]

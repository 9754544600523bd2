#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command (a test program and its arguments) in a desktop session of its own: a fresh
# home and XDG folders, settings in memory, and a private session bus on which the
# address-book server starts when first asked. Nothing of the user's session is touched; the
# server ends with the bus, and the folders are removed.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d "${TMPDIR:-/tmp}/vorlin-eds.XXXXXX")
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/home" "$root/data" "$root/config" "$root/cache" "$root/runtime"
chmod 700 "$root/runtime"

export HOME="$root/home"
export XDG_DATA_HOME="$root/data" XDG_CONFIG_HOME="$root/config"
export XDG_CACHE_HOME="$root/cache" XDG_RUNTIME_DIR="$root/runtime"
export GSETTINGS_BACKEND=memory
unset DBUS_SESSION_BUS_ADDRESS DISPLAY WAYLAND_DISPLAY
# Sanitizer builds: what the client libraries keep until exit is not the test's leak. GLib is
# built without frame pointers, so only the slow unwinder reaches the library that allocated.
export LSAN_OPTIONS="suppressions=$here/libebook-lsan.supp:fast_unwind_on_malloc=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

timeout --kill-after=10 "${VORLIN_EDS_TEST_TIMEOUT:-240}" dbus-run-session -- "$@"

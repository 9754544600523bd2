#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs atspi_window_test.py in a desktop of its own, so tests running beside it are not
# disturbed: a free X display (xvfb-run -a), a private session bus on which the accessibility
# bus and its registry start when first asked, and fresh home, settings and runtime folders,
# removed afterwards.
# Usage: run-window-test.sh <Vorlin> <address book>
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d "${TMPDIR:-/tmp}/vorlin-a11y.XXXXXX")
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/home" "$root/config" "$root/data" "$root/cache" "$root/runtime"
chmod 700 "$root/runtime"

export HOME="$root/home" XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data"
export XDG_CACHE_HOME="$root/cache" XDG_RUNTIME_DIR="$root/runtime"
export GSETTINGS_BACKEND=memory
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS DISPLAY WAYLAND_DISPLAY

# -noreset: by default the server resets when its last client leaves and refuses or drops
# whoever connects meanwhile; clients come and go before Vorlin connects, so runs failed at
# random without it.
# Debian's python3, which has pyatspi (another python3 may come first on PATH).
timeout --kill-after=10 100 xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  dbus-run-session -- /usr/bin/python3 "$here/atspi_window_test.py" "$@"

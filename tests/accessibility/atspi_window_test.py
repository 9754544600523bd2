#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real Vorlin window over the accessibility bus, as a screen reader does.

Starts Vorlin on an address book and checks, through AT-SPI only:
  names    every control (focusable, or offering an action) has a name; a table counts as one
           control, its cells are not listed;
  Tab      pressing Tab walks every reachable control once, in the order of the window's
           layout (the settings column top to bottom, then the style sheet), and comes back
           round; focus inside the group table is the table;
  buttons  "Select none" and "Select all", pressed by their action, untick and tick every
           group in the table's "Include" column.
Web content (the preview) is outside the checks: Tab may pass through it.

Prints the controls and the Tab order, then every failure. Exit status 0 when all pass.
Run it in a desktop of its own (run-window-test.sh): a real X display, a private session bus,
private settings. The python3 must be Debian's (it has pyatspi).

Usage: atspi_window_test.py VORLIN ADDRESS_BOOK
"""

import argparse
import os
import signal
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

WINDOW_DEADLINE = 30.0  # the sanitizer build takes a while to show the window
ACTION_DEADLINE = 5.0
FOCUS_SETTLE = 0.6  # how long a Tab may take to move focus before it counts as stuck
LATE_FOCUS_GRACE = 2.0  # one more wait for late focus events before calling a trap
STUCK_PRESSES = 3
WEB_PRESSES = 30  # Tabs allowed inside the preview's page before focus must leave it
TAB_KEYSYM = 0xFF09
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def fail_now(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def ask_bus_address():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                          GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000, None)
    return reply.unpack()[0]


def ensure_accessibility_bus():
    """The session bus starts the accessibility bus when asked; without a service file for
    it, the launcher is started here. Returns the launcher this started, if any, and the
    accessibility bus's address."""
    try:
        return None, ask_bus_address()
    except GLib.Error as first:
        print(f"accessibility: the session bus did not start org.a11y.Bus ({first.message}); "
              f"starting {BUS_LAUNCHER}")
    launcher = subprocess.Popen([BUS_LAUNCHER], stdout=subprocess.DEVNULL)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        try:
            return launcher, ask_bus_address()
        except GLib.Error:
            time.sleep(0.2)
    launcher.terminate()
    fail_now("the accessibility bus (org.a11y.Bus) did not start")


def ensure_registry(address):
    """Asking the registry anything starts it on the accessibility bus."""
    flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT \
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
    try:
        bus = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
        bus.call_sync("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root",
                      "org.freedesktop.DBus.Peer", "Ping", None, None, Gio.DBusCallFlags.NONE,
                      10000, None)
        bus.close_sync(None)
    except GLib.Error as error:
        fail_now(f"the accessibility registry (org.a11y.atspi.Registry) did not start: "
                 f"{error.message}")


class Vorlin:
    """The program under test, in a process group of its own so its web engine helpers end
    with it."""

    def __init__(self, program, book):
        env = dict(os.environ)
        env.update({
            "QT_QPA_PLATFORM": "xcb",  # the offscreen platform has no accessibility bridge
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            # libxkbcommon-x11 copies X atom names that are not NUL-terminated with strndup,
            # which the strict string check reads past: a false report, under X only.
            "ASAN_OPTIONS": env.get("ASAN_OPTIONS", "") + ":strict_string_checks=0",
        })
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen([program, "--address-book", book], env=env,
                                        stdout=self.log, stderr=subprocess.STDOUT,
                                        start_new_session=True)

    def running(self):
        return self.process.poll() is None

    def stop(self):
        if self.running():
            os.killpg(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait()

    def log_tail(self, lines=40):
        self.log.seek(0)
        text = self.log.read().decode(errors="replace").splitlines()
        return "\n".join(text[-lines:])


def state(acc, which):
    return acc.getState().contains(which)


def actions(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def children(acc):
    try:
        found = [acc.getChildAtIndex(i) for i in range(acc.childCount)]
    except GLib.Error:
        return []
    return [child for child in found if child is not None]


def describe(acc):
    return f"{acc.getRoleName()} '{acc.name}'"


def path_of(acc):
    """Where an object sits, as (role, name, index) from the application down."""
    steps = []
    while acc is not None and acc.getRole() != pyatspi.ROLE_APPLICATION:
        steps.append((acc.getRoleName(), acc.name, acc.getIndexInParent()))
        acc = acc.parent
    return tuple(reversed(steps))


def show_path(path):
    return " / ".join(f"{role} '{name}'" for role, name, _ in path)


class Control:
    def __init__(self, acc):
        self.acc = acc
        self.path = path_of(acc)
        self.role, self.name = acc.getRoleName(), acc.name

    def __eq__(self, other):
        return isinstance(other, Control) and self.path == other.path

    def __hash__(self):
        return hash(self.path)

    def __str__(self):
        return f"{self.role} '{self.name}'"

    def where(self):
        return show_path(self.path)


# Parts of a control rather than controls: a table is named as a whole, and a scroll bar
# belongs to the area it scrolls (keyboard users scroll the area itself).
PART_ROLES = {pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TABLE_COLUMN_HEADER,
              pyatspi.ROLE_TABLE_ROW_HEADER, pyatspi.ROLE_SCROLL_BAR}


def is_part(acc):
    return acc.getRole() in PART_ROLES


class Window:
    """Vorlin's accessible tree: its frames, with the preview's web content set apart."""

    def __init__(self, app):
        self.app = app
        self.web_paths = set()

    def frames(self):
        return [child for child in children(self.app) if child.getRole() == pyatspi.ROLE_FRAME]

    def readiness(self):
        """None once the window is active and its group table shows, else what is missing."""
        frames = [frame for frame in self.frames() if frame.name == "Vorlin"]
        if not frames:
            return "no frame 'Vorlin'"
        if not state(frames[0], pyatspi.STATE_ACTIVE):
            return "frame 'Vorlin' is not active"
        table = self.find(pyatspi.ROLE_TABLE, "Groups")
        if table is None or not state(table, pyatspi.STATE_SHOWING):
            return "table 'Groups' does not show"
        return None

    def is_web(self, acc):
        if acc.getRole() == pyatspi.ROLE_DOCUMENT_WEB:
            return True
        path = path_of(acc)
        return any(path[:len(web)] == web for web in self.web_paths)

    def walk(self, reading_order=False):
        """Every object outside web content and combo boxes' lists, depth first. In reading
        order a split pane's panes go left to right, top to bottom, as they show."""
        stack = list(reversed(self.frames()))
        while stack:
            acc = stack.pop()
            kids = children(acc)
            if any(kid.getRole() == pyatspi.ROLE_DOCUMENT_WEB for kid in kids):
                self.web_paths.add(path_of(acc))
                continue
            if reading_order and acc.getRole() == pyatspi.ROLE_SPLIT_PANE:
                kids.sort(key=position)
            yield acc
            # A combo box's list is its popup, reached by the arrow keys, not by Tab.
            if acc.getRole() != pyatspi.ROLE_COMBO_BOX:
                stack.extend(reversed(kids))

    def controls(self, reading_order=False):
        found = []
        for acc in self.walk(reading_order):
            if is_part(acc):
                continue
            if state(acc, pyatspi.STATE_FOCUSABLE) or actions(acc):
                found.append(acc)
        return found

    def tab_stops(self):
        """The controls Tab should reach: focusable, on screen and enabled."""
        wanted = (pyatspi.STATE_FOCUSABLE, pyatspi.STATE_SHOWING, pyatspi.STATE_SENSITIVE)
        return [Control(acc) for acc in self.controls(reading_order=True)
                if all(state(acc, which) for which in wanted)]

    def find(self, role, name):
        return next((acc for acc in self.walk() if acc.getRole() == role and acc.name == name),
                    None)

    def focused(self):
        for acc in self.walk():
            if state(acc, pyatspi.STATE_FOCUSED):
                control = self.control_of(acc)
                if control is not None:
                    return control
        return None

    def control_of(self, acc):
        """The control that focus on acc is in: web content as a whole, a cell's table."""
        if self.is_web(acc):
            return WEB
        while acc is not None and is_part(acc):
            acc = acc.parent
        if acc is None or not state(acc, pyatspi.STATE_FOCUSABLE):
            return None
        return Control(acc)


WEB = "web content"


def position(acc):
    try:
        extents = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except (NotImplementedError, GLib.Error):
        return (0, 0)
    return (extents.x, extents.y)


def wait_for(predicate, seconds):
    deadline = time.monotonic() + seconds
    while True:
        value = predicate()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(0.1)


def find_window(vorlin):
    """Waits for Vorlin's window to be active with its group table showing."""
    missing = "no application 'Vorlin' on the bus"
    deadline = time.monotonic() + WINDOW_DEADLINE
    while vorlin.running() and time.monotonic() < deadline:
        for app in children(pyatspi.Registry.getDesktop(0)):
            if app.name == "Vorlin":
                window = Window(app)
                missing = window.readiness()
                if missing is None:
                    return window
        time.sleep(0.1)
    reason = "exited" if not vorlin.running() else \
        f"was not ready within {WINDOW_DEADLINE:.0f} s: {missing}"
    fail_now(f"Vorlin {reason}; its output ends:\n{vorlin.log_tail()}")


def check_names(window, failures):
    print("Controls (role, name):")
    for acc in window.controls():
        notes = [note for note, which in (("hidden", pyatspi.STATE_SHOWING),
                                          ("disabled", pyatspi.STATE_SENSITIVE))
                 if not state(acc, which)]
        print(f"  {describe(acc)}{' (' + ', '.join(notes) + ')' if notes else ''}")
        if not acc.name.strip():
            failures.append(f"unnamed {acc.getRoleName()} at {show_path(path_of(acc))}")


class FocusFollower:
    """Collects focus moves from object:state-changed:focused events."""

    def __init__(self, window):
        self.window = window
        self.moves = []
        self.context = GLib.MainContext.default()
        pyatspi.Registry.registerEventListener(self.on_event, "object:state-changed:focused")

    def on_event(self, event):
        if not event.detail1:
            return
        try:
            control = self.window.control_of(event.source)
        except GLib.Error:  # the object went away meanwhile
            return
        if control is not None:
            self.moves.append(control)

    def wait(self, seconds, until_any=True):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline and not (until_any and self.moves):
            while self.context.iteration(False):
                pass
            time.sleep(0.01)
        # Let the moves that follow the first one (table, then its cell) arrive too.
        end = time.monotonic() + 0.05
        while time.monotonic() < end:
            while self.context.iteration(False):
                pass
            time.sleep(0.01)
        moves, self.moves = self.moves, []
        return moves

    def close(self):
        pyatspi.Registry.deregisterEventListener(self.on_event, "object:state-changed:focused")


class TabWalk:
    """Presses Tab until focus comes back round to where it started, or gets stuck."""

    def __init__(self, window, expected):
        self.follower = FocusFollower(window)
        self.start = window.focused()
        self.current = self.start
        self.visited = [self.start] if isinstance(self.start, Control) else []
        self.web_seen = False
        self.problem = None
        self.limit = 2 * len(expected) + WEB_PRESSES

    def run(self):
        try:
            self.press_until_round()
        finally:
            self.follower.close()

    def press_until_round(self):
        stuck = web = 0
        for _ in range(self.limit):
            pyatspi.Registry.generateKeyboardEvent(TAB_KEYSYM, None, pyatspi.KEY_SYM)
            moved = self.follow(self.follower.wait(FOCUS_SETTLE))
            if not moved and self.current is not WEB:
                stuck += 1
                # A busy machine can be slow to tell: one longer wait before calling it a trap.
                if stuck >= STUCK_PRESSES:
                    moved = self.follow(self.follower.wait(LATE_FOCUS_GRACE, until_any=False))
                    if not moved:
                        self.problem = (f"Tab trap: {STUCK_PRESSES} presses of Tab do not leave "
                                        f"{self.where_focus_is()}")
                        return
            if moved:
                stuck = 0
            if self.problem or self.round_done():
                return
            web = web + 1 if self.current is WEB else 0
            if web >= WEB_PRESSES:
                self.problem = f"Tab stays in the preview's web content for {web} presses"
                return
        self.problem = f"focus did not come back round within {self.limit} presses of Tab"

    def where_focus_is(self):
        if self.current is None:
            return "the window (no control has focus)"
        return f"{self.current} ({self.current.where()})"

    def round_done(self):
        return len(self.visited) > 1 and self.current == self.start

    def follow(self, moves):
        """Takes in the focus moves of one press; True when focus reached another control."""
        moved = False
        for control in moves:
            if control == self.current:
                continue  # e.g. from cell to cell of the table
            moved = True
            self.current = control
            if control is WEB:
                self.web_seen = True
            elif self.start is None:
                self.start = control
                self.visited.append(control)
            elif control == self.start:
                return True
            elif control in self.visited:
                self.problem = (f"Tab goes back to {control} ({control.where()}) before coming "
                                f"round to {self.start}")
                return True
            else:
                self.visited.append(control)
        return moved


def check_tab_order(window, failures):
    """Returns the controls Tab reached."""
    expected = window.tab_stops()
    walk = TabWalk(window, expected)
    walk.run()
    print("Tab order:")
    for control in walk.visited:
        print(f"  {control}")
    if walk.web_seen:
        print("  (Tab also passed through the preview's web content)")
    if walk.problem:
        failures.append(walk.problem)
    if walk.start in expected:
        at = expected.index(walk.start)
        expected = expected[at:] + expected[:at]
    missed = [f"{control} ({control.where()})" for control in expected
              if control not in walk.visited]
    if missed:
        failures.append(f"Tab never reaches {len(missed)} controls:\n    " + "\n    ".join(missed))
    listed = {Control(acc) for acc in window.controls()}
    failures += [unexpected_stop(control, listed)
                 for control in walk.visited if control not in expected]
    if not walk.problem and set(walk.visited) == set(expected) and walk.visited != expected:
        failures.append("Tab order is not the window's layout order; expected:\n    "
                        + "\n    ".join(str(control) for control in expected))
    return walk.visited


def unexpected_stop(control, listed):
    if not control.name.strip():
        why = "which has no name"
    elif control not in listed:
        orphan = next((f"{role} '{name}'" for role, name, index in control.path if index < 0),
                      "one of its ancestors")
        why = (f"which is missing from the accessible tree: its parent does not list {orphan} "
               f"among its children")
    else:
        why = "which is hidden or disabled"
    return f"Tab reaches {control}, {why} ({control.where()})"


def include_cells(table):
    """The cells of the table's "Include" column, or None without that column."""
    grid = table.queryTable()
    columns = [c for c in range(grid.nColumns) if grid.getColumnDescription(c) == "Include"]
    if not columns:
        return None
    return [grid.getAccessibleAt(row, columns[0]) for row in range(grid.nRows)]


def press(button):
    names = actions(button)
    for index, name in enumerate(names):
        if name.lower() in ("press", "click"):
            button.queryAction().doAction(index)
            return None
    return f"{describe(button)} has no press action (it has {names or 'none'})"


def check_group_buttons(window, failures, reached):
    """Presses the buttons as found in the tree; one that is missing there but that Tab
    reached is pressed all the same, to tell whether its action works."""
    table = window.find(pyatspi.ROLE_TABLE, "Groups")
    if table is None:
        failures.append("no table 'Groups' on the bus")
        return
    cells = wait_for(lambda: include_cells(table), ACTION_DEADLINE)
    if not cells:
        failures.append("table 'Groups' has no rows under a column 'Include'")
        return
    for name, ticked in (("Select none", False), ("Select all", True)):
        button = window.find(pyatspi.ROLE_PUSH_BUTTON, name)
        if button is None:
            failures.append(f"push button '{name}' is not in the window's accessible tree")
            button = next((control.acc for control in reached
                           if control.role == "push button" and control.name == name), None)
            if button is None:
                continue
        problem = press(button)
        if problem:
            failures.append(problem)
            continue

        def wrong():
            return [cell.name for cell in include_cells(table)
                    if state(cell, pyatspi.STATE_CHECKED) != ticked]

        if wait_for(lambda: not wrong(), ACTION_DEADLINE):
            print(f"Pressed '{name}': every group is {'ticked' if ticked else 'unticked'}")
        else:
            failures.append(f"after pressing '{name}' these groups are still "
                            f"{'unticked' if ticked else 'ticked'}: {', '.join(wrong())}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("book")
    args = parser.parse_args()
    sys.stdout.reconfigure(line_buffering=True)  # in step with what the programs print

    # Before anything of pyatspi: it settles on a bus when first used.
    launcher, address = ensure_accessibility_bus()
    ensure_registry(address)
    started = time.monotonic()
    vorlin = Vorlin(args.program, args.book)
    failures = []
    try:
        window = find_window(vorlin)
        print(f"Window on the bus after {time.monotonic() - started:.1f} s")
        check_names(window, failures)
        reached = check_tab_order(window, failures)
        check_group_buttons(window, failures, reached)
    except GLib.Error as error:  # Vorlin, or the bus, went away in the middle of a call
        failures.append(f"the accessibility bus stopped answering ({error.message})")
    finally:
        if not vorlin.running():
            failures.append(f"Vorlin exited during the checks; its output ends:\n"
                            f"{vorlin.log_tail()}")
        vorlin.stop()
        if launcher:
            launcher.terminate()
            launcher.wait(10)
    print(f"Checked in {time.monotonic() - started:.1f} s")
    for failure in failures:
        print(f"FAIL: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

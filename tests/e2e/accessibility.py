"""Reads the running program as a screen reader does, over AT-SPI: types 4, 7, 100 with real
keys, picks 5 %, presses F5 and checks what the bands and the resistor say; presses
"Очистить" through its accessible action; checks that nothing showing is left unnamed; and
lets another program, the first argument, take the activation and give it back, which the
main window tells once each, in their order."""
import shlex
import subprocess
import sys
import time
from pathlib import Path

import pyatspi
from gi.repository import GLib


def literals():
    """The program's facts from the tests' one file of them, NAME=value lines."""
    path = Path(__file__).resolve().parent.parent / "support" / "literals.env"
    pairs = (shlex.split(line, comments=True) for line in path.read_text(encoding="utf-8").splitlines())
    return dict(pair[0].split("=", 1) for pair in pairs if pair)


FACTS = literals()
MAIN_TITLE = FACTS["MAIN_TITLE"]
BODY = FACTS["BODY_NAME"]
LEGEND = FACTS["LEGEND_NAMES"].split()
failures = []
name_changes = []
window_events = []


def pump(seconds=0.0):
    """Lets AT-SPI deliver what is queued, for at least the given time."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_until(condition, timeout=30.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump()
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    return condition()


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}: expected {expected!r}, got {got!r}")


def descendants(accessible):
    yield accessible
    for child in accessible:
        if child is not None:
            yield from descendants(child)


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def window_titled(title):
    """The program's window of that title, or None."""
    for application in pyatspi.Registry.getDesktop(0):
        if application is None or application.name != FACTS["PROGRAM_COMMAND"]:
            continue
        for window in application:
            if window is not None and window.name == title:
                return window
    return None


def main_window():
    return window_titled(MAIN_TITLE)


def named(window, role, name):
    """The object of that role and name; roles by their AT-SPI number, whose names each
    release words its own way ("push button" or "button")."""
    return next((a for a in descendants(window)
                 if a.getRole() == role and a.name == name), None)


def drawing(window):
    """The resistor's name, then the four bands' names, in order."""
    images = [a.name for a in descendants(window) if a.getRole() == pyatspi.ROLE_IMAGE]
    resistor = [name for name in images if name.startswith("Резистор: ")]
    bands = sorted(name for name in images if name.startswith("Полоса "))
    return (resistor[0] if len(resistor) == 1 else None), bands


def legend_showing(window):
    return sorted(a.name for a in descendants(window)
                  if a.getRole() == pyatspi.ROLE_LABEL and a.name in LEGEND and showing(a))


def unnamed_showing(window):
    return [f"{a.getRoleName()} in {a.parent.getRoleName()} '{a.parent.name}'"
            for a in descendants(window) if showing(a) and not a.name.strip()]


def on_name_change(event):
    name_changes.append((event.source.getRole(), event.source.name))


def on_window_event(event):
    if event.source is not None and event.source.name == MAIN_TITLE:
        window_events.append(event.type)


def activate(title):
    """Has the window manager activate the window of that title, as a click on it would."""
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                            check=True, capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowactivate", "--sync", window], check=True)


def activation_told_once(other_program):
    """Another program takes the activation, then the main window gets it back: the main window
    says it was deactivated, then activated, each once. Said in the opposite order first, the
    activation may be lost to a screen reader, and the focus that follows it."""
    pump()
    window_events.clear()
    other = subprocess.Popen([other_program, "другая программа"])
    try:
        wait_until(lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "^drag source$"],
            capture_output=True).returncode == 0)
        activate("drag source")
        wait_until(lambda: "window:deactivate" in window_events)
        activate(MAIN_TITLE)
        wait_until(lambda: window_events[-1:] == ["window:activate"])
        check("the main window's activation events", window_events,
              ["window:deactivate", "window:activate"])
    finally:
        other.terminate()
        other.wait()


def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check(f"actions of '{accessible.name}'", names[:1], ["Press"])
    action.doAction(0)


def main():
    window = wait_until(main_window)
    if window is None:
        print("FAIL: the main window is not in the accessibility tree", file=sys.stderr)
        return 1
    pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(on_window_event, "window:activate", "window:deactivate")

    # Before anything is solved: bands without colour, the legend hidden.
    check("resistor at start", drawing(window),
          (f"Резистор: {BODY}, {BODY}, {BODY}, {BODY}",
           [f"Полоса 1, первая цифра: {BODY}", f"Полоса 2, вторая цифра: {BODY}",
            f"Полоса 3, множитель: {BODY}", f"Полоса 4, допуск: {BODY}"]))
    check("legend showing at start", legend_showing(window), [])

    subprocess.run(["xdotool", "type", "--delay", "40", "47100"], check=True)
    wait_until(lambda: named(window, pyatspi.ROLE_LABEL, "4,7 КОм"))
    named(window, pyatspi.ROLE_RADIO_BUTTON, "5%").queryAction().doAction(0)
    subprocess.run(["xdotool", "key", "F5"], check=True)

    solved = "Резистор: Желтый, Фиолетовый, Красный, Золотой"
    wait_until(lambda: drawing(window)[0] == solved)
    check("resistor after F5", drawing(window),
          (solved, ["Полоса 1, первая цифра: Желтый", "Полоса 2, вторая цифра: Фиолетовый",
                    "Полоса 3, множитель: Красный", "Полоса 4, допуск: Золотой"]))
    wait_until(lambda: (pyatspi.ROLE_IMAGE, solved) in name_changes)
    check("name change of the resistor after F5", (pyatspi.ROLE_IMAGE, solved) in name_changes,
          True)
    wait_until(lambda: len(legend_showing(window)) == len(LEGEND))
    check("legend showing after F5", legend_showing(window), sorted(LEGEND))
    check("showing objects without a name, solved", unnamed_showing(window), [])

    clear = named(window, pyatspi.ROLE_PUSH_BUTTON, "Очистить")
    if clear is None:
        failures.append("no push button 'Очистить'")
    else:
        press(clear)
        cleared = f"Резистор: {BODY}, {BODY}, {BODY}, {BODY}"
        wait_until(lambda: drawing(window)[0] == cleared)
        check("resistor after Очистить", drawing(window)[0], cleared)
        check("legend showing after Очистить", wait_until(lambda: legend_showing(window) == [])
              and legend_showing(window), [])
    for command in ("F5 - Решить", "Выход"):
        check(f"push button '{command}'",
              named(window, pyatspi.ROLE_PUSH_BUTTON, command) is not None, True)
    check("showing objects without a name, cleared", unnamed_showing(window), [])
    activation_told_once(sys.argv[1])

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

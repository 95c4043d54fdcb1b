"""Enters 4, 7, 100 and 5 % into the running program and solves it, all over AT-SPI, as on a
Wayland desktop where no X input reaches it; waits until the resistor is named with the
answer."""
import sys

import pyatspi

from accessibility import drawing, main_window, named, wait_until

ANSWER = "Резистор: Желтый, Фиолетовый, Красный, Золотой"


def main():
    window = wait_until(main_window)
    if window is None:
        print("FAIL: the main window is not in the accessibility tree", file=sys.stderr)
        return 1
    for field, text in (("1 цифра", "4"), ("2 цифра", "7"), ("Множитель", "100")):
        entry = named(window, pyatspi.ROLE_TEXT, field)
        if entry is None or not entry.queryEditableText().setTextContents(text):
            print(f"FAIL: the field '{field}' took no text", file=sys.stderr)
            return 1
    if not wait_until(lambda: named(window, pyatspi.ROLE_LABEL, "4,7 КОм")):
        print("FAIL: the readout did not show 4,7 КОм", file=sys.stderr)
        return 1
    named(window, pyatspi.ROLE_RADIO_BUTTON, "5%").queryAction().doAction(0)
    named(window, pyatspi.ROLE_PUSH_BUTTON, "F5 - Решить").queryAction().doAction(0)
    if not wait_until(lambda: drawing(window)[0] == ANSWER):
        print(f"FAIL: after Решить the resistor says {drawing(window)[0]!r}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

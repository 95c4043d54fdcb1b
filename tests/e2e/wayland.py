"""Enters 4, 7, 100 and 5 % into the running program and solves it, all over AT-SPI, as on a
Wayland desktop where no X input reaches it; waits until the resistor is named with the
answer. With "reading", opens the reading window from its menu item instead, puts 4,7к on its
bands through the nominal field and its button, and reads the bands and the answer. With "smd",
opens the SMD window from its menu item, types the worked part's marking and reads the answer.
With "combination", opens the window that makes a value of parts from its menu item, types a
value and reads its best answer among the items of its list."""
import sys

import pyatspi

from accessibility import (FACTS, descendants, drawing, main_window, named, wait_until,
                           window_titled)

ANSWER = "Резистор: Желтый, Фиолетовый, Красный, Золотой"


def opened(window, caption, title):
    """The window that the menu item opens, or None, said why."""
    item = named(window, pyatspi.ROLE_MENU_ITEM, caption)
    if item is None:
        print(f"FAIL: no menu item '{caption}'", file=sys.stderr)
        return None
    item.queryAction().doAction(0)
    other = wait_until(lambda: window_titled(title))
    if other is None:
        print(f"FAIL: the menu item '{caption}' opened no window '{title}'", file=sys.stderr)
    return other


def smd(window):
    other = opened(window, "Номинал по маркировке SMD", FACTS["SMD_TITLE"])
    if other is None:
        return 1
    field = wait_until(lambda: named(other, pyatspi.ROLE_TEXT, "Маркировка"))
    if field is None or not field.queryEditableText().setTextContents(FACTS["SMD_MARKING"]):
        print("FAIL: the marking field took no text", file=sys.stderr)
        return 1
    answer = " ".join(FACTS["SMD_ANSWER"].split("|"))
    if not wait_until(lambda: named(other, pyatspi.ROLE_LABEL, answer)):
        print(f"FAIL: the SMD window did not answer {FACTS['SMD_MARKING']}", file=sys.stderr)
        return 1
    return 0


def combination(window):
    other = opened(window, "Подбор из стандартных номиналов", FACTS["COMBINATION_TITLE"])
    if other is None:
        return 1
    field = wait_until(lambda: named(other, pyatspi.ROLE_TEXT, "Нужный номинал"))
    if field is None or not field.queryEditableText().setTextContents(
            FACTS["COMBINATION_TARGET"]):
        print("FAIL: the value field took no text", file=sys.stderr)
        return 1
    if not wait_until(lambda: named(other, pyatspi.ROLE_LIST_ITEM, FACTS["COMBINATION_BEST"])):
        print(f"FAIL: no item of the list named '{FACTS['COMBINATION_BEST']}'", file=sys.stderr)
        return 1
    return 0


def reading(window):
    other = opened(window, "Номинал по цветам", FACTS["READING_TITLE"])
    if other is None:
        return 1
    field = wait_until(lambda: named(other, pyatspi.ROLE_TEXT, "Номинал, чтобы поставить на полосы"))
    if field is None or not field.queryEditableText().setTextContents("4,7к"):
        print("FAIL: the nominal field took no text", file=sys.stderr)
        return 1
    named(other, pyatspi.ROLE_PUSH_BUTTON, "Поставить полосы").queryAction().doAction(0)
    # The answer, and each band's list by name with its selected item.
    expected = [" ".join(FACTS["WORKED_PART_ANSWER"].split("|"))] + [
        f"{band}: {item}" for band, item in zip(FACTS["WORKED_PART_LISTS"].split("|"),
                                                FACTS["WORKED_PART_ITEMS"].split("|"))]

    def answered():
        names = {a.name for a in descendants(other) if a.getRole() == pyatspi.ROLE_LABEL}
        names |= {f"{a.name}: {item.name}" for a in descendants(other)
                  if a.getRole() == pyatspi.ROLE_LIST for item in a
                  if item.getState().contains(pyatspi.STATE_SELECTED)}
        return all(name in names for name in expected)
    if not wait_until(answered):
        print("FAIL: the reading window did not answer 4,7 КОм ±5 % with its four bands",
              file=sys.stderr)
        return 1
    return 0


def main():
    window = wait_until(main_window)
    if window is None:
        print("FAIL: the main window is not in the accessibility tree", file=sys.stderr)
        return 1
    if sys.argv[1:] == ["reading"]:
        return reading(window)
    if sys.argv[1:] == ["smd"]:
        return smd(window)
    if sys.argv[1:] == ["combination"]:
        return combination(window)
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

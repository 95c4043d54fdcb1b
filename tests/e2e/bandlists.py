"""The reading window as a screen reader meets it over AT-SPI: F6 opens it from the main window;
each band is a list named for the band, one list item per colour it may carry, named as the
colour means there; the worked part is picked with real keys, and the focus and the selection
follow each key to the item chosen; the answer is read, and copied by its button to the
clipboard, where another program reads it; a real click on the multiplier's first item, found
by its extents, makes it pink, on the screen too; a fifth band shown has its items showing.
Escape closes the window, and F6 opens it again. With "point NAME", prints where the reading
window's list item of that name is on the screen, "X Y", for another test to click."""
import subprocess
import sys

import pyatspi

from accessibility import (FACTS, check, descendants, failures, main_window, named, wait_until,
                           window_titled)

READING_TITLE = FACTS["READING_TITLE"]
LISTS = FACTS["WORKED_PART_LISTS"].split("|")
ITEMS = FACTS["WORKED_PART_ITEMS"].split("|")
# The answer's statements, spoken one after another.
STATEMENTS = FACTS["WORKED_PART_ANSWER"].split("|")
PINK = "FF80C0"
RED = "FF0000"
SCALE = [1.0]
focused_items = []


def measure_scale(window):
    """How many of the screen's pixels a pixel of AT-SPI's extents is: Qt releases give them
    in logical pixels or in the screen's, so the window's width as X has it tells."""
    native = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{READING_TITLE}$",
                             "getwindowgeometry", "--shell"],
                            check=True, capture_output=True, text=True).stdout
    width = int(next(line for line in native.splitlines() if line.startswith("WIDTH="))[6:])
    SCALE[0] = width / window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width


def on_screen(accessible):
    """The object's extents in the screen's pixels: x, y, width, height."""
    extents = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return [round(value * SCALE[0]) for value in extents]


def reading_window():
    return window_titled(READING_TITLE)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def answer(window):
    """The answer's label: the one whose name begins with the nominal or the missing band."""
    return next((a.name for a in descendants(window) if a.getRole() == pyatspi.ROLE_LABEL
                 and a.name.startswith(("Номинал: ", "Не выбрана"))), None)


def band_list(window, number):
    """The list of band NUMBER, by its name, "Полоса 3, …"."""
    return next((a for a in descendants(window) if a.getRole() == pyatspi.ROLE_LIST
                 and a.name.startswith(f"Полоса {number}, ")), None)


def items(band):
    return [item for item in band if item is not None]


def chosen(band):
    """The names of the band's selected items."""
    return [item.name for item in items(band)
            if item.getState().contains(pyatspi.STATE_SELECTED)]


def drawn_colour(window, number):
    """The colour the screen shows in the middle of the drawn band NUMBER, as RRGGBB."""
    drawn = next(a for a in descendants(window) if a.getRole() == pyatspi.ROLE_IMAGE
                 and a.name.startswith(f"Полоса {number}, "))
    x, y, width, height = on_screen(drawn)
    pixel = subprocess.run(["import", "-window", "root", "-crop",
                            f"1x1+{x + width // 2}+{y + height // 2}", "-depth", "8", "txt:-"],
                           check=True, capture_output=True, text=True).stdout
    return pixel.splitlines()[-1].split("#")[1][:6]


def on_focus(event):
    if event.detail1 and event.source is not None \
            and event.source.getRole() == pyatspi.ROLE_LIST_ITEM:
        focused_items.append(event.source.name)


def clipboard():
    return subprocess.run(["xclip", "-selection", "clipboard", "-o"],
                          capture_output=True, text=True).stdout


def main():
    if wait_until(main_window) is None:
        print("FAIL: the main window is not in the accessibility tree", file=sys.stderr)
        return 1
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    keys("F6")
    window = wait_until(reading_window)
    if window is None:
        print("FAIL: F6 opened no reading window", file=sys.stderr)
        return 1
    wait_until(lambda: answer(window))
    measure_scale(window)
    check("answer at start", answer(window), "Не выбрана полоса 1: первая цифра.")

    # Four lists, named for their bands alone, each item a colour with its meaning there,
    # standing at its swatch, in a row inside its list; none chosen yet.
    lists = [band_list(window, number) for number in range(1, 5)]
    if None in lists:
        print("FAIL: not four lists of bands", file=sys.stderr)
        return 1
    check("the lists' names", [band.name for band in lists], LISTS)
    check("items per list", [len(items(band)) for band in lists], [10, 10, 13, 10])
    check("roles of the items", {item.getRole() for band in lists for item in items(band)},
          {pyatspi.ROLE_LIST_ITEM})
    check("first items", [items(band)[0].name for band in lists],
          ["Черный, 0", "Черный, 0", "Розовый, ×0,001", "Серебряный, ±10 %"])
    check("selected at start", [chosen(band) for band in lists], [[], [], [], []])
    row = [on_screen(item) for item in items(lists[2])]
    x, y, width, height = on_screen(lists[2])
    check("the multiplier's items in a row inside it",
          all(x <= left and left + w <= x + width + 1 and y <= top and top + h <= y + height + 1
              for left, top, w, h in row)
          and [left for left, _, _, _ in row] == sorted(left for left, _, _, _ in row), True)

    keys(*FACTS["WORKED_PART_KEYS"].split())
    expected = " ".join(STATEMENTS)
    wait_until(lambda: answer(window) == expected)
    check("answer of the worked part", answer(window), expected)
    check("chosen items", [chosen(band) for band in lists], [[item] for item in ITEMS])
    wait_until(lambda: focused_items[-1:] == [ITEMS[3]])
    # The focus on each item the keys chose, the tolerance's two steps right included.
    check("items focused by the keys", focused_items,
          ITEMS[:3] + ["Серебряный, ±10 %", ITEMS[3]])
    gold = next(item for item in items(lists[3]) if item.name == ITEMS[3])
    check("the chosen item has the focus", gold.getState().contains(pyatspi.STATE_FOCUSED), True)
    # Back to a list where a colour is chosen: the focus is on that colour.
    keys("shift+Tab")
    wait_until(lambda: focused_items[-1:] == [ITEMS[2]])
    check("focus on the multiplier's list", focused_items[-1:], [ITEMS[2]])
    check("drawn band 3", drawn_colour(window, 3), RED)

    copy = named(window, pyatspi.ROLE_PUSH_BUTTON, "Копировать")
    subprocess.run(["xclip", "-selection", "clipboard", "-i", "/dev/null"], check=True)
    copy.queryAction().doAction(0)
    copied = "\n".join([f"{name}: {item}" for name, item in zip(LISTS, ITEMS)] + STATEMENTS)
    wait_until(lambda: clipboard() == copied)
    check("the answer on the clipboard", clipboard(), copied)

    pink = items(lists[2])[0]
    x, y, width, height = on_screen(pink)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"],
                   check=True)
    wait_until(lambda: chosen(lists[2]) == ["Розовый, ×0,001"])
    check("band 3 after a click on its first item", chosen(lists[2]), ["Розовый, ×0,001"])
    check("answer after the click", (answer(window) or "").split(" Допуск")[0],
          "Номинал: 0,047 Ом")
    check("drawn band 3 after the click", drawn_colour(window, 3), PINK)

    five = named(window, pyatspi.ROLE_RADIO_BUTTON, "5 полос")
    five.queryAction().doAction(0)
    # The third band is a figure now, the fourth the multiplier: each list holds the colours of
    # its new role, and the fifth band's items are on the screen.
    def five_lists():
        lists = [band_list(window, number) for number in range(1, 6)]
        return None not in lists and [len(items(band)) for band in lists] == [10, 10, 10, 13, 10] \
            and [items(band)[0].name for band in lists[2:4]] == ["Черный, 0", "Розовый, ×0,001"] \
            and all(item.getState().contains(pyatspi.STATE_SHOWING) for item in items(lists[4]))
    check("five lists of their roles' colours, the fifth showing", wait_until(five_lists), True)

    keys("Escape")
    check("closed by Escape", wait_until(lambda: reading_window() is None, 10) or
          reading_window() is None, True)
    keys("F6")
    check("opened again by F6", wait_until(reading_window) is not None, True)

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


def point(name):
    window = reading_window()
    if window is None:
        return 1
    measure_scale(window)
    item = next((a for a in descendants(window) if a.getRole() == pyatspi.ROLE_LIST_ITEM
                 and a.name == name and a.getState().contains(pyatspi.STATE_SHOWING)), None)
    if item is None:
        return 1
    x, y, width, height = on_screen(item)
    print(x + width // 2, y + height // 2)
    return 0


if __name__ == "__main__":
    sys.exit(point(sys.argv[2]) if sys.argv[1:2] == ["point"] else main())

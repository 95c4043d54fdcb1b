"""The reading window as its users meet it: F6 opens it from the main window; a 1 % part of a
hobby kit (brown, black, black, red, brown) is picked with real digit keys and Tab on five bands;
a real click on the multiplier's first swatch makes it pink; the answer and the bands are read
over AT-SPI, and the drawn bands from the screen. Escape closes it, and F6 opens it again."""
import subprocess
import sys

import pyatspi

from accessibility import (FACTS, check, descendants, failures, main_window, wait_until,
                           window_titled)

READING_TITLE = FACTS["READING_TITLE"]
PINK = "FF80C0"
RED = "FF0000"
SCALE = [1.0]


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


def band(window, number):
    """The name of band NUMBER's picker, the object that has the keyboard while it is chosen."""
    prefix = f"Полоса {number}, "
    return next((a for a in descendants(window) if a.name.startswith(prefix)
                 and a.getRole() not in (pyatspi.ROLE_IMAGE, pyatspi.ROLE_LABEL)), None)


def drawn_colour(window, number):
    """The colour the screen shows in the middle of the drawn band NUMBER, as RRGGBB."""
    drawn = next(a for a in descendants(window) if a.getRole() == pyatspi.ROLE_IMAGE
                 and a.name.startswith(f"Полоса {number}, "))
    x, y, width, height = on_screen(drawn)
    pixel = subprocess.run(["import", "-window", "root", "-crop",
                            f"1x1+{x + width // 2}+{y + height // 2}", "-depth", "8", "txt:-"],
                           check=True, capture_output=True, text=True).stdout
    return pixel.splitlines()[-1].split("#")[1][:6]


def main():
    if wait_until(main_window) is None:
        print("FAIL: the main window is not in the accessibility tree", file=sys.stderr)
        return 1
    keys("F6")
    window = wait_until(reading_window)
    if window is None:
        print("FAIL: F6 opened no reading window", file=sys.stderr)
        return 1
    wait_until(lambda: answer(window))
    measure_scale(window)
    check("answer at start", answer(window), "Не выбрана полоса 1: первая цифра.")
    five = next((a for a in descendants(window) if a.getRole() == pyatspi.ROLE_RADIO_BUTTON
                 and a.name == "5 полос"), None)
    if five is None:
        failures.append("no option '5 полос'")
    else:
        five.queryAction().doAction(0)
        wait_until(lambda: band(window, 5) is not None)
    keys("shift+Tab", "Tab", "1", "Tab", "0", "Tab", "0", "Tab", "2", "Tab", "1")
    expected = ("Номинал: 10 КОм Допуск ±1 %: от 9,9 до 10,1 КОм Стандартный ряд: E6 "
                "(IEC 60063) Код: 10K0F")
    wait_until(lambda: (answer(window) or "").startswith(expected))
    check("answer of brown, black, black, red, brown", (answer(window) or "")[:len(expected)],
          expected)
    check("band 4", band(window, 4).name, "Полоса 4, множитель: Красный, ×100")
    check("drawn band 4", drawn_colour(window, 4), RED)

    picker = band(window, 4)
    x, y, _, height = on_screen(picker)
    subprocess.run(["xdotool", "mousemove", str(x + round(8 * SCALE[0])), str(y + height // 2),
                    "click", "1"],
                   check=True)
    pink = "Полоса 4, множитель: Розовый, ×0,001"
    wait_until(lambda: band(window, 4).name == pink)
    check("band 4 after a click on its first swatch", band(window, 4).name, pink)
    check("answer after the click", (answer(window) or "").split(" Допуск")[0],
          "Номинал: 0,1 Ом")
    check("drawn band 4 after the click", drawn_colour(window, 4), PINK)

    keys("Escape")
    check("closed by Escape", wait_until(lambda: reading_window() is None, 10) or
          reading_window() is None, True)
    keys("F6")
    check("opened again by F6", wait_until(reading_window) is not None, True)

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

#pragma once

// The part that the tests of the reading window read, each in its own way, written once for the
// Qt tests (the shell and Python tests have it in literals.env): yellow, violet, red, gold, the
// keys 4, 7, 2 and two steps right, and the answer it gives, a statement a line. Worked out by
// hand from IEC 60062 and IEC 60063.
namespace workedpart {

// As the part code's tests write bands: the colours' initials.
inline constexpr char16_t Bands[] = u"YE VT RD GD";
inline constexpr char16_t Answer[] = u"Номинал: 4,7 КОм\nДопуск ±5 %: от 4,465 до 4,935 КОм\n"
                                     u"Стандартный ряд: E6 (IEC 60063)\nКод: 4K7J";

} // namespace workedpart

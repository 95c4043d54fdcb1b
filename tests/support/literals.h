#pragma once

#include <QColor>

// What the user sees, written out once for every test that checks it: the code colours with
// their names in the legend's words, and the title of the program's boxes. Literal values,
// never the program's own tables.
namespace literal {

struct NamedColour
{
    const char16_t *name;
    int red, green, blue;

    QColor colour() const { return QColor(red, green, blue); }
};

inline constexpr NamedColour Black {u"Черный", 0, 0, 0};
inline constexpr NamedColour Brown {u"Коричневый", 128, 64, 0};
inline constexpr NamedColour Red {u"Красный", 255, 0, 0};
inline constexpr NamedColour Orange {u"Оранжевый", 255, 128, 0};
inline constexpr NamedColour Yellow {u"Желтый", 255, 255, 0};
inline constexpr NamedColour Green {u"Зеленый", 0, 128, 0};
inline constexpr NamedColour Blue {u"Синий", 0, 0, 255};
inline constexpr NamedColour Violet {u"Фиолетовый", 128, 0, 255};
inline constexpr NamedColour Grey {u"Серый", 221, 221, 221};
inline constexpr NamedColour White {u"Белый", 255, 255, 255};
inline constexpr NamedColour Gold {u"Золотой", 221, 193, 2};
inline constexpr NamedColour Silver {u"Серебряный", 214, 243, 248};
// The multiplier ×0,001, which only the reading window has.
inline constexpr NamedColour Pink {u"Розовый", 255, 128, 192};
// The body of the drawn resistor, which a band without colour shows.
inline constexpr NamedColour Body {u"Без цвета", 255, 192, 128};

// The colours of the digits 0 to 9.
inline constexpr NamedColour Digits[]
    = {Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White};

// The title of the about window's caption and of every message box.
inline constexpr char16_t ProgramTitle[] = u"Цветознак v1.0";

} // namespace literal

#include "names.h"

#include <QStringList>
#include <QStringView>

using namespace Qt::StringLiterals;

namespace colourcode {

QString ColourName(CodeColour colour)
{
    // In the order of the colour table's rows; the legend captions its swatches from here.
    static constexpr std::array<QStringView, CodeColourCount + 1> names {
        u"Серебряный",
        u"Золотой",
        u"Черный",
        u"Коричневый",
        u"Красный",
        u"Оранжевый",
        u"Желтый",
        u"Зеленый",
        u"Синий",
        u"Фиолетовый",
        u"Серый",
        u"Белый",
        u"Без цвета",
    };
    return names[static_cast<std::size_t>(colour)].toString();
}

QString BandName(int band, CodeColour colour)
{
    static constexpr std::array<QStringView, 4> roles {
        u"первая цифра",
        u"вторая цифра",
        u"множитель",
        u"допуск",
    };
    if (band < 1 || band > static_cast<int>(roles.size()))
        return ColourName(colour);
    return u"Полоса %1, %2: %3"_s.arg(band).arg(
        roles[static_cast<std::size_t>(band - 1)], ColourName(colour));
}

QString ResistorName(const std::array<CodeColour, 4> &bands)
{
    QStringList colours;
    for (const CodeColour colour : bands)
        colours.append(ColourName(colour));
    return u"Резистор: "_s + colours.join(u", "_s);
}

} // namespace colourcode

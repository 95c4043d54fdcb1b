#include "colourcode/names.h"

#include <QStringList>
#include <QStringView>

using namespace Qt::StringLiterals;

namespace colourcode {

QString ColourName(CodeColour colour)
{
    if (colour == CodeColour::ColorBody)
        return u"Без цвета"_s;
    return CodeColours[static_cast<std::size_t>(colour)].name.toString();
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

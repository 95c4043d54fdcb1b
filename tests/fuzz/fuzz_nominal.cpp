// The readout over any three texts: never a crash, and every caption it gives is either
// "Нет данных" or a number the grammar reads followed by one of the four units.
#include "colourcode/nominal.h"
#include "formsvalues/numbers.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QLocale locale(QLocale::Russian, QLocale::Russia);
    // The three texts are separated by line feeds, which no field can hold.
    const QStringList texts
        = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size))
              .split(u'\n');
    const auto text = [&](qsizetype i) { return i < texts.size() ? texts[i] : QString(); };
    const auto caption = colourcode::ComputeNominal(text(0), text(1), text(2), locale);
    if (!caption || *caption == colourcode::NoData)
        return 0;
    const qsizetype space = caption->indexOf(u' ');
    const QString unit = caption->mid(space + 1);
    if (space < 0 || !forms::IsNumeric(caption->left(space), locale)
        || !(unit == u"Ом" || unit == u"КОм" || unit == u"МОм" || unit == u"ГОм"))
        std::abort();
    return 0;
}

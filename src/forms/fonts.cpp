#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace forms {

QFont font(const QString &family, double points, FontStyle style)
{
    // A family the machine lacks would first be searched for among all installed fonts, which
    // is slow; its substitutes are asked for straight away instead.
    QStringList families = QFontDatabase::hasFamily(family) ? QStringList() : QFont::substitutes(family);
    if (families.isEmpty())
        families.append(family);
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(points);
    f.setBold(style.bold);
    f.setUnderline(style.underline);
    // Stems on whole pixels: crisp text, as on the classic desktop.
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleHint(
        family == Tahoma || family == DefaultFamily ? QFont::SansSerif : QFont::TypeWriter);
    return f;
}

void registerFontSubstitutes()
{
    const QStringList sans {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    const QStringList mono {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    QFont::insertSubstitutions(Tahoma, sans);
    QFont::insertSubstitutions(DefaultFamily, sans);
    QFont::insertSubstitutions(Courier, mono);
    QFont::insertSubstitutions(CourierNew, mono);
}

} // namespace forms

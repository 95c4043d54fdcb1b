#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace forms {

namespace {

// The family itself if the machine has it, else its first installed substitute. Qt is given a
// single installed family: a missing one sets off fontconfig's alias rules and a sort of every
// installed font, and so does a list of several, a few milliseconds each time.
QString installedFamily(const QString &family)
{
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive))
        return family;
    const QStringList substitutes = QFont::substitutes(family);
    for (const QString &substitute : substitutes) {
        if (installed.contains(substitute, Qt::CaseInsensitive))
            return substitute;
    }
    return family;
}

} // namespace

QFont font(const QString &family, double points, FontStyle style)
{
    QFont f(installedFamily(family));
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

#include "forms/fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace forms {

namespace {

// The family itself if the machine has it as an outline font with Cyrillic letters, else its
// first such substitute. Qt is given a single installed family: a missing one sets off
// fontconfig's alias rules and a sort of every installed font, and so does a list of several, a
// few milliseconds each time. A family kept only in bitmaps, as Windows keeps MS Sans Serif, is
// drawn by no font engine of Qt's there, and one without Cyrillic, as Wine's MS Sans Serif, has
// none of the captions' letters: either way Qt would fall back to a serif face.
QString usableFamily(const QString &family)
{
    const QStringList installed = QFontDatabase::families();
    const auto usable = [&installed](const QString &name) {
        return installed.contains(name, Qt::CaseInsensitive)
            && QFontDatabase::isSmoothlyScalable(name)
            && QFontDatabase::writingSystems(name).contains(QFontDatabase::Cyrillic);
    };
    if (usable(family))
        return family;
    const QStringList substitutes = QFont::substitutes(family);
    for (const QString &substitute : substitutes) {
        if (usable(substitute))
            return substitute;
    }
    return family;
}

// The same, looked up once per family: the machine's fonts stay as they are while the program
// runs, and every group of controls of every window asks again.
QString installedFamily(const QString &family)
{
    static QHash<QString, QString> chosen;
    auto known = chosen.constFind(family);
    if (known == chosen.cend())
        known = chosen.insert(family, usableFamily(family));
    return *known;
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
    const QStringList sans {u"Liberation Sans"_s, u"DejaVu Sans"_s};
    const QStringList mono {u"Liberation Mono"_s, u"DejaVu Sans Mono"_s};
    // Windows keeps MS Sans Serif and Courier in bitmaps; their outline successors come first.
    QFont::insertSubstitutions(DefaultFamily, QStringList {u"Microsoft Sans Serif"_s} + sans);
    QFont::insertSubstitutions(Courier, QStringList {CourierNew} + mono);
    QFont::insertSubstitutions(Tahoma, sans);
    QFont::insertSubstitutions(CourierNew, mono);
}

} // namespace forms

#include "application.h"

#include "fonts.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>

namespace forms {

void prepareApplication()
{
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

    registerFontSubstitutes();
    QApplication::setFont(font(DefaultFamily, DefaultPoints));
    if (QStyle *classic = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(classic);
    QApplication::setApplicationName(QStringLiteral("tsvetoznak"));
}

} // namespace forms

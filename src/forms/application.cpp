#include "application.h"

#include "accessibility.h"
#include "fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace forms {

void prepareApplication()
{
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

    // Qt's own texts (message box buttons, the fields' context menus) in the same language.
    auto *qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
    else
        delete qtTexts;

    installAccessibility();
    registerFontSubstitutes();
    QApplication::setFont(font(DefaultFamily, DefaultPoints));
    if (QStyle *classic = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(classic);
}

} // namespace forms

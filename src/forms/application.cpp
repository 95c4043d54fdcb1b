#include "forms/application.h"

#include "forms/accessibility.h"
#include "forms/fonts.h"
#include "forms/style.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace forms {

void preparePlatform()
{
    // At rest the only work is the caret's blink. Put on an X screen through shared memory,
    // each blink makes the X server send a completion event, which wakes the program twice
    // more; the few bytes of a caret cost nothing over the socket. The user's own choice
    // stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

void prepareApplication()
{
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

    // Qt's own texts (message box buttons, the fields' context menus) in the same language.
    // Qt would take the direction of the window from them as well; but every caption is
    // Russian and the layout is fixed to the twip, so the window stays as it is, left to right
    // unless the user asked for the mirror image (-reverse).
    const Qt::LayoutDirection direction = QGuiApplication::layoutDirection();
    auto *qtTexts = new QTranslator(qApp);
    if (qtTexts->load(
            QLocale(), u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
    QGuiApplication::setLayoutDirection(direction);

    installAccessibility();
    registerFontSubstitutes();
    // The style first: setting it gives menus, labels and message boxes the platform theme's
    // fonts again, as Windows' theme has them, and the application's font takes them away.
    QApplication::setStyle(classicStyle());
    QApplication::setFont(font(DefaultFamily, DefaultPoints));
}

} // namespace forms

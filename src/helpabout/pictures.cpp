#include "helpabout/pictures.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QString>

using namespace Qt::StringLiterals;

namespace helpabout {

namespace {

// The sizes the window icon is drawn at, one picture each, as the build has them.
constexpr int WindowIconSizes[] = {TSVETOZNAK_WINDOW_ICON_SIZES};

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (const int size : WindowIconSizes)
        icon.addFile(u":/icons/tsvetoznak-%1.png"_s.arg(size), QSize(size, size));
    return icon;
}

QPixmap programPicture()
{
    return programIcon().pixmap(QSize(32, 32), qApp->devicePixelRatio());
}

} // namespace helpabout

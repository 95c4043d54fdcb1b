#include "pictures.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace windows {

namespace {

// The sizes a window icon is drawn at, up to twice the largest a title bar or task bar asks
// for; the larger ones are for the icon theme.
constexpr int IconSizes[] = {16, 24, 32, 48, 64};

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (const int size : IconSizes)
        icon.addFile(QStringLiteral(":/icons/tsvetoznak-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap programPicture()
{
    return programIcon().pixmap(QSize(32, 32), qApp->devicePixelRatio());
}

} // namespace windows

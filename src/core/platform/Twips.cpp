#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace Twips {
namespace {

const QScreen *primaryScreen()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}

} // namespace

double dpiX()
{
    const QScreen *screen = primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double dpiY()
{
    const QScreen *screen = primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

int toPixelsX(double twips)
{
    return static_cast<int>(std::lround(twips * dpiX() / perInch));
}
int toPixelsY(double twips)
{
    return static_cast<int>(std::lround(twips * dpiY() / perInch));
}
// In double: pixels * perInch in int arithmetic overflows beyond about
// 1.5 million pixels.
double fromPixelsX(int pixels)
{
    return double(pixels) * perInch / dpiX();
}
double fromPixelsY(int pixels)
{
    return double(pixels) * perInch / dpiY();
}

QRect toPixels(double left, double top, double width, double height)
{
    return QRect(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

} // namespace Twips

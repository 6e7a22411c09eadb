#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Twips (1/1440 inch) and pixels, by the screen's logical DPI.
namespace Twips {

constexpr int perInch = 1440;

// Logical dots per inch of the primary screen (96 without a screen).
double dpiX();
double dpiY();

int toPixelsX(double twips);
int toPixelsY(double twips);
double fromPixelsX(int pixels);
double fromPixelsY(int pixels);

QRect toPixels(double left, double top, double width, double height);

} // namespace Twips

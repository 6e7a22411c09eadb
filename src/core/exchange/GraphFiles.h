#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

struct GraphDrawing;

// The graph as a picture file or picture data. Files are written whole or
// not at all: a failure leaves no file under the name and returns the
// reason; success returns an empty text.
namespace GraphFiles {

enum class Format { Png, Svg, Pdf };

// The format a file name asks for by its extension (case ignored);
// false for any other extension.
bool formatOfName(const QString &path, Format &format);

// The graph as a bitmap at dpi dots per inch: a screen line of width 1 is
// dpi / 96 pixels wide, as on the screen at that magnification.
QImage renderImage(const GraphDrawing &drawing, double dpi);

// The graph as an SVG document, texts as text.
QByteArray svgData(const GraphDrawing &drawing);

QString writePng(const GraphDrawing &drawing, double dpi, const QString &path);
QString writeSvg(const GraphDrawing &drawing, const QString &path);
QString writePdf(const GraphDrawing &drawing, const QString &path);

} // namespace GraphFiles

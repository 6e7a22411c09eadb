#include "exchange/GraphFiles.h"

#include "exchange/GraphDrawing.h"
#include "platform/SavedFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace GraphFiles {
namespace {

constexpr double twipsPerInch = 1440.0;
constexpr double screenDpi = 96.0; // a line width of 1 is one screen pixel

// Writes the SVG document of the drawing to device; false when it failed.
bool writeSvgTo(const GraphDrawing &drawing, QIODevice &device)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setResolution(int(screenDpi));
    const QSizeF pixels = drawing.twipsSize * drawing.magnification * (screenDpi / twipsPerInch);
    generator.setSize(pixels.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), pixels));
    generator.setTitle(QStringLiteral("Vornish graph"));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    const double scale = drawing.magnification * screenDpi / twipsPerInch;
    painter.scale(scale, scale);
    drawing.paintEditable(painter);
    return painter.end();
}

} // namespace

bool formatOfName(const QString &path, Format &format)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        format = Format::Png;
    else if (suffix == QLatin1String("svg"))
        format = Format::Svg;
    else if (suffix == QLatin1String("pdf"))
        format = Format::Pdf;
    else
        return false;
    return true;
}

QImage renderImage(const GraphDrawing &drawing, double dpi)
{
    const double scale = drawing.magnification * dpi / twipsPerInch;
    const QSize pixels = (drawing.twipsSize * scale).toSize();
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    painter.scale(scale, scale);
    drawing.paint(painter, drawing.magnification * dpi / screenDpi);
    painter.end();
    return image;
}

QByteArray svgData(const GraphDrawing &drawing)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    writeSvgTo(drawing, buffer);
    return data;
}

QString writePng(const GraphDrawing &drawing, double dpi, const QString &path)
{
    const QImage image = renderImage(drawing, dpi);
    if (image.isNull())
        return QStringLiteral("The picture is too large for the memory available.");
    // Encoded in memory first: the PNG encoder, stopped by a full disk,
    // would leave its own buffers behind.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return QStringLiteral("The picture could not be encoded as PNG.");
    return writeWholeFile(path, [&png](QIODevice &device) { return device.write(png) == png.size(); });
}

QString writeSvg(const GraphDrawing &drawing, const QString &path)
{
    return writeWholeFile(path, [&drawing](QIODevice &device) { return writeSvgTo(drawing, device); });
}

QString writePdf(const GraphDrawing &drawing, const QString &path)
{
    return writeWholeFile(path, [&drawing](QIODevice &device) {
        QPdfWriter writer(&device);
        writer.setCreator(QStringLiteral("Vornish"));
        writer.setTitle(QStringLiteral("Vornish graph"));
        writer.setResolution(int(twipsPerInch));
        const QSizeF inches = drawing.twipsSize * drawing.magnification / twipsPerInch;
        const QPageSize page(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        painter.scale(drawing.magnification, drawing.magnification);
        drawing.paint(painter, drawing.magnification * twipsPerInch / screenDpi);
        return painter.end();
    });
}

} // namespace GraphFiles

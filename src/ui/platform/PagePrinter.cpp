#include "platform/PagePrinter.h"

#include "platform/SavedFile.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace PagePrinter {

QPrinter &printer()
{
    // Never destroyed: a printer outliving the application object must not
    // tear down the print system's plugins at exit.
    static QPrinter *chosen = new QPrinter();
    return *chosen;
}

bool printPage(const std::function<void(QPainter &painter, const QPaintDevice &device)> &paint)
{
    QPrinter &device = printer();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paint(painter, device);
    return painter.end();
}

QString printPageToPdf(const QString &path,
                       const std::function<void(QPainter &painter, const QPaintDevice &device)> &paint)
{
    return writeWholeFile(path, [&paint](QIODevice &file) {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Vornish"));
        writer.setPageLayout(printer().pageLayout());
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        paint(painter, writer);
        return painter.end();
    });
}

} // namespace PagePrinter

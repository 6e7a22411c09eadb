// Build-time helper: renders the program's SVG icon into the PNG sizes of the
// desktop's icon theme. Usage: vornish_render_icon icon.svg out-folder size...
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fputs("usage: vornish_render_icon icon.svg out-folder size...\n", stderr);
        return 2;
    }
    const QDir out(args[2]);
    for (const QString &size : args.mid(3)) {
        QImageReader reader(args[1]);
        reader.setScaledSize(QSize(size.toInt(), size.toInt()));
        const QImage image = reader.read();
        const QString file = out.filePath(size + QStringLiteral(".png"));
        if (image.isNull() || !image.save(file)) {
            std::fprintf(stderr, "cannot render %s: %s\n", qPrintable(file), qPrintable(reader.errorString()));
            return 1;
        }
    }
    return 0;
}

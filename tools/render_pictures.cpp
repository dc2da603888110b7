// Draws the window pictures (SVG, the sources) at build time into files of
// plain pixels, so that the program shows them without parsing SVG or
// decoding an image format (the image readers load Qt's format plugins, Qt
// Svg would be loaded too) while its start screen is waiting to appear.
//
// Usage: render_pictures [--png] <output folder> <side in pixels> <picture.svg>...
//
// With --png it writes <picture>.png instead, for the program's icon in the
// desktop's icon theme. Each <picture>.argb32 holds the width and the height as two 32-bit
// numbers, then the pixels row by row as QImage::Format_ARGB32_Premultiplied,
// all in the byte order of the machine (the program is built where it runs).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

bool writePlainPixels(const QImage& image, const QString& target) {
    QFile file(target);
    const quint32 header[2] = {quint32(image.width()), quint32(image.height())};
    const auto pixels = qsizetype(image.sizeInBytes());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(reinterpret_cast<const char*>(header), sizeof header) == sizeof header &&
           file.write(reinterpret_cast<const char*>(image.constBits()), pixels) == pixels;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool png = argc > 1 && QByteArray(argv[1]) == "--png";
    if (png) {
        --argc;
        ++argv;
    }
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: render_pictures [--png] <output folder> <side> <picture.svg>...\n");
        return 2;
    }
    // Nothing is shown: the drawing needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const int side = QByteArray(argv[2]).toInt();
    if (!output.mkpath(QStringLiteral(".")) || side <= 0)
        return 1;
    for (int i = 3; i < argc; ++i) {
        const QString source = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer renderer(source);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "render_pictures: cannot read %s\n", argv[i]);
            return 1;
        }
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString target =
            output.filePath(QFileInfo(source).completeBaseName() +
                            (png ? QStringLiteral(".png") : QStringLiteral(".argb32")));
        if (!(png ? image.save(target, "PNG") : writePlainPixels(image, target))) {
            std::fprintf(stderr, "render_pictures: cannot write %s\n", qPrintable(target));
            return 1;
        }
    }
    return 0;
}

#include "pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <cstring>

namespace vocario {
namespace {

QString resourceOf(Picture picture) {
    switch (picture) {
    case Picture::Faccina:
        return QStringLiteral(":/pictures/faccina.argb32");
    case Picture::IconaSi:
        return QStringLiteral(":/pictures/icona_si.argb32");
    case Picture::IconaNo:
        return QStringLiteral(":/pictures/icona_no.argb32");
    case Picture::FrecciaAvanti:
        return QStringLiteral(":/pictures/freccia_avanti.argb32");
    case Picture::Bambino:
        return QStringLiteral(":/pictures/bambino.argb32");
    case Picture::None:
        break;
    }
    return {};
}

/// The picture's drawing (SVG), for sizes larger than the build drew.
QString sourceOf(Picture picture) {
    QString built = resourceOf(picture);
    return built.replace(QStringLiteral(":/pictures/"), QStringLiteral(":/pictures/svg/"))
        .replace(QStringLiteral(".argb32"), QStringLiteral(".svg"));
}

/// The picture drawn afresh from its SVG at `pixels`: as sharp as the build's
/// drawing at any size. Null when Qt's SVG image plugin is not there.
QImage drawnFromSource(Picture picture, QSize pixels) {
    QImageReader reader(sourceOf(picture));
    reader.setScaledSize(pixels);
    return reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

/// The picture as the build drew it (see tools/render_pictures.cpp): the
/// width and height, then the pixels. A null image when it cannot be read.
QImage builtPicture(Picture picture) {
    QFile file(resourceOf(picture));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    quint32 header[2] = {0, 0};
    if (bytes.size() < qsizetype(sizeof header))
        return {};
    std::memcpy(header, bytes.constData(), sizeof header);
    QImage image(static_cast<int>(header[0]), static_cast<int>(header[1]),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || bytes.size() != qsizetype(sizeof header) + image.sizeInBytes())
        return {};
    std::memcpy(image.bits(), bytes.constData() + sizeof header, size_t(image.sizeInBytes()));
    return image;
}

/// The picture drawn at a size in device pixels. Windows are built afresh
/// each time they open and show the same few pictures at the same few
/// sizes, so each drawing is made once and kept for the run (as an image,
/// which unlike a pixmap may outlive the application object).
QPixmap drawn(Picture picture, QSize pixels, qreal devicePixelRatio) {
    static QHash<QString, QImage> drawings;
    const QString key = QStringLiteral("%1/%2x%3@%4")
                            .arg(int(picture))
                            .arg(pixels.width())
                            .arg(pixels.height())
                            .arg(devicePixelRatio);
    auto it = drawings.constFind(key);
    if (it == drawings.constEnd()) {
        // The build draws each picture large: scaled down smoothly it stays
        // sharp, like the drawing it comes from. Larger than that (the large
        // window sizes) it is drawn from its SVG, loading Qt's SVG plugin
        // only then.
        const QImage built = builtPicture(picture);
        QImage image;
        if (pixels.width() > built.width() || pixels.height() > built.height())
            image = drawnFromSource(picture, pixels);
        if (image.isNull())
            image = built.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (image.isNull()) {
            image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
        }
        image.setDevicePixelRatio(devicePixelRatio);
        it = drawings.insert(key, image);
    }
    return QPixmap::fromImage(*it);
}

} // namespace

QPixmap picturePixmap(Picture picture, QSize size, qreal devicePixelRatio) {
    return drawn(picture, size * devicePixelRatio, devicePixelRatio);
}

QIcon pictureIcon(Picture picture, int side) {
    if (picture == Picture::None)
        return {};
    // One drawing at the size it is shown: an icon of several sizes would be
    // drawn at every one of them before the window can appear.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return QIcon(picturePixmap(picture, QSize(side, side), ratio));
}

} // namespace vocario

#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vocario {
namespace {

QString resourceOf(Picture picture) {
    switch (picture) {
    case Picture::Faccina:
        return QStringLiteral(":/pictures/faccina.svg");
    case Picture::IconaSi:
        return QStringLiteral(":/pictures/icona_si.svg");
    case Picture::IconaNo:
        return QStringLiteral(":/pictures/icona_no.svg");
    case Picture::FrecciaAvanti:
        return QStringLiteral(":/pictures/freccia_avanti.svg");
    case Picture::Bambino:
        return QStringLiteral(":/pictures/bambino.svg");
    case Picture::None:
        break;
    }
    return {};
}

} // namespace

QPixmap picturePixmap(Picture picture, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resourceOf(picture));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon pictureIcon(Picture picture) {
    if (picture == Picture::None)
        return {};
    // QIcon renders SVG lazily at whatever size is asked for.
    return QIcon(resourceOf(picture));
}

} // namespace vocario

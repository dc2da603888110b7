#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace vocario {

/// The pictures stored with the windows.
enum class Picture { None, Faccina, IconaSi, IconaNo, FrecciaAvanti, Bambino };

/// The picture as an icon for window title bars and buttons.
QIcon pictureIcon(Picture picture);
/// The picture drawn at a logical size, sharp on high-density screens.
QPixmap picturePixmap(Picture picture, QSize size, qreal devicePixelRatio);

} // namespace vocario

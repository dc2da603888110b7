#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace vocario {

/// The pictures stored with the windows.
enum class Picture { None, Faccina, IconaSi, IconaNo, FrecciaAvanti, Bambino };

/// The side of the pictures as window icons: they are 32 x 32 icons.
inline constexpr int kIconSide = 32;

/// The picture as an icon drawn `side` pixels wide and high (logical
/// pixels), for window title bars and buttons.
QIcon pictureIcon(Picture picture, int side = kIconSide);
/// The picture drawn at a logical size, sharp on high-density screens.
QPixmap picturePixmap(Picture picture, QSize size, qreal devicePixelRatio);

} // namespace vocario

#pragma once
// The program's own pictures, drawn in code: a flag on a green under a sky.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace fw::ui {

QPixmap FairwickPicture(QSize size);
QIcon FairwickIcon();

}  // namespace fw::ui

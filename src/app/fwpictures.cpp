#include "app/fwpictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace fw::ui {

QPixmap FairwickPicture(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width();
  const double h = size.height();

  // Sky and a distant line of trees.
  QLinearGradient sky(0, 0, 0, h * 0.6);
  sky.setColorAt(0, QColor(120, 170, 225));
  sky.setColorAt(1, QColor(215, 235, 250));
  p.fillRect(QRectF(0, 0, w, h * 0.62), sky);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 100, 55));
  for (int i = 0; i < 7; ++i)
    p.drawEllipse(QPointF(w * (0.05 + i * 0.16), h * 0.6), w * 0.11, h * 0.07);

  // Fairway and green.
  QPainterPath fairway;
  fairway.moveTo(0, h * 0.62);
  fairway.cubicTo(w * 0.3, h * 0.56, w * 0.7, h * 0.66, w, h * 0.6);
  fairway.lineTo(w, h);
  fairway.lineTo(0, h);
  fairway.closeSubpath();
  p.fillPath(fairway, QColor(70, 150, 60));
  p.setBrush(QColor(110, 190, 90));
  p.drawEllipse(QPointF(w * 0.55, h * 0.78), w * 0.38, h * 0.1);

  // Hole, flagstick and flag.
  p.setBrush(QColor(30, 30, 30));
  p.drawEllipse(QPointF(w * 0.55, h * 0.79), w * 0.035, h * 0.012);
  p.setPen(QPen(QColor(240, 240, 240), std::max(1.5, w * 0.018)));
  p.drawLine(QPointF(w * 0.55, h * 0.79), QPointF(w * 0.55, h * 0.22));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(210, 40, 40));
  QPainterPath flag;
  flag.moveTo(w * 0.55, h * 0.22);
  flag.lineTo(w * 0.85, h * 0.29);
  flag.lineTo(w * 0.55, h * 0.36);
  flag.closeSubpath();
  p.drawPath(flag);

  // A ball on the green.
  p.setBrush(Qt::white);
  p.setPen(QPen(QColor(150, 150, 150), 1));
  p.drawEllipse(QPointF(w * 0.3, h * 0.82), w * 0.035, w * 0.035);
  return pixmap;
}

QIcon FairwickIcon() {
  // Drawn at every size a desktop asks for, from the title bar to the task
  // switcher, so none is scaled from another.
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128, 256})
    icon.addPixmap(FairwickPicture(QSize(side, side)));
  return icon;
}

}  // namespace fw::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QStringList>
#include <iterator>

namespace vm::app {

namespace {

// The shapes, on a square of 256 units: a leaf-like tile, two opposite corners round and
// two nearly square, with a tick across it. The tile's outer edge falls on whole pixels at
// every theme size, and the tick stays over two pixels wide at 16.
constexpr double kUnits = 256;
constexpr double kTileEdge = 16;  // outer edge of the tile's outline
constexpr double kOutlineWidth = 4;
constexpr double kLeafRadius = 90;  // top left and bottom right
constexpr double kSmallRadius = 24;
constexpr double kTickWidth = 34;
constexpr QPointF kTick[] = {{64, 132}, {110, 180}, {194, 78}};
const QColor kTileTop(0x2e, 0x9e, 0x5b);
const QColor kTileBottom(0x1b, 0x6e, 0x3e);
const QColor kOutline(0x14, 0x5a, 0x32);
const QColor kTickColour(0xff, 0xff, 0xff);

// The outline is stroked on its centre line, half of it inside the tile.
constexpr double kNear = kTileEdge + kOutlineWidth / 2;
constexpr double kFar = kUnits - kNear;

QPainterPath tilePath() {
  constexpr double big = 2 * kLeafRadius;
  constexpr double small = 2 * kSmallRadius;
  QPainterPath path({kNear + kLeafRadius, kNear});
  path.lineTo(kFar - kSmallRadius, kNear);
  path.arcTo(kFar - small, kNear, small, small, 90, -90);
  path.lineTo(kFar, kFar - kLeafRadius);
  path.arcTo(kFar - big, kFar - big, big, big, 0, -90);
  path.lineTo(kNear + kSmallRadius, kFar);
  path.arcTo(kNear, kFar - small, small, small, 270, -90);
  path.lineTo(kNear, kNear + kLeafRadius);
  path.arcTo(kNear, kNear, big, big, 180, -90);
  path.closeSubpath();
  return path;
}

QString number(double value) { return QString::number(value, 'g', 6); }

}  // namespace

QImage renderIcon(int pixels) {
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(pixels / kUnits, pixels / kUnits);

  // Top to bottom of the outline's centre line: the scalable icon's gradient spans the
  // tile's bounding box.
  QLinearGradient fill(0, kNear, 0, kFar);
  fill.setColorAt(0, kTileTop);
  fill.setColorAt(1, kTileBottom);
  painter.setPen(QPen(kOutline, kOutlineWidth));
  painter.setBrush(fill);
  painter.drawPath(tilePath());

  painter.setPen(QPen(kTickColour, kTickWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(kTick, std::size(kTick));
  return image;
}

QByteArray iconSvg() {
  static const QString kTemplate = QStringLiteral(
      R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%1" viewBox="0 0 %1 %1">
  <defs>
    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="%2"/>
      <stop offset="1" stop-color="%3"/>
    </linearGradient>
  </defs>
  <path d="%4" fill="url(#tile)" stroke="%5" stroke-width="%6"/>
  <polyline points="%7" fill="none" stroke="%8" stroke-width="%9" stroke-linecap="round" stroke-linejoin="round"/>
</svg>
)svg");
  // The tile as tilePath() draws it, its arcs clockwise.
  const QString arc = QStringLiteral("A%1 %1 0 0 1 %2 %3");
  const QString tile = u'M' + number(kNear + kLeafRadius) + u' ' + number(kNear) + u'H' +
                       number(kFar - kSmallRadius) +
                       arc.arg(number(kSmallRadius), number(kFar), number(kNear + kSmallRadius)) +
                       u'V' + number(kFar - kLeafRadius) +
                       arc.arg(number(kLeafRadius), number(kFar - kLeafRadius), number(kFar)) +
                       u'H' + number(kNear + kSmallRadius) +
                       arc.arg(number(kSmallRadius), number(kNear), number(kFar - kSmallRadius)) +
                       u'V' + number(kNear + kLeafRadius) +
                       arc.arg(number(kLeafRadius), number(kNear + kLeafRadius), number(kNear)) +
                       u'Z';
  QStringList points;
  for (const QPointF& p : kTick) points << number(p.x()) + u',' + number(p.y());
  return kTemplate
      .arg(number(kUnits), kTileTop.name(), kTileBottom.name(), tile, kOutline.name(),
           number(kOutlineWidth), points.join(u' '), kTickColour.name(), number(kTickWidth))
      .toUtf8();
}

QIcon programIcon() {
  QIcon icon;
  for (const int size : kIconSizes) icon.addPixmap(QPixmap::fromImage(renderIcon(size)));
  return icon;
}

}  // namespace vm::app

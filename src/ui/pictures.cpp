// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace vm::ui::pictures {
namespace {

// A canvas in a 100 x 100 design space on the mask colour.
struct Canvas {
  explicit Canvas(int size) : image(size, size, QImage::Format_RGB32) {
    image.fill(kMaskColour);
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);
  }
  QImage done() {
    painter.end();
    return image;
  }
  QImage image;
  QPainter painter;
};

void disc(QPainter& p, const QColor& light, const QColor& dark) {
  QRadialGradient g(38, 32, 70);
  g.setColorAt(0, light);
  g.setColorAt(1, dark);
  p.setPen(QPen(dark.darker(140), 4));
  p.setBrush(g);
  p.drawEllipse(QRectF(6, 6, 88, 88));
}

}  // namespace

QImage help(int size) {
  Canvas c(size);
  QPainter& p = c.painter;
  disc(p, QColor(120, 170, 255), QColor(20, 60, 160));
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setBold(true);
  f.setPixelSize(64);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(6, 4, 88, 88), Qt::AlignCenter, QStringLiteral("?"));
  return c.done();
}

QImage quit(int size) {
  Canvas c(size);
  QPainter& p = c.painter;
  disc(p, QColor(255, 130, 120), QColor(170, 20, 20));
  QPen pen(Qt::white, 10, Qt::SolidLine, Qt::RoundCap);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(28, 30, 44, 44), 120 * 16, 300 * 16);  // a power sign: ring open at the top
  p.drawLine(QPointF(50, 22), QPointF(50, 50));
  return c.done();
}

QImage returnToAdmin(int size) {
  Canvas c(size);
  QPainter& p = c.painter;
  // A key: ring, shaft and bit, in brass.
  QLinearGradient g(0, 20, 0, 80);
  g.setColorAt(0, QColor(255, 226, 120));
  g.setColorAt(1, QColor(184, 134, 11));
  p.setPen(QPen(QColor(120, 85, 10), 4));
  p.setBrush(g);
  QPainterPath key;
  key.addEllipse(QRectF(8, 28, 40, 40));
  key.addRect(QRectF(44, 42, 48, 12));
  key.addRect(QRectF(74, 54, 8, 14));
  key.addRect(QRectF(84, 54, 8, 10));
  p.drawPath(key.simplified());
  p.setBrush(QColor(kMaskColour));
  p.drawEllipse(QRectF(19, 39, 18, 18));
  return c.done();
}

QImage backupRestore(int size) {
  Canvas c(size);
  QPainter& p = c.painter;
  // A disk with a label and a shutter.
  QLinearGradient g(0, 10, 0, 90);
  g.setColorAt(0, QColor(80, 110, 170));
  g.setColorAt(1, QColor(30, 50, 100));
  p.setPen(QPen(QColor(15, 25, 60), 4));
  p.setBrush(g);
  QPainterPath body;
  body.moveTo(12, 10);
  body.lineTo(78, 10);
  body.lineTo(90, 22);
  body.lineTo(90, 90);
  body.lineTo(12, 90);
  body.closeSubpath();
  p.drawPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(220, 225, 235));
  p.drawRect(QRectF(28, 12, 40, 24));
  p.setBrush(QColor(30, 50, 100));
  p.drawRect(QRectF(54, 16, 9, 16));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(22, 50, 58, 36), 4, 4);
  p.setPen(QPen(QColor(120, 130, 160), 3));
  for (int y = 60; y <= 78; y += 9) p.drawLine(QPointF(30, y), QPointF(72, y));
  return c.done();
}

QImage backgroundTile() {
  QImage tile(64, 64, QImage::Format_RGB32);
  tile.fill(QColor(226, 236, 228));
  QPainter p(&tile);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(212, 226, 215), 2));
  for (int k = -64; k < 128; k += 16) p.drawLine(k, 0, k + 64, 64);
  p.setPen(QPen(QColor(236, 243, 237), 1));
  for (int k = -64; k < 128; k += 16) p.drawLine(k + 8, 0, k + 72, 64);
  return tile;
}

QImage titleBackground(const QSize& size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, size.width(), size.height());
  g.setColorAt(0, QColor(18, 78, 60));
  g.setColorAt(0.55, QColor(40, 120, 88));
  g.setColorAt(1, QColor(190, 222, 196));
  p.fillRect(image.rect(), g);
  // Soft leaves of light drifting across the lower right.
  for (int i = 0; i < 7; ++i) {
    const double r = size.height() * (0.25 + 0.08 * i);
    QRadialGradient glow(size.width() * 0.85, size.height() * 1.05, r);
    glow.setColorAt(0, QColor(255, 255, 255, 26));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(size.width() * 0.85, size.height() * 1.05), r, r);
  }
  return image;
}

}  // namespace vm::ui::pictures

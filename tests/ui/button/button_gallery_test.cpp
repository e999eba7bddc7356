// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>

#include "ui/button/button_host.h"
#include "ui/button/colour.h"
#include "ui/button/geometry.h"

// Draws every look of the three styles the windows use into PNG files under the build
// folder, for a person to look at; it checks only that they were written.
namespace vm::ui::testing {
namespace {

struct Variant {
  QString label;
  QString caption;
  QSize size;
  bool picture = false;
  int effect = 0;
  bool systemColours = false;  // the common look that makeCommandButton gives
};

QImage galleryRow(int style, const Variant& v) {
  const Look looks[] = {Look::Normal, Look::Hover, Look::Focus, Look::Pressed, Look::Disabled};
  const int cell = v.size.width() + 12;
  QImage row(cell * 5 + 8, v.size.height() + 12, QImage::Format_ARGB32);
  row.fill(qRgb(236, 233, 216));
  QPainter p(&row);
  int x = 8;
  for (Look look : looks) {
    ButtonHost host(style, v.caption, v.size);
    if (v.picture) host.button().setPictureNormal(samplePicture());
    host.button().setSpecialEffect(v.effect);
    if (v.systemColours) {
      using button::SystemColour;
      using button::systemColour;
      host.button().setBackColor(systemColour(SystemColour::ButtonFace));
      host.button().setBackOver(systemColour(SystemColour::ButtonFace));
      host.button().setForeColor(systemColour(SystemColour::ButtonText));
      host.button().setForeOver(systemColour(SystemColour::ButtonText));
    }
    host.show(look);
    p.drawImage(x, 6, host.drawing());
    x += cell;
  }
  return row;
}

TEST(ButtonGallery, WritesOnePictureOfEveryLookPerStyle) {
  const QString dir = QStringLiteral(BUTTON_GALLERY_DIR);
  ASSERT_TRUE(QDir().mkpath(dir));
  const Variant variants[] = {
      {"caption", "&Save", {100, 30}},
      {"two lines", "Finished with this\nSearch/Summary", {130, 40}},
      {"wrapped", "Edit the '&User List'", {90, 44}},
      {"picture", "&Help", {100, 30}, true},
      {"effect", "E&xit", {100, 30}, false, 1},
      {"common look", "&Quit", {100, 30}, false, 0, true},
  };
  for (int style : {button::kSoftStyle, button::kRoundedStyle, button::kTransparentStyle}) {
    QImage sheet(720, 340, QImage::Format_ARGB32);
    sheet.fill(qRgb(236, 233, 216));
    QPainter p(&sheet);
    int y = 4;
    for (const Variant& v : variants) {
      const QImage row = galleryRow(style, v);
      p.drawImage(0, y, row);
      y += row.height();
    }
    p.end();
    const QString file = QString("%1/style-%2.png").arg(dir).arg(style);
    ASSERT_TRUE(sheet.copy(0, 0, 720, y + 4).save(file)) << file.toStdString();
  }
}

}  // namespace
}  // namespace vm::ui::testing

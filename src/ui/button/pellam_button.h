// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPushButton>
#include <QString>

#include "ui/button/button_settings.h"
#include "ui/button/geometry.h"
#include "ui/button/property_bag.h"

class QShortcut;

namespace vm::ui {

// The owner-drawn command button of every window. It paints itself in one of several
// styles from one of several colour schemes, shows an optional picture beside its caption,
// draws a hover look while the pointer is over it, can act as a two-state check button, and
// raises the mouse, keyboard and hover events below. Being a push button it also keeps the
// default-button role of a dialog, Qt's clicked() and the accessibility of a push button.
class PellamButton : public QPushButton {
  Q_OBJECT

 public:
  // Visual states: what a paint request asks for.
  static constexpr int kNormal = 0;
  static constexpr int kPressed = 2;
  // Mouse buttons and shift keys as the events report them.
  static constexpr int kLeftButton = 1;
  static constexpr int kRightButton = 2;
  static constexpr int kMiddleButton = 4;
  static constexpr int kShiftKey = 1;
  static constexpr int kCtrlKey = 2;
  static constexpr int kAltKey = 4;
  // MousePointer value for the cursor given by MouseIcon.
  static constexpr int kCustomPointer = 99;

  // A newly placed button: soft style in its own colours (black until set), captioned with
  // its name. Windows usually start from makeCommandButton() instead.
  explicit PellamButton(QWidget* parent = nullptr);
  explicit PellamButton(const QString& name, QWidget* parent = nullptr);

  button::ColourRef backColor() const { return s_.backColor; }
  void setBackColor(button::ColourRef c);
  button::ColourRef backOver() const { return s_.backOver; }
  void setBackOver(button::ColourRef c);
  button::ColourRef foreColor() const { return s_.foreColor; }
  void setForeColor(button::ColourRef c);
  button::ColourRef foreOver() const { return s_.foreOver; }
  void setForeOver(button::ColourRef c);
  button::ColourRef maskColor() const { return s_.maskColor; }
  void setMaskColor(button::ColourRef c);

  int buttonType() const { return s_.buttonType; }
  void setButtonType(int style);
  int colorScheme() const { return s_.colorScheme; }
  void setColorScheme(int scheme);
  bool softBevel() const { return s_.softBevel; }
  void setSoftBevel(bool on);

  // The caption; the first single "&" marks the access key, "&&" shows one "&" and "\n"
  // breaks the line. It is also the push button's text, so Alt + key reaches it.
  QString caption() const { return text(); }
  void setCaption(const QString& caption);
  void setText(const QString& caption) { setCaption(caption); }
  QChar accessKey() const { return accessKey_; }

  // Shortcuts into the font; unlike setFont() they are not a change of the stored settings.
  bool fontBold() const { return font().bold(); }
  void setFontBold(bool on);
  bool fontItalic() const { return font().italic(); }
  void setFontItalic(bool on);
  bool fontUnderline() const { return font().underline(); }
  void setFontUnderline(bool on);
  int fontSize() const { return font().pointSize(); }
  void setFontSize(int points);
  QString fontName() const { return font().family(); }
  void setFontName(const QString& family);

  bool showFocusRect() const { return s_.showFocusRect; }
  void setShowFocusRect(bool on);
  int specialEffect() const { return s_.specialEffect; }
  void setSpecialEffect(int effect);

  QImage pictureNormal() const { return s_.pictureNormal; }
  void setPictureNormal(const QImage& picture);
  void setPictureNormal(const QPixmap& picture);
  QImage pictureOver() const { return s_.pictureOver; }
  void setPictureOver(const QImage& picture);
  void setPictureOver(const QPixmap& picture);
  int picturePosition() const { return s_.picturePosition; }
  void setPicturePosition(int position);
  bool useMaskColor() const { return s_.useMaskColor; }
  void setUseMaskColor(bool on);
  bool useGreyscale() const { return s_.useGreyscale; }
  void setUseGreyscale(bool on);

  // A check button toggles Value on each click and looks pressed while Value is on.
  bool checkBoxBehaviour() const { return s_.checkBoxBehaviour; }
  void setCheckBoxBehaviour(bool on);
  bool value() const { return s_.value; }
  void setValue(bool on);

  // 0 is the default cursor; the numbering is the platform's standard one, kCustomPointer
  // takes MouseIcon.
  int mousePointer() const { return s_.mousePointer; }
  void setMousePointer(int pointer);
  QImage mouseIcon() const { return s_.mouseIcon; }
  void setMouseIcon(const QImage& icon);

  WId hwnd() const { return effectiveWinId(); }
  static QString version() { return QStringLiteral("w2005.08.15"); }

  // The window's own mark on the button (the Course Index keeps a caption there while it finds).
  QString tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }

  // Escape anywhere in the window clicks a cancel button.
  bool isCancel() const { return cancelShortcut_ != nullptr; }
  void setCancel(bool on);

  // The stored settings, written and read under their keys in their fixed order.
  button::ButtonSettings settings() const;
  void writeProperties(button::PropertyBag& bag) const;
  void readProperties(const button::PropertyBag& bag);

  // Recomputes colours and layout and repaints the last look.
  void Refresh();

  // How many times the look has been drawn; requests for an unchanged look draw nothing.
  int renderCount() const { return renderCount_; }

 signals:
  void Click();
  void MouseDown(int button, int shift, int x, int y);
  void MouseMove(int button, int shift, int x, int y);
  void MouseUp(int button, int shift, int x, int y);
  void KeyPress(int keyAscii);
  void KeyDown(int keyCode, int shift);
  void KeyUp(int keyCode, int shift);
  void MouseOver();
  void MouseIn();
  void MouseOut();
  // A stored setting changed, named by its key ("PICO" for PictureOver).
  void settingChanged(const QString& key);

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;

 private:
  void paintRequest(int state, bool force);
  void repaintLast() { paintRequest(lastState_, true); }
  void render();
  void applySize();
  void applyLayout();
  void applyCursor();
  void captureBackground();
  void captionChanged();
  void changeFont(const QFont& font);
  void mark(const QString& key);
  bool isOver(const QPoint& pos) const;
  void pointerLeft();
  void accessClick();
  void mouseClick(bool emitQtClicked);
  void clickSteps(bool forced, bool emitQtClicked);
  void qtClicked();
  bool ownEnabled() const;

  // Enabled and the font are kept by the widget itself, not in s_.
  button::ButtonSettings s_;
  QString tag_;
  QChar accessKey_;
  button::Layout layout_;
  button::Box inner_;
  QImage drawing_;
  QImage background_;
  QShortcut* cancelShortcut_ = nullptr;

  int lastState_ = kNormal;
  QString lastCaption_;
  bool lastEnabled_ = true;
  bool paintedAsDefault_ = false;
  bool mouseOver_ = false;
  bool tracking_ = false;  // hover tracking is running until the pointer leaves
  bool hasFocus_ = false;
  bool shown_ = true;
  int lastMouseButton_ = 0;
  int lastKey_ = 0;
  bool doubleClickPress_ = false;
  bool capturing_ = false;
  bool emittingClicked_ = false;
  bool quietFont_ = false;
  bool readingSettings_ = false;
  int renderCount_ = 0;
};

}  // namespace vm::ui

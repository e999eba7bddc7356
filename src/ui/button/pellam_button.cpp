// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/pellam_button.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QShortcut>

#include "ui/button/access_key.h"
#include "ui/button/button_look.h"
#include "ui/button/colour_set.h"
#include "ui/button/system_colours.h"

namespace vm::ui {

using namespace button;

namespace {

int buttonCode(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return PellamButton::kLeftButton;
    case Qt::RightButton:
      return PellamButton::kRightButton;
    case Qt::MiddleButton:
      return PellamButton::kMiddleButton;
    default:
      return 0;
  }
}

int buttonsCode(Qt::MouseButtons held) {
  return (held & Qt::LeftButton ? PellamButton::kLeftButton : 0) |
         (held & Qt::RightButton ? PellamButton::kRightButton : 0) |
         (held & Qt::MiddleButton ? PellamButton::kMiddleButton : 0);
}

int shiftCode(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? PellamButton::kShiftKey : 0) |
         (m & Qt::ControlModifier ? PellamButton::kCtrlKey : 0) |
         (m & Qt::AltModifier ? PellamButton::kAltKey : 0);
}

// Enter or Return, alone (the keypad's Enter carries the keypad flag).
bool isEnterKey(const QKeyEvent* e) {
  return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
         (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The platform's standard cursor numbering.
Qt::CursorShape cursorShape(int pointer) {
  switch (pointer) {
    case 1:
      return Qt::ArrowCursor;
    case 2:
      return Qt::CrossCursor;
    case 3:
      return Qt::IBeamCursor;
    case 4:
      return Qt::ArrowCursor;
    case 5:
    case 15:
      return Qt::SizeAllCursor;
    case 6:
      return Qt::SizeBDiagCursor;
    case 7:
      return Qt::SizeVerCursor;
    case 8:
      return Qt::SizeFDiagCursor;
    case 9:
      return Qt::SizeHorCursor;
    case 10:
      return Qt::UpArrowCursor;
    case 11:
      return Qt::WaitCursor;
    case 12:
      return Qt::ForbiddenCursor;
    case 13:
      return Qt::BusyCursor;
    case 14:
      return Qt::WhatsThisCursor;
    default:
      return Qt::ArrowCursor;
  }
}

}  // namespace

PellamButton::PellamButton(QWidget* parent) : PellamButton(QString(), parent) {}

PellamButton::PellamButton(const QString& name, QWidget* parent) : QPushButton(parent) {
  setObjectName(name);
  setMouseTracking(true);
  lastEnabled_ = ownEnabled();
  connect(this, &QAbstractButton::clicked, this, &PellamButton::qtClicked);
  QPushButton::setText(name);
  captionChanged();
}

// ---- paint requests -------------------------------------------------------------------

void PellamButton::paintRequest(int state, bool force) {
  if (s_.checkBoxBehaviour && s_.value) state = kPressed;
  if (!force && caption() == lastCaption_ && state == lastState_) return;
  if (height() == 0 || !shown_) return;
  lastState_ = state;
  lastCaption_ = caption();
  render();
}

void PellamButton::render() {
  ColourInputs colours;
  colours.backColor = s_.backColor;
  colours.backOver = s_.backOver;
  colours.foreColor = s_.foreColor;
  colours.foreOver = s_.foreOver;
  colours.maskColor = s_.maskColor;
  colours.colorScheme = s_.colorScheme;
  colours.buttonType = s_.buttonType;
  colours.softBevel = s_.softBevel;
  const QPalette& container = parentWidget() ? parentWidget()->palette() : palette();
  colours.containerBack = toRgb(container.color(QPalette::Window));
  colours.containerText = toRgb(container.color(QPalette::WindowText));
  colours.system = systemColoursOf(palette());

  LookInput in;
  in.style = s_.buttonType;
  in.pressed = lastState_ == kPressed;
  in.mouseOver = mouseOver_;
  in.enabled = ownEnabled();
  lastEnabled_ = in.enabled;
  in.hasFocus = hasFocus_;
  in.isDefault = isDefault();
  in.showFocusRect = s_.showFocusRect;
  in.specialEffect = s_.specialEffect;
  in.picturePosition = s_.picturePosition;
  in.useMaskColor = s_.useMaskColor;
  in.useGreyscale = s_.useGreyscale;
  in.caption = caption();
  in.font = font();
  in.pictureNormal = s_.pictureNormal;
  in.pictureOver = s_.pictureOver;
  in.background = background_;
  in.colours = computeColourSet(colours, mouseOver_);
  in.layout = layout_;
  in.inner = inner_;

  drawing_ = renderLook(in, width(), height());
  paintedAsDefault_ = in.isDefault;
  ++renderCount_;
  update();
}

void PellamButton::paintEvent(QPaintEvent*) {
  // Nothing of the button may show while the window behind it is being copied.
  if (capturing_) return;
  // A dialog moves its default role between buttons as the focus moves.
  if (isDefault() != paintedAsDefault_) repaintLast();
  // Enabling or disabling the button while its window is disabled tells it nothing; the
  // window's repaint when it is enabled again brings the drawing up to date.
  if (ownEnabled() != lastEnabled_) repaintLast();
  QPainter(this).drawImage(0, 0, drawing_);
}

// ---- geometry -------------------------------------------------------------------------

void PellamButton::applyLayout() {
  LayoutInput in;
  in.width = width();
  in.height = height();
  in.picturePosition = s_.picturePosition;
  in.hasPicture = !s_.pictureNormal.isNull();
  in.pictureWidth = s_.pictureNormal.width();
  in.pictureHeight = s_.pictureNormal.height();
  in.captionBlank = caption().trimmed().isEmpty();
  const QString text = caption();
  const QFont f = font();
  layout_ =
      computeLayout(in, [&text, &f](const Box& area) { return measureCaption(text, f, area); });
}

void PellamButton::applySize() {
  inner_ = innerRect(s_.buttonType, width(), height());
  applyLayout();
  const std::vector<Point> cut = shapeCutPixels(s_.buttonType, width(), height());
  if (cut.empty()) {
    clearMask();
  } else {
    QRegion shape(rect());
    for (const Point& p : cut) shape -= QRegion(p.x, p.y, 1, 1);
    setMask(shape);
  }
  if (height() != 0) paintRequest(kNormal, true);
}

void PellamButton::resizeEvent(QResizeEvent* e) {
  QPushButton::resizeEvent(e);
  applySize();
}

// Copies what the window shows behind the button, with the button itself left out.
void PellamButton::captureBackground() {
  QWidget* parent = parentWidget();
  if (!parent || width() <= 0 || height() <= 0) return;
  capturing_ = true;
  QImage copy = parent->grab(geometry()).toImage();
  capturing_ = false;
  if (copy.isNull()) return;
  if (copy.size() != size()) copy = copy.scaled(size());
  background_ = copy.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// ---- properties -----------------------------------------------------------------------

void PellamButton::mark(const QString& key) {
  if (!readingSettings_) emit settingChanged(key);
}

void PellamButton::setBackColor(ColourRef c) {
  s_.backColor = c;
  mark("BCOL");
  repaintLast();
}

void PellamButton::setBackOver(ColourRef c) {
  s_.backOver = c;
  mark("BCOLO");
  repaintLast();
}

void PellamButton::setForeColor(ColourRef c) {
  s_.foreColor = c;
  mark("FCOL");
  repaintLast();
}

void PellamButton::setForeOver(ColourRef c) {
  s_.foreOver = c;
  mark("FCOLO");
  repaintLast();
}

void PellamButton::setMaskColor(ColourRef c) {
  s_.maskColor = c;
  mark("MCOL");
  repaintLast();
}

void PellamButton::setSoftBevel(bool on) {
  s_.softBevel = on;
  mark("SOFT");
  repaintLast();
}

void PellamButton::setColorScheme(int scheme) {
  s_.colorScheme = scheme;
  mark("COLTYPE");
  paintRequest(kNormal, true);
}

void PellamButton::setButtonType(int style) {
  s_.buttonType = style;
  mark("BTYPE");
  if (style == kTransparentStyle && shown_) captureBackground();
  applySize();
}

void PellamButton::captionChanged() {
  accessKey_ = accessKeyOf(caption());
  const QString readable = readableCaption(caption()).trimmed();
  // A picture button speaks its tool tip, without the blanks that pad it on screen.
  setAccessibleName(readable.isEmpty() ? toolTip().trimmed() : readable);
  applyLayout();
}

void PellamButton::setCaption(const QString& caption) {
  QPushButton::setText(caption);
  mark("TX");
  captionChanged();
  paintRequest(kNormal, true);
}

void PellamButton::changeFont(const QFont& f) {
  quietFont_ = true;
  setFont(f);
  quietFont_ = false;
}

void PellamButton::setFontBold(bool on) {
  QFont f = font();
  f.setBold(on);
  changeFont(f);
}

void PellamButton::setFontItalic(bool on) {
  QFont f = font();
  f.setItalic(on);
  changeFont(f);
}

void PellamButton::setFontUnderline(bool on) {
  QFont f = font();
  f.setUnderline(on);
  changeFont(f);
}

void PellamButton::setFontSize(int points) {
  QFont f = font();
  f.setPointSize(points);
  changeFont(f);
}

void PellamButton::setFontName(const QString& family) {
  QFont f = font();
  f.setFamily(family);
  changeFont(f);
}

void PellamButton::setShowFocusRect(bool on) {
  s_.showFocusRect = on;
  mark("FOCUSR");
  repaintLast();
}

void PellamButton::setSpecialEffect(int effect) {
  s_.specialEffect = effect;
  mark("FX");
  repaintLast();
}

void PellamButton::setCheckBoxBehaviour(bool on) {
  s_.checkBoxBehaviour = on;
  mark("CHECK");
  repaintLast();
}

void PellamButton::setValue(bool on) {
  s_.value = on;
  mark("VALUE");
  if (s_.checkBoxBehaviour) paintRequest(kNormal, true);
}

void PellamButton::setPictureNormal(const QImage& picture) {
  s_.pictureNormal = picture;
  mark("PICN");
  applyLayout();
  repaintLast();
}

void PellamButton::setPictureNormal(const QPixmap& picture) { setPictureNormal(picture.toImage()); }

void PellamButton::setPictureOver(const QImage& picture) {
  s_.pictureOver = picture;
  mark("PICO");
  if (mouseOver_) repaintLast();
}

void PellamButton::setPictureOver(const QPixmap& picture) { setPictureOver(picture.toImage()); }

void PellamButton::setPicturePosition(int position) {
  s_.picturePosition = position;
  mark("PICPOS");
  applyLayout();
  repaintLast();
}

void PellamButton::setUseMaskColor(bool on) {
  s_.useMaskColor = on;
  mark("UMCOL");
  if (!s_.pictureNormal.isNull()) repaintLast();
}

void PellamButton::setUseGreyscale(bool on) {
  s_.useGreyscale = on;
  mark("NGREY");
  if (!s_.pictureNormal.isNull()) repaintLast();
}

void PellamButton::applyCursor() {
  if (s_.mousePointer == kCustomPointer && !s_.mouseIcon.isNull()) {
    setCursor(QCursor(QPixmap::fromImage(s_.mouseIcon)));
  } else if (s_.mousePointer == 0 || s_.mousePointer == kCustomPointer) {
    unsetCursor();
  } else {
    setCursor(cursorShape(s_.mousePointer));
  }
}

void PellamButton::setMousePointer(int pointer) {
  s_.mousePointer = pointer;
  mark("MPTR");
  applyCursor();
}

void PellamButton::setMouseIcon(const QImage& icon) {
  s_.mouseIcon = icon;
  mark("MICON");
  applyCursor();
}

void PellamButton::setCancel(bool on) {
  if (on == isCancel()) return;
  if (on) {
    cancelShortcut_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cancelShortcut_, &QShortcut::activated, this, &PellamButton::accessClick);
  } else {
    delete cancelShortcut_;
    cancelShortcut_ = nullptr;
  }
}

bool PellamButton::ownEnabled() const { return !testAttribute(Qt::WA_ForceDisabled); }

// ---- stored settings ------------------------------------------------------------------

ButtonSettings PellamButton::settings() const {
  ButtonSettings out = s_;
  out.caption = caption();
  out.enabled = ownEnabled();
  out.font = font();
  return out;
}

void PellamButton::writeProperties(PropertyBag& bag) const { writeSettings(settings(), bag); }

void PellamButton::readProperties(const PropertyBag& bag) {
  readingSettings_ = true;
  s_ = readSettings(bag, font());
  QPushButton::setText(s_.caption);
  setFont(s_.font);
  setEnabled(s_.enabled);
  readingSettings_ = false;
  applyCursor();
  captionChanged();
  applySize();
}

void PellamButton::Refresh() {
  if (s_.buttonType == kTransparentStyle) captureBackground();
  applyLayout();
  shown_ = true;
  repaintLast();
}

// ---- life cycle and ambient changes ---------------------------------------------------

void PellamButton::showEvent(QShowEvent* e) {
  QPushButton::showEvent(e);
  if (s_.buttonType == kTransparentStyle) captureBackground();
  shown_ = true;
  paintRequest(kNormal, true);
}

void PellamButton::hideEvent(QHideEvent* e) {
  QPushButton::hideEvent(e);
  shown_ = false;
  if (!tracking_) return;
  // The pointer has left with the button. MouseOut follows on the next turn of the event
  // loop, as the hover poll would tell it; a window being closed is gone by then, and so is
  // the queued signal with its button.
  tracking_ = false;
  mouseOver_ = false;
  QMetaObject::invokeMethod(this, &PellamButton::MouseOut, Qt::QueuedConnection);
}

void PellamButton::changeEvent(QEvent* e) {
  QPushButton::changeEvent(e);
  switch (e->type()) {
    case QEvent::EnabledChange:
      // Only the button's own state counts: a window disabled for a long scan leaves its
      // buttons looking as they were.
      if (ownEnabled() != lastEnabled_) {
        lastEnabled_ = ownEnabled();
        mark("ENAB");
        paintRequest(kNormal, true);
      }
      break;
    case QEvent::FontChange:
      if (!quietFont_) mark("FONT");
      applyLayout();
      paintRequest(kNormal, true);
      break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
      repaintLast();
      break;
    default:
      break;
  }
}

bool PellamButton::event(QEvent* e) {
  if (e->type() == QEvent::Shortcut) {
    const auto* se = static_cast<QShortcutEvent*>(e);
    if (!se->isAmbiguous()) {
      if (!accessKey_.isNull() &&
          se->key() == QKeySequence::mnemonic(QStringLiteral("&") + accessKey_)) {
        accessClick();
      }
      return true;
    }
  } else if (e->type() == QEvent::ToolTipChange) {
    captionChanged();
  }
  return QPushButton::event(e);
}

void PellamButton::focusInEvent(QFocusEvent* e) {
  QPushButton::focusInEvent(e);
  hasFocus_ = true;
  repaintLast();
}

void PellamButton::focusOutEvent(QFocusEvent* e) {
  QPushButton::focusOutEvent(e);
  hasFocus_ = false;
  repaintLast();
}

// ---- mouse ----------------------------------------------------------------------------

bool PellamButton::isOver(const QPoint& pos) const {
  return rect().contains(pos) && (mask().isEmpty() || mask().contains(pos));
}

void PellamButton::mousePressEvent(QMouseEvent* e) {
  const QPointer<PellamButton> alive(this);
  const int button = buttonCode(e->button());
  doubleClickPress_ = false;
  const QPoint pos = e->position().toPoint();
  emit MouseDown(button, shiftCode(e->modifiers()), pos.x(), pos.y());
  if (!alive) return;
  lastMouseButton_ = button;
  if (button != kRightButton) paintRequest(kPressed, false);
}

// The second press of a double click presses the button again but clicks it no more.
void PellamButton::mouseDoubleClickEvent(QMouseEvent*) {
  if (lastMouseButton_ != kLeftButton) return;
  const QPointer<PellamButton> alive(this);
  doubleClickPress_ = true;
  emit MouseDown(kLeftButton, 0, 0, 0);
  if (!alive) return;
  lastMouseButton_ = kLeftButton;
  paintRequest(kPressed, false);
}

void PellamButton::mouseReleaseEvent(QMouseEvent* e) {
  const QPointer<PellamButton> alive(this);
  const int button = buttonCode(e->button());
  const QPoint pos = e->position().toPoint();
  emit MouseUp(button, shiftCode(e->modifiers()), pos.x(), pos.y());
  if (!alive) return;
  if (button != kRightButton) paintRequest(kNormal, false);
  const bool clicked = !doubleClickPress_ && button == lastMouseButton_ && isOver(pos);
  doubleClickPress_ = false;
  if (clicked) mouseClick(true);
}

void PellamButton::mouseMoveEvent(QMouseEvent* e) {
  const QPointer<PellamButton> alive(this);
  const QPoint pos = e->position().toPoint();
  emit MouseMove(buttonsCode(e->buttons()), shiftCode(e->modifiers()), pos.x(), pos.y());
  if (!alive) return;
  const Qt::MouseButtons held = e->buttons();
  if (held != Qt::NoButton && held != Qt::LeftButton) return;
  if (!isOver(pos)) {
    paintRequest(kNormal, false);
    if (tracking_) pointerLeft();
    return;
  }
  if (!tracking_) {
    emit MouseIn();
    if (!alive) return;
  }
  if (held == Qt::NoButton) {
    if (!mouseOver_) {
      tracking_ = true;
      mouseOver_ = true;
      paintRequest(kNormal, true);
      emit MouseOver();
    }
  } else {
    mouseOver_ = true;
    paintRequest(kPressed, false);
    mouseOver_ = false;
  }
}

void PellamButton::leaveEvent(QEvent* e) {
  QPushButton::leaveEvent(e);
  if (tracking_) pointerLeft();
}

// Hover tracking ends when the pointer has left the button.
void PellamButton::pointerLeft() {
  tracking_ = false;
  mouseOver_ = false;
  paintRequest(kNormal, true);
  emit MouseOut();
}

// ---- clicks ---------------------------------------------------------------------------

// The steps of a click. `forced` repaints even an unchanged look (a mouse click); the space
// bar repaints only a change. Qt's clicked() follows Click unless Qt itself raised it.
void PellamButton::clickSteps(bool forced, bool emitQtClicked) {
  if (!isEnabled()) return;
  if (s_.checkBoxBehaviour) s_.value = !s_.value;
  paintRequest(kNormal, forced);
  // The released look shows before whatever the click starts.
  repaint();
  const QPointer<PellamButton> alive(this);
  emit Click();
  if (!alive || !emitQtClicked) return;
  emittingClicked_ = true;
  emit clicked(s_.checkBoxBehaviour && s_.value);
  if (alive) emittingClicked_ = false;
}

// Only the left button clicks.
void PellamButton::mouseClick(bool emitQtClicked) {
  if (lastMouseButton_ == kLeftButton) clickSteps(true, emitQtClicked);
}

// An access key, Escape on a cancel button, or Enter on the default button.
void PellamButton::accessClick() {
  lastMouseButton_ = kLeftButton;
  mouseClick(true);
}

// Qt clicks the button itself for Enter on a dialog's default button and for screen
// readers; those clicks are the same as an access key, with clicked() already raised.
void PellamButton::qtClicked() {
  if (emittingClicked_) return;
  lastMouseButton_ = kLeftButton;
  mouseClick(false);
}

// ---- keyboard -------------------------------------------------------------------------

void PellamButton::keyPressEvent(QKeyEvent* e) {
  const QPointer<PellamButton> alive(this);
  emit KeyDown(e->key(), shiftCode(e->modifiers()));
  if (!alive) return;
  lastKey_ = e->key();
  const bool space = e->key() == Qt::Key_Space;
  if (space) paintRequest(kPressed, false);
  if (!e->text().isEmpty()) {
    emit KeyPress(e->text().at(0).unicode());
    if (!alive) return;
  }
  if (space) {
    e->accept();
  } else if (isEnterKey(e)) {
    // Enter presses the button that has the focus, in a window as in a dialog, as the space
    // bar does; a window's default button gets Enter only while no other button has the focus.
    e->accept();
    accessClick();
  } else {
    QPushButton::keyPressEvent(e);
  }
}

void PellamButton::keyReleaseEvent(QKeyEvent* e) {
  // A held key repeats its press only; the platform's repeated releases are not real.
  if (e->isAutoRepeat()) return;
  const QPointer<PellamButton> alive(this);
  emit KeyUp(e->key(), shiftCode(e->modifiers()));
  if (!alive) return;
  if (e->key() != Qt::Key_Space) {
    QPushButton::keyReleaseEvent(e);
    return;
  }
  e->accept();
  if (lastKey_ == Qt::Key_Space) clickSteps(false, true);
}

}  // namespace vm::ui

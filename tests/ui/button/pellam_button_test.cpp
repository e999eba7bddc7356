// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/pellam_button.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDialog>
#include <QTest>

#include "ui/button/button_host.h"
#include "ui/button/command_button.h"

namespace vm::ui::testing {
namespace {

using button::kRoundedStyle;
using button::kSoftStyle;
using button::kTransparentStyle;

// Every event the button raises, in order, for as long as the log lives.
struct EventLog {
  explicit EventLog(PellamButton& b) {
    const auto connect = [this, &b](auto signal, auto slot) {
      QObject::connect(&b, signal, &context, slot);
    };
    const auto mouse = [this](const char* name) {
      return [this, name](int button, int shift, int x, int y) {
        events << QString("%1 %2 %3 %4 %5").arg(name).arg(button).arg(shift).arg(x).arg(y);
      };
    };
    connect(&PellamButton::Click, [this] { events << "Click"; });
    connect(&QAbstractButton::clicked, [this] { events << "clicked"; });
    connect(&PellamButton::MouseDown, mouse("MouseDown"));
    connect(&PellamButton::MouseUp, mouse("MouseUp"));
    connect(&PellamButton::MouseMove,
            [this](int button, int, int, int) { events << QString("MouseMove %1").arg(button); });
    connect(&PellamButton::KeyDown,
            [this](int key, int shift) { events << QString("KeyDown %1 %2").arg(key).arg(shift); });
    connect(&PellamButton::KeyUp,
            [this](int key, int shift) { events << QString("KeyUp %1 %2").arg(key).arg(shift); });
    connect(&PellamButton::KeyPress,
            [this](int ascii) { events << QString("KeyPress %1").arg(ascii); });
    connect(&PellamButton::MouseOver, [this] { events << "MouseOver"; });
    connect(&PellamButton::MouseIn, [this] { events << "MouseIn"; });
    connect(&PellamButton::MouseOut, [this] { events << "MouseOut"; });
  }
  QObject context;
  QStringList events;
};

QRgb pixel(ButtonHost& host, int x, int y) { return host.drawing().pixel(x, y) & 0xFFFFFF; }

// The host's 120 × 32 soft button: row 10 of its gradient, its flat pressed face, and the
// light face under the mouse (from the hover colour 110, 150, 200).
constexpr QRgb kNormalRow10 = 0x6D95C7;      // 109, 149, 199
constexpr QRgb kPressedFace = 0x476FA1;      // 71, 111, 161
constexpr QRgb kHoverFace = 0x8DB5E7;        // 141, 181, 231
constexpr QRgb kPressedOverFace = 0x658DBF;  // pressed under the mouse: 101, 141, 191

TEST(PellamButtonMouse, LeftClickPressesReleasesAndClicks) {
  ButtonHost host(kSoftStyle);
  EventLog log(host.button());
  QTest::mousePress(&host.button(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 12));
  EXPECT_EQ(pixel(host, 50, 10), kPressedFace);
  QTest::mouseRelease(&host.button(), Qt::LeftButton, {}, QPoint(11, 12));
  EXPECT_EQ(pixel(host, 50, 10), kNormalRow10);
  EXPECT_EQ(log.events,
            (QStringList{"MouseDown 1 1 10 12", "MouseUp 1 0 11 12", "Click", "clicked"}));
}

TEST(PellamButtonMouse, ReleasingOutsideTheButtonDoesNotClick) {
  ButtonHost host(kSoftStyle);
  EventLog log(host.button());
  QTest::mousePress(&host.button(), Qt::LeftButton, {}, QPoint(10, 12));
  QTest::mouseRelease(&host.button(), Qt::LeftButton, {}, QPoint(130, 12));
  EXPECT_EQ(log.events, (QStringList{"MouseDown 1 0 10 12", "MouseUp 1 0 130 12"}));
  EXPECT_EQ(pixel(host, 50, 10), kNormalRow10);
}

TEST(PellamButtonMouse, RightButtonNeverShowsPressedNorClicks) {
  ButtonHost host(kSoftStyle);
  EventLog log(host.button());
  QTest::mousePress(&host.button(), Qt::RightButton, {}, QPoint(10, 12));
  EXPECT_EQ(pixel(host, 50, 10), kNormalRow10);
  QTest::mouseRelease(&host.button(), Qt::RightButton, {}, QPoint(10, 12));
  EXPECT_EQ(log.events, (QStringList{"MouseDown 2 0 10 12", "MouseUp 2 0 10 12"}));
}

TEST(PellamButtonMouse, SecondPressOfADoubleClickPressesAgainWithoutASecondClick) {
  ButtonHost host(kSoftStyle);
  EventLog log(host.button());
  const QPoint p(10, 12);
  QTest::mousePress(&host.button(), Qt::LeftButton, {}, p);
  QTest::mouseRelease(&host.button(), Qt::LeftButton, {}, p);
  QTest::mouseDClick(&host.button(), Qt::LeftButton, {}, p);
  EXPECT_EQ(pixel(host, 50, 10), kPressedFace);
  QTest::mouseRelease(&host.button(), Qt::LeftButton, {}, p);
  EXPECT_EQ(log.events, (QStringList{"MouseDown 1 0 10 12", "MouseUp 1 0 10 12", "Click", "clicked",
                                     "MouseDown 1 0 0 0", "MouseUp 1 0 10 12"}));
}

TEST(PellamButtonMouse, DisabledButtonRaisesNoClick) {
  ButtonHost host(kSoftStyle);
  host.button().setEnabled(false);
  EventLog log(host.button());
  QTest::mouseClick(&host.button(), Qt::LeftButton);
  host.button().click();
  host.button().setCancel(true);
  QTest::keyClick(&host.window(), Qt::Key_Escape);
  EXPECT_TRUE(log.events.isEmpty()) << log.events.join(", ").toStdString();
}

TEST(PellamButtonMouse, CheckButtonTogglesValueBeforeClickAndStaysPressedWhileOn) {
  ButtonHost host(kSoftStyle);
  PellamButton& b = host.button();
  b.setCheckBoxBehaviour(true);
  QList<bool> seen;
  QObject::connect(&b, &PellamButton::Click, [&seen, &b] { seen << b.value(); });
  QTest::mouseClick(&b, Qt::LeftButton);
  EXPECT_TRUE(b.value());
  EXPECT_EQ(pixel(host, 50, 10), kPressedFace);
  QTest::mouseClick(&b, Qt::LeftButton);
  EXPECT_FALSE(b.value());
  EXPECT_EQ(pixel(host, 50, 10), kNormalRow10);
  EXPECT_EQ(seen, (QList<bool>{true, false}));

  b.setValue(true);
  EXPECT_EQ(pixel(host, 50, 10), kPressedFace);
}

TEST(PellamButtonHover, EnteringRaisesMouseInThenMouseOverOnceAndLeavingMouseOutOnce) {
  ButtonHost host(kSoftStyle);
  EventLog log(host.button());
  QTest::mouseMove(&host.button(), QPoint(20, 10));
  QTest::mouseMove(&host.button(), QPoint(30, 12));
  QTest::mouseMove(&host.button(), QPoint(40, 14));
  EXPECT_EQ(log.events,
            (QStringList{"MouseMove 0", "MouseIn", "MouseOver", "MouseMove 0", "MouseMove 0"}));
  EXPECT_EQ(pixel(host, 50, 10), kHoverFace);
  log.events.clear();
  QTest::mouseMove(&host.window(), QPoint(3, 3));
  QTest::mouseMove(&host.window(), QPoint(4, 4));
  EXPECT_EQ(log.events, (QStringList{"MouseOut"}));
  EXPECT_EQ(pixel(host, 50, 10), kNormalRow10);
}

TEST(PellamButtonHover, ClickUnderTheMouseKeepsTheHoverLook) {
  ButtonHost host(kSoftStyle);
  EventLog log(host.button());
  host.show(Look::Hover);
  log.events.clear();
  QTest::mouseClick(&host.button(), Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_EQ(log.events,
            (QStringList{"MouseDown 1 0 20 10", "MouseUp 1 0 20 10", "Click", "clicked"}));
  EXPECT_EQ(pixel(host, 50, 10), kHoverFace);
}

TEST(PellamButtonHover, DraggingOutEndsThePressedAndHoverLooks) {
  ButtonHost host(kSoftStyle);
  EventLog log(host.button());
  host.show(Look::Hover);
  QTest::mousePress(&host.button(), Qt::LeftButton, {}, QPoint(20, 10));
  log.events.clear();
  QTest::mouseMove(&host.button(), QPoint(140, 10));
  EXPECT_EQ(log.events, (QStringList{"MouseMove 1", "MouseOut"}));
  EXPECT_EQ(pixel(host, 50, 10), kNormalRow10);
  QTest::mouseMove(&host.button(), QPoint(20, 10));
  EXPECT_EQ(pixel(host, 50, 10), kPressedOverFace);
  QTest::mouseRelease(&host.button(), Qt::LeftButton, {}, QPoint(140, 10));
}

TEST(PellamButtonHover, HidingTellsMouseOutOnTheNextTurnOfTheEventLoop) {
  ButtonHost host(kSoftStyle);
  EventLog log(host.button());
  host.show(Look::Hover);
  log.events.clear();
  host.button().hide();
  EXPECT_TRUE(log.events.isEmpty());
  QCoreApplication::processEvents();
  EXPECT_EQ(log.events, (QStringList{"MouseOut"}));
}

TEST(PellamButtonHover, ClosingTheWindowUnderTheMouseRaisesNoMouseOut) {
  auto* window = new QWidget;
  window->resize(200, 60);
  auto* b = new PellamButton("cmdClose", window);
  b->setGeometry(10, 10, 100, 30);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  int overs = 0;
  QObject::connect(b, &PellamButton::MouseOver, [&overs] { ++overs; });
  QTest::mouseMove(b, QPoint(20, 10));
  ASSERT_EQ(overs, 1);
  int outs = 0;
  QObject::connect(b, &PellamButton::MouseOut, [&outs] { ++outs; });
  delete window;
  QCoreApplication::processEvents();
  EXPECT_EQ(outs, 0);
}

TEST(PellamButtonPaint, RequestsForAnUnchangedLookDrawNothing) {
  ButtonHost host(kSoftStyle);
  PellamButton& b = host.button();
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(20, 10));
  const int drawn = b.renderCount();
  QTest::mouseMove(&b, QPoint(25, 10));
  QTest::mouseMove(&b, QPoint(30, 10));
  EXPECT_EQ(b.renderCount(), drawn);
  b.setSpecialEffect(0);  // a forced repaint
  EXPECT_EQ(b.renderCount(), drawn + 1);
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(30, 10));
}

TEST(PellamButtonPaint, HiddenButtonsDrawWhenShownAgain) {
  ButtonHost host(kSoftStyle);
  PellamButton& b = host.button();
  b.hide();
  const int drawn = b.renderCount();
  b.setBackColor(button::rgb(200, 0, 0));
  EXPECT_EQ(b.renderCount(), drawn);
  b.show();
  EXPECT_GT(b.renderCount(), drawn);
  EXPECT_EQ(pixel(host, 50, 1), qRgb(191, 0, 0) & 0xFFFFFF);  // face - 9
}

TEST(PellamButtonPaint, OwnDisabledStateGreysButADisabledWindowDoesNot) {
  ButtonHost host(kSoftStyle, "HIH", {120, 40});
  host.button().setFontSize(20);
  const QImage normal = host.drawing();
  host.window().setEnabled(false);
  EXPECT_EQ(host.drawing(), normal);
  host.window().setEnabled(true);
  host.button().setEnabled(false);
  EXPECT_NE(host.drawing(), normal);
  host.button().setEnabled(true);
  EXPECT_EQ(host.drawing(), normal);
}

TEST(PellamButtonPaint, AStateSetWhileTheWindowIsDisabledShowsOnceItIsEnabled) {
  ButtonHost host(kSoftStyle, "HIH", {120, 40});
  const QImage normal = host.drawing();
  host.window().setEnabled(false);
  host.button().setEnabled(false);
  host.button().setSpecialEffect(0);  // drawn while the window is disabled
  host.window().setEnabled(true);
  host.button().setEnabled(true);
  EXPECT_EQ(host.drawing(), normal);

  host.window().setEnabled(false);
  host.button().setEnabled(false);
  host.window().setEnabled(true);
  host.button().repaint();
  EXPECT_NE(host.drawing(), normal);
}

TEST(PellamButtonPaint, FocusLightsTheRoundedEdges) {
  ButtonHost host(kRoundedStyle);
  const QRgb ring = 0x8CAEE7;  // 140, 174, 231
  EXPECT_NE(pixel(host, 1, 15), ring);
  host.show(Look::Focus);
  EXPECT_EQ(pixel(host, 1, 15), ring);
  host.window().setFocus();
  EXPECT_NE(pixel(host, 1, 15), ring);
}

TEST(PellamButtonShape, WindowShapeFollowsTheStyle) {
  ButtonHost host(kRoundedStyle);
  PellamButton& b = host.button();
  for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(119, 31), QPoint(118, 31)}) {
    EXPECT_FALSE(b.mask().contains(p)) << p.x() << "," << p.y();
  }
  EXPECT_TRUE(b.mask().contains(QPoint(2, 0)));
  EXPECT_TRUE(b.mask().contains(QPoint(1, 1)));

  b.setButtonType(kSoftStyle);
  EXPECT_FALSE(b.mask().contains(QPoint(0, 31)));
  EXPECT_FALSE(b.mask().contains(QPoint(119, 0)));
  EXPECT_TRUE(b.mask().contains(QPoint(0, 0)));

  b.setButtonType(kTransparentStyle);
  EXPECT_TRUE(b.mask().isEmpty());
  b.resize(80, 20);
  b.setButtonType(kSoftStyle);
  EXPECT_FALSE(b.mask().contains(QPoint(79, 0)));
}

TEST(PellamButtonShape, TransparentStyleShowsTheWindowBehindIt) {
  ButtonHost host(kTransparentStyle);
  for (QPoint p : {QPoint(2, 2), QPoint(117, 29), QPoint(60, 1)}) {
    EXPECT_EQ(pixel(host, p.x(), p.y()), host.windowPixelAt(p) & 0xFFFFFF);
  }
}

TEST(PellamButtonShape, RefreshCopiesTheWindowBehindAgain) {
  QWidget window;
  window.resize(200, 60);
  window.setAutoFillBackground(true);
  QPalette green = window.palette();
  green.setColor(QPalette::Window, QColor(0, 160, 0));
  window.setPalette(green);
  auto* b = new PellamButton("cmdLink", &window);
  b->setButtonType(kTransparentStyle);
  b->setCaption("");
  b->setGeometry(10, 10, 100, 30);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(b->grab().toImage().pixel(50, 15) & 0xFFFFFF, 0x00A000u);

  QPalette red = green;
  red.setColor(QPalette::Window, QColor(160, 0, 0));
  window.setPalette(red);
  EXPECT_EQ(b->grab().toImage().pixel(50, 15) & 0xFFFFFF, 0x00A000u);
  b->Refresh();
  EXPECT_EQ(b->grab().toImage().pixel(50, 15) & 0xFFFFFF, 0xA00000u);
}

TEST(PellamButtonPaint, DrawsBeforeItIsEverShown) {
  QWidget window;
  PellamButton b("cmdSave", &window);
  b.setBackColor(button::rgb(80, 120, 170));
  b.resize(100, 30);
  const QImage img = b.grab().toImage();
  EXPECT_EQ(img.pixel(50, 1) & 0xFFFFFF, 0x476FA1u);  // face - 9
  EXPECT_FALSE(b.mask().contains(QPoint(0, 29)));
}

TEST(PellamButtonKeys, SpaceBarPressesAndClicksOnRelease) {
  ButtonHost host(kSoftStyle);
  host.show(Look::Focus);
  EventLog log(host.button());
  QTest::keyPress(&host.button(), Qt::Key_Space);
  EXPECT_EQ(pixel(host, 50, 10), kPressedFace);
  QTest::keyRelease(&host.button(), Qt::Key_Space);
  EXPECT_EQ(log.events,
            (QStringList{"KeyDown 32 0", "KeyPress 32", "KeyUp 32 0", "Click", "clicked"}));
}

TEST(PellamButtonKeys, SpaceReleasedAfterAnotherKeyDoesNotClick) {
  ButtonHost host(kSoftStyle);
  host.show(Look::Focus);
  EventLog log(host.button());
  QTest::keyPress(&host.button(), Qt::Key_Space);
  QTest::keyPress(&host.button(), Qt::Key_A);
  QTest::keyRelease(&host.button(), Qt::Key_Space);
  EXPECT_EQ(log.events, (QStringList{"KeyDown 32 0", "KeyPress 32", "KeyDown 65 0", "KeyPress 97",
                                     "KeyUp 32 0"}));
}

TEST(PellamButtonKeys, AccessKeyClicksOnlyForTheCaptionsOwnKey) {
  ButtonHost host(kSoftStyle, "&Add User");
  EventLog log(host.button());
  QTest::keyClick(&host.window(), Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(log.events, (QStringList{"Click", "clicked"}));

  // The toolkit would take the last marker here; the caption's own rule finds no key.
  host.button().setCaption("a&&b&&c&d");
  log.events.clear();
  QTest::keyClick(&host.window(), Qt::Key_D, Qt::AltModifier);
  EXPECT_TRUE(log.events.isEmpty());
}

TEST(PellamButtonKeys, EnterClicksTheDialogsDefaultButtonOnce) {
  QDialog dialog;
  auto* b = new PellamButton("cmdSave", &dialog);
  b->setGeometry(10, 10, 100, 30);
  b->setDefault(true);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  EventLog log(*b);
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_EQ(log.events, (QStringList{"Click", "clicked"}));
}

TEST(PellamButtonKeys, EnterPressesTheFocusedButtonOnceInAWindowAsInADialog) {
  ButtonHost host(kSoftStyle);
  host.show(Look::Focus);
  EventLog log(host.button());
  QTest::keyClick(&host.button(), Qt::Key_Return);
  QTest::keyClick(&host.button(), Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(&host.button(), Qt::Key_Return, Qt::ShiftModifier);  // not Enter alone
  EXPECT_EQ(log.events.count("Click"), 2);
  EXPECT_EQ(log.events.count("clicked"), 2);

  // In a dialog the focused button takes Enter, not the default one.
  QDialog dialog;
  auto* save = new PellamButton("cmdSave", &dialog);
  auto* cancel = new PellamButton("cmdCancel", &dialog);
  cancel->move(0, 40);
  save->setDefault(true);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  EventLog saves(*save);
  EventLog cancels(*cancel);
  cancel->setFocus();
  QTest::keyClick(cancel, Qt::Key_Return);
  EXPECT_TRUE(saves.events.isEmpty());
  EXPECT_EQ(cancels.events.count("Click"), 1);
}

TEST(PellamButtonKeys, EscapeClicksTheCancelButton) {
  ButtonHost host(kSoftStyle, "&Cancel");
  host.button().setCancel(true);
  EventLog log(host.button());
  QTest::keyClick(&host.window(), Qt::Key_Escape);
  EXPECT_EQ(log.events, (QStringList{"Click", "clicked"}));
}

TEST(PellamButtonAccess, CaptionIsTheButtonsTextAndReadableName) {
  ButtonHost host(kSoftStyle, "Save && &Exit");
  PellamButton& b = host.button();
  EXPECT_EQ(b.text(), "Save && &Exit");
  EXPECT_EQ(b.accessKey(), QChar('e'));
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&b);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::Button);
  EXPECT_EQ(a->text(QAccessible::Name), "Save & Exit");

  // A picture button is known by its tool tip, without the blanks that pad it on screen.
  b.setCaption("");
  b.setToolTip(" Click here for Help ");
  EXPECT_EQ(a->text(QAccessible::Name), "Click here for Help");
}

TEST(PellamButtonAccess, MousePointerSetsTheCursor) {
  PellamButton b("cmdBusy");
  b.setMousePointer(11);
  EXPECT_EQ(b.cursor().shape(), Qt::WaitCursor);
  b.setMousePointer(0);
  EXPECT_EQ(b.cursor().shape(), Qt::ArrowCursor);
}

TEST(CommandButton, StartsInTheCommonLookOfTheWindows) {
  QWidget window;
  PellamButton* b = makeCommandButton(&window, "cmdQuit", "&Quit", " Click here to quit ");
  b->setGeometry(0, 0, 100, 30);
  EXPECT_EQ(b->parent(), &window);
  EXPECT_EQ(b->objectName(), "cmdQuit");
  EXPECT_EQ(b->caption(), "&Quit");
  EXPECT_EQ(b->toolTip(), " Click here to quit ");
  EXPECT_EQ(b->buttonType(), kSoftStyle);
  EXPECT_EQ(b->colorScheme(), 2);
  EXPECT_EQ(b->backColor(), button::systemColour(button::SystemColour::ButtonFace));
  EXPECT_EQ(b->foreOver(), button::systemColour(button::SystemColour::ButtonText));

  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QColor face = b->palette().color(QPalette::Button);
  const QImage img = b->grab().toImage();
  EXPECT_EQ(img.pixel(50, 1) & 0xFFFFFF,
            qRgb(std::max(face.red() - 9, 0), std::max(face.green() - 9, 0),
                 std::max(face.blue() - 9, 0)) &
                0xFFFFFF);
}

}  // namespace
}  // namespace vm::ui::testing

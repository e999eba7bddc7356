// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility/accessible_factory.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextEdit>

#include "ui/accessibility/accessible_application.h"
#include "ui/accessibility/accessible_line_edit.h"
#include "ui/accessibility/accessible_link.h"
#include "ui/accessibility/accessible_tab_bar.h"
#include "ui/accessibility/accessible_text_box.h"
#include "ui/link_label.h"

namespace vm::ui {
namespace {

// Asked with each class name of the object's class and its bases, most derived first, so a
// control derived from one of these gets the same interface.
QAccessibleInterface* programInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("QApplication") && object == QCoreApplication::instance())
    return new AccessibleApplication;
  if (className == QLatin1String("vm::ui::LinkLabel"))
    return new AccessibleLink(static_cast<LinkLabel*>(object));
  if (className == QLatin1String("QLineEdit"))
    return new AccessibleLineEdit(static_cast<QLineEdit*>(object));
  if (className == QLatin1String("QPlainTextEdit"))
    return new AccessibleTextBox<QPlainTextEdit>(static_cast<QPlainTextEdit*>(object));
  if (className == QLatin1String("QTextEdit"))
    return new AccessibleTextBox<QTextEdit>(static_cast<QTextEdit*>(object));
  if (className == QLatin1String("QTabBar"))
    return new AccessibleTabBar(static_cast<QTabBar*>(object));
  return nullptr;
}

}  // namespace

// The toolkit asks the factories installed last first, so these come before its own.
void installAccessibleInterfaces() { QAccessible::installFactory(&programInterface); }

}  // namespace vm::ui

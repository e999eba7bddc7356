// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

#include "print/install_values.h"
#include "print/link_target.h"

class QWidget;

namespace vm::ui {

class Dialogs;

// Hands a URL to the platform; false when nothing could be started for it.
using UrlOpener = std::function<bool(const QUrl&)>;

// The platform's shell: the user's mail program or web browser.
bool openUrlWithShell(const QUrl& url);

// Opens a mail ("mailto:") or web ("http://") link through the shell; an empty address opens
// the maker's e-mail address or web site. When nothing can be started, shows the critical
// "Error" box "Could not establish a connection!" over the owner and returns false.
bool OpenLink(print::LinkKind kind, QWidget* owner, const QString& address,
              const print::InstallValues& install, Dialogs& dialogs,
              const UrlOpener& open = openUrlWithShell);

}  // namespace vm::ui

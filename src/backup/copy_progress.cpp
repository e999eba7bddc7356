// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/copy_progress.h"

#include <QWidget>

namespace vm::backup {

CopyProgress::CopyProgress(QWidget* window, Flow flow)
    : busy_(window), window_(window), flow_(flow), title_(window ? window->windowTitle() : "") {}

CopyProgress::~CopyProgress() {
  if (window_) window_->setWindowTitle(title_);
}

void CopyProgress::fileStarted(std::string_view name) {
  if (window_ && name != shown_) {
    shown_ = name;
    window_->setWindowTitle(
        copyingTitle(flow_, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
    window_->repaint();
  }
  escape_.poll();
}

}  // namespace vm::backup

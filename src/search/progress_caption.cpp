// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/progress_caption.h"

#include <QString>

#include "format/number_text.h"
#include "ui/button/pellam_button.h"
#include "ui/escape_stops.h"

namespace vm::search {

scan::ScanProgress progressOnCaption(ui::PellamButton* button, ui::EscapeStops& escape) {
  return [button, &escape](std::int64_t done, std::int64_t total) {
    const double share = total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 1;
    button->setCaption(QString::fromStdString(format::formatPercent(share)));
    button->repaint();
    escape.poll();
  };
}

}  // namespace vm::search

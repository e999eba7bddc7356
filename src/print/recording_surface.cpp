// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/recording_surface.h"

#include "print/utf8_chars.h"

namespace vm::print {

RecordingSurface::RecordingSurface(double paperWidth, double paperHeight)
    : paperWidth_(paperWidth), paperHeight_(paperHeight) {}

void RecordingSurface::print(std::string_view text) {
  if (text.empty()) return;
  open_ = true;
  record(Event::Text, std::string(text));
  x_ += textWidth(text);
}

void RecordingSurface::endLine() {
  x_ = 0.0;
  y_ += textHeight("");
}

double RecordingSurface::textWidth(std::string_view text) const {
  return static_cast<double>(utf8Chars(text).size()) * kAdvancePerPoint * font_.points;
}

double RecordingSurface::textHeight(std::string_view) const {
  return kLineHeightPerPoint * font_.points;
}

void RecordingSurface::newPage() {
  open_ = true;
  record(Event::NewPage);
  ++page_;
  x_ = 0.0;
  y_ = 0.0;
}

void RecordingSurface::endDocument() { closeDocument(Event::EndDocument); }

void RecordingSurface::abandonDocument() { closeDocument(Event::AbandonDocument); }

std::vector<RecordingSurface::Entry> RecordingSurface::texts() const {
  std::vector<Entry> out;
  for (const Entry& e : entries_)
    if (e.event == Event::Text) out.push_back(e);
  return out;
}

void RecordingSurface::record(Event event, std::string text) {
  entries_.push_back(Entry{event, page_, x_, y_, std::move(text), font_});
}

void RecordingSurface::closeDocument(Event event) {
  if (!open_) return;
  record(event);
  open_ = false;
  page_ = 1;
  x_ = 0.0;
  y_ = 0.0;
}

}  // namespace vm::print

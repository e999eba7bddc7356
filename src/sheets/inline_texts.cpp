// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/inline_texts.h"

#include <optional>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

namespace vm::sheets {
namespace {

std::string entry(const orcus::zip_archive& zip, std::string_view name) {
  std::vector<unsigned char> bytes;
  if (!zip.read_file_entry(name, bytes)) return {};
  return {bytes.begin(), bytes.end()};
}

// The value of an attribute in a start tag: `name="value"` or `name='value'`, preceded by a blank.
std::optional<std::string_view> attribute(std::string_view tag, std::string_view name) {
  for (std::size_t at = tag.find(name); at != std::string_view::npos; at = tag.find(name, at + 1)) {
    const std::size_t eq = at + name.size();
    if (at == 0 ||
        (tag[at - 1] != ' ' && tag[at - 1] != '\t' && tag[at - 1] != '\n' && tag[at - 1] != '\r'))
      continue;
    if (eq + 1 >= tag.size() || tag[eq] != '=' || (tag[eq + 1] != '"' && tag[eq + 1] != '\''))
      continue;
    const std::size_t end = tag.find(tag[eq + 1], eq + 2);
    if (end == std::string_view::npos) return std::nullopt;
    return tag.substr(eq + 2, end - eq - 2);
  }
  return std::nullopt;
}

void appendUtf8(std::string& out, unsigned long c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// XML's character and entity references undone.
std::string xmlText(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const std::size_t semi = s[i] == '&' ? s.find(';', i) : std::string_view::npos;
    if (semi == std::string_view::npos || semi - i > 10) {
      out += s[i];
      continue;
    }
    const std::string_view ref = s.substr(i + 1, semi - i - 1);
    if (ref == "amp")
      out += '&';
    else if (ref == "lt")
      out += '<';
    else if (ref == "gt")
      out += '>';
    else if (ref == "quot")
      out += '"';
    else if (ref == "apos")
      out += '\'';
    else if (ref.starts_with("#x"))
      appendUtf8(out, std::stoul(std::string(ref.substr(2)), nullptr, 16));
    else if (ref.starts_with("#"))
      appendUtf8(out, std::stoul(std::string(ref.substr(1)), nullptr, 10));
    else
      out.append(s.substr(i, semi - i + 1));
    i = semi;
  }
  return out;
}

// "B7" as row 6, column 1.
std::optional<std::pair<std::size_t, std::size_t>> cellAt(std::string_view ref) {
  std::size_t i = 0, column = 0, row = 0;
  for (; i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z'; ++i)
    column = column * 26 + (ref[i] - 'A' + 1);
  const std::size_t digits = i;
  for (; i < ref.size() && ref[i] >= '0' && ref[i] <= '9'; ++i) row = row * 10 + (ref[i] - '0');
  if (column == 0 || row == 0 || i == digits || i != ref.size() || row > 1048576 || column > 16384)
    return std::nullopt;
  return std::pair{row - 1, column - 1};
}

// The texts of the <t> elements inside one cell's <is> element, runs of rich text joined.
std::string cellText(std::string_view is) {
  std::string text;
  for (std::size_t at = is.find("<t"); at != std::string_view::npos; at = is.find("<t", at + 2)) {
    if (at + 2 >= is.size() || (is[at + 2] != '>' && is[at + 2] != ' ')) continue;
    const std::size_t open = is.find('>', at);
    const std::size_t close = is.find("</t>", open);
    if (open == std::string_view::npos || close == std::string_view::npos) break;
    if (is[open - 1] != '/') text += xmlText(is.substr(open + 1, close - open - 1));
  }
  return text;
}

// The sheets' parts in the order of the workbook.
std::vector<std::string> sheetParts(const orcus::zip_archive& zip) {
  const std::string book = entry(zip, "xl/workbook.xml");
  const std::string rels = entry(zip, "xl/_rels/workbook.xml.rels");
  std::vector<std::string> parts;
  for (std::size_t at = book.find("<sheet "); at != std::string::npos;
       at = book.find("<sheet ", at + 1)) {
    const std::size_t tagEnd = book.find('>', at);
    if (tagEnd == std::string::npos) break;
    const std::string_view tag(book.data() + at, tagEnd - at);
    std::optional<std::string_view> id;
    for (std::size_t colon = tag.find(":id="); colon != std::string_view::npos && !id;
         colon = tag.find(":id=", colon + 1)) {
      const std::size_t start = tag.rfind(' ', colon);
      id = attribute(tag, tag.substr(start + 1, colon + 3 - start - 1));
    }
    std::string part;
    for (std::size_t r = rels.find("<Relationship "); id && r != std::string::npos;
         r = rels.find("<Relationship ", r + 1)) {
      const std::size_t relEnd = rels.find('>', r);
      if (relEnd == std::string::npos) break;
      const std::string_view rel(rels.data() + r, relEnd - r);
      if (attribute(rel, "Id") != id) continue;
      const std::string target(attribute(rel, "Target").value_or(""));
      part = target.starts_with('/') ? target.substr(1) : "xl/" + target;
    }
    parts.push_back(part);
  }
  return parts;
}

}  // namespace

std::vector<InlineText> inlineTexts(std::string_view xlsx) {
  std::vector<InlineText> found;
  orcus::zip_archive_stream_blob stream(reinterpret_cast<const uint8_t*>(xlsx.data()), xlsx.size());
  orcus::zip_archive zip(&stream);
  zip.load();
  const std::vector<std::string> parts = sheetParts(zip);
  for (std::size_t s = 0; s < parts.size(); ++s) {
    const std::string xml = parts[s].empty() ? std::string() : entry(zip, parts[s]);
    if (xml.find("inlineStr") == std::string::npos) continue;
    for (std::size_t at = xml.find("<c "); at != std::string::npos; at = xml.find("<c ", at + 3)) {
      const std::size_t tagEnd = xml.find('>', at);
      if (tagEnd == std::string::npos) break;
      const std::string_view tag(xml.data() + at, tagEnd - at);
      if (attribute(tag, "t") != "inlineStr" || xml[tagEnd - 1] == '/') continue;
      const std::size_t end = xml.find("</c>", tagEnd);
      const auto where = cellAt(attribute(tag, "r").value_or(""));
      if (end == std::string::npos || !where) continue;
      found.push_back({s, where->first, where->second,
                       cellText(std::string_view(xml).substr(tagEnd, end - tagEnd))});
    }
  }
  return found;
}

}  // namespace vm::sheets

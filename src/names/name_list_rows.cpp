// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/name_list_rows.h"

#include "format/trim.h"
#include "store/field_codec.h"
#include "store/records.h"

namespace vm::names {

std::string_view displayCaption(NameDisplay display) {
  switch (display) {
    case NameDisplay::Active:
      return "Active Persons";
    case NameDisplay::Inactive:
      return "Inactive Persons";
    case NameDisplay::All:
      return "Active and Inactive Persons";
  }
  return {};
}

namespace {

std::string joinThree(std::string_view a, std::string_view middle, std::string_view c) {
  std::string out(a);
  if (!middle.empty()) {
    out += ' ';
    out += middle;
  }
  out += ' ';
  out += c;
  return out;
}

}  // namespace

std::string displayName(std::string_view first, std::string_view middle, std::string_view last) {
  return joinThree(format::trimView(first), format::trimView(middle), format::trimView(last));
}

std::string nameSortKey(std::string_view first, std::string_view middle, std::string_view last) {
  return joinThree(format::trimView(last), format::trimView(middle), format::trimView(first));
}

std::vector<NameEntry> nameEntries(std::span<const store::NameRecord> persons) {
  std::vector<NameEntry> out;
  out.reserve(persons.size());
  std::int32_t n = 0;
  for (const store::NameRecord& p : persons)
    out.push_back({++n, p.Active, displayName(p.FirstName, p.MiddleName, p.LastName),
                   format::trim(p.Organization), p.DateCreated,
                   nameSortKey(p.FirstName, p.MiddleName, p.LastName)});
  return out;
}

DisplayChoices availableChoices(const std::vector<NameEntry>& entries) {
  DisplayChoices c;
  for (const NameEntry& e : entries) {
    (e.active == store::kActive ? c.active : c.inactive) = true;
    if (c.all()) break;
  }
  return c;
}

NameDisplay chooseDisplay(DisplayChoices available, NameDisplay current, bool firstRefresh) {
  if (firstRefresh) return available.active ? NameDisplay::Active : NameDisplay::Inactive;
  if (!available.inactive) return NameDisplay::Active;
  if (!available.active) return NameDisplay::Inactive;
  return current;
}

bool isListedUnder(NameDisplay display, std::int16_t active) {
  switch (display) {
    case NameDisplay::Active:
      return active == store::kActive;
    case NameDisplay::Inactive:
      return active == store::kInactive;
    case NameDisplay::All:
      return true;
  }
  return false;
}

}  // namespace vm::names

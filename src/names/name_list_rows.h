// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/records.h"

namespace vm::names {

// The three ways of listing the Name List, numbered as its option buttons.
enum class NameDisplay { Active = 1, Inactive = 2, All = 3 };

// "Active Persons", "Inactive Persons", "Active and Inactive Persons".
std::string_view displayCaption(NameDisplay display);

// "First Middle Last" without the middle name when it is empty.
std::string displayName(std::string_view first, std::string_view middle, std::string_view last);
// "Last Middle First", the key the list is sorted on.
std::string nameSortKey(std::string_view first, std::string_view middle, std::string_view last);

// One person as the list needs it, fields trimmed.
struct NameEntry {
  std::int32_t recNum = 0;
  std::int16_t active = 0;
  std::string name;
  std::string organization;
  double dateCreated = 0;  // the person's identity
  std::string sortKey;
};

// The list's entries of the persons, numbered 1 on in the order given.
std::vector<NameEntry> nameEntries(std::span<const store::NameRecord> persons);

// Which display choices have anyone to show. A value of Active other than -1 and 0
// counts as inactive here, though only "all" lists it.
struct DisplayChoices {
  bool active = false;
  bool inactive = false;
  bool all() const { return active && inactive; }
};
DisplayChoices availableChoices(const std::vector<NameEntry>& entries);

// The choice a refresh shows: on the first refresh the active persons when there are any;
// later the user's choice, unless the side it needs has nobody left.
NameDisplay chooseDisplay(DisplayChoices available, NameDisplay current, bool firstRefresh);

bool isListedUnder(NameDisplay display, std::int16_t active);

}  // namespace vm::names

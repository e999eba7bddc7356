// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "records/changed_lists.h"
#include "server/connection.h"

namespace vm::server {

// The lists that the change channel's notifications name (each names a changed table); the logs
// and other channels name none.
records::ChangedLists changedLists(std::span<const Notification> notifications);

}  // namespace vm::server

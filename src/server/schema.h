// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/connection.h"

namespace vm::server {

// The version of the tables this build makes and works with. Version 1 holds the records, the
// renewal periods and the two logs; version 2 adds what finds a part of a comment quickly (a
// trigram index over the text in small letters); version 3 the same over the course codes.
inline constexpr int kSchemaVersion = 5;

// The channel on which every change of a table is announced, with the table's name.
inline constexpr const char* kChangeChannel = "verdimark_changes";

// Readies the database for this build, as one transaction: makes the tables in a database that
// has none, brings older ones up to `target` step by step (all steps or none), and leaves a
// database at `target` as it is. Refuses a database made by a newer build (Fault::SchemaTooNew),
// one that does not keep its text in UTF-8, and, when the role may not make or change tables, one
// that is not ready (Fault::SchemaNotReady); none of these changes anything. Returns the version
// found. `target` below kSchemaVersion is for tests of the upgrade.
int prepareSchema(Connection& connection, int target = kSchemaVersion);

// The version of the database's tables, 0 when it has none.
int schemaVersion(Connection& connection);

}  // namespace vm::server

// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/schema.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

#include "format/cp1252.h"
#include "format/text_case.h"
#include "server/record_tables.h"

namespace vm::server {
namespace {

// Held while the tables are checked, made or upgraded, so that two programs starting together
// do it once.
constexpr std::int64_t kSchemaLock = 0x5645524449;

std::string literal(std::string_view text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
  return out + "'";
}

char32_t codePointOf(std::string_view utf8) {
  const auto b = [&](std::size_t i) {
    return static_cast<char32_t>(static_cast<unsigned char>(utf8[i]));
  };
  if (utf8.size() == 1) return b(0);
  if (utf8.size() == 2) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
  return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
}

// The characters a data file can hold, as a bracket expression of the server's regular
// expressions, made from the program's own reading of Windows-1252. NUL is left out: server text
// cannot hold it.
std::string cp1252Class() {
  std::vector<char32_t> points;
  for (int b = 1; b < 256; ++b)
    points.push_back(codePointOf(format::cp1252ToUtf8(std::string(1, static_cast<char>(b)))));
  std::sort(points.begin(), points.end());
  const auto escaped = [](char32_t cp) {
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04X", static_cast<unsigned>(cp));
    return std::string(text);
  };
  std::string out = "[";
  for (std::size_t i = 0; i < points.size();) {
    std::size_t j = i;
    while (j + 1 < points.size() && points[j + 1] == points[j] + 1) ++j;
    out += escaped(points[i]);
    if (j > i) out += "-" + escaped(points[j]);
    i = j + 1;
  }
  return out + "]";
}

// The capitals of Windows-1252 beyond A to Z and their small letters, as the program folds letter
// case for finds, for translate().
std::array<std::string, 2> foldPairs() {
  std::array<std::string, 2> pairs;
  for (int b = 0x80; b < 256; ++b) {
    const std::string capital = format::cp1252ToUtf8(std::string(1, static_cast<char>(b)));
    const std::string small = format::lowerCase(capital);
    if (small == capital || format::utf8ToCp1252(small).size() != 1) continue;
    pairs[0] += capital;
    pairs[1] += small;
  }
  return pairs;
}

std::string sqlType(ColumnKind kind) {
  switch (kind) {
    case ColumnKind::Date:
      return "double precision";
    case ColumnKind::Single:
      return "real";
    case ColumnKind::Int16:
      return "smallint";
    case ColumnKind::Text:
      return "text";
  }
  return {};
}

// Announces every change of the table on the change channel, once per statement.
std::string announced(std::string_view table) {
  const std::string t(table);
  return "CREATE TRIGGER " + t + "_announce AFTER INSERT OR UPDATE OR DELETE OR TRUNCATE ON " + t +
         " FOR EACH STATEMENT EXECUTE FUNCTION verdimark_announce();\n";
}

// A record table: the file order (pos), a column per field, the links, the bytes of a record the
// columns cannot give back (raw, see row_codec.h), and who changed the row last, when.
std::string recordTable(const TableShape& shape) {
  const std::string t(shape.table);
  std::string sql =
      "CREATE TABLE " + t + " (\n  pos bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY";
  for (const ColumnShape& c : shape.columns) {
    const std::string name(c.name);
    sql += ",\n  " + name + ' ' + sqlType(c.kind) + " NOT NULL";
    if (c.kind == ColumnKind::Text)
      sql += " CONSTRAINT " + t + '_' + name + "_fits CHECK (char_length(" + name +
             ") <= " + std::to_string(c.field.width) + " AND verdimark_cp1252(" + name + "))";
  }
  for (const auto& [column, link] : shape.links)
    sql += ",\n  " + std::string(link) + " double precision GENERATED ALWAYS AS (verdimark_link(" +
           std::string(column) + ")) STORED";
  sql += ",\n  raw bytea CONSTRAINT " + t +
         "_raw_fits CHECK (octet_length(raw) = " + std::to_string(store::recordLength(shape.file)) +
         "),\n  version integer NOT NULL DEFAULT 1,\n  changed_by text NOT NULL DEFAULT '',"
         "\n  changed_at double precision NOT NULL DEFAULT 0\n);\n";
  for (const auto& [column, link] : shape.links)
    sql += "CREATE INDEX " + t + '_' + std::string(link) + " ON " + t + " (" + std::string(link) +
           ", pos);\n";
  return sql + announced(t);
}

// Version 1: the records, the renewal periods and the two logs.
std::string versionOne(Connection&) {
  std::string sql =
      "CREATE TABLE verdimark_schema (version integer NOT NULL);\n"
      "INSERT INTO verdimark_schema VALUES (1);\n"
      "CREATE FUNCTION verdimark_cp1252(t text) RETURNS boolean LANGUAGE sql IMMUTABLE STRICT "
      "PARALLEL SAFE RETURN t ~ " +
      literal("^" + cp1252Class() + "*$") +
      ";\n"
      // Links compare as the stamps' general number texts do: a stamp as a number is its 15
      // significant digits (the server turns a double into a number that way), and back as a
      // double it is the key, one for every 15 digits. A stamp that is not a number links to
      // nothing.
      "CREATE FUNCTION verdimark_link(stamp double precision) RETURNS double precision "
      "LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE RETURN CASE WHEN stamp = 'NaN' THEN NULL "
      "ELSE stamp::numeric::double precision END;\n"
      "CREATE FUNCTION verdimark_announce() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
      "PERFORM pg_notify('" +
      std::string(kChangeChannel) + "', TG_TABLE_NAME); RETURN NULL; END $$;\n";
  for (const TableShape* shape : kRecordTables) sql += recordTable(*shape);
  sql +=
      "CREATE INDEX training_training_date ON training (training_date);\n"
      "CREATE TABLE renewals (\n  pos bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,\n"
      "  course_id double precision NOT NULL,\n  months smallint NOT NULL,\n"
      "  reserved bytea NOT NULL CONSTRAINT renewals_reserved_fits CHECK (octet_length(reserved) "
      "= " +
      std::to_string(store::layout::renewal::Reserved.width) +
      "),\n  course_link double precision GENERATED ALWAYS AS (verdimark_link(course_id)) "
      "STORED\n);\n"
      "CREATE INDEX renewals_course_link ON renewals (course_link);\n" +
      announced("renewals");
  for (const char* log : {"change_log", "user_log"}) {
    const std::string t(log);
    sql += "CREATE TABLE " + t +
           " (\n  pos bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,\n  line bytea NOT NULL,\n"
           "  ended boolean NOT NULL DEFAULT true\n);\n" +
           announced(t);
  }
  return sql;
}

// Version 2: a part of a comment is found through a trigram index over the text in small
// letters. The small letters are the program's (A to Z and the capitals of Windows-1252): ICU's
// lower case gives them quickly where the server has ICU; elsewhere the capitals beyond ASCII are
// translated one by one.
std::string versionTwo(Connection& c) {
  const bool icu =
      c.exec("SELECT EXISTS (SELECT FROM pg_collation WHERE collname = 'und-x-icu')").getBool(0, 0);
  const auto [capitals, smalls] = foldPairs();
  const std::string fold =
      icu ? std::string("lower(t COLLATE \"und-x-icu\")")
          : "translate(lower(t COLLATE \"C\"), " + literal(capitals) + ", " + literal(smalls) + ")";
  return "CREATE EXTENSION IF NOT EXISTS pg_trgm;\n"
         "CREATE FUNCTION verdimark_fold(t text) RETURNS text LANGUAGE sql IMMUTABLE STRICT "
         "PARALLEL SAFE RETURN " +
         fold +
         ";\n"
         "CREATE INDEX training_comments_trigrams ON training USING gin "
         "(verdimark_fold(comments) gin_trgm_ops);\n";
}

// Version 3: a part of a course code is found likewise, through a trigram index over the code in
// small letters; a part common to many codes still leaves the planner a true count of the rows it
// meets, so that it weighs them rightly against the persons asked for.
std::string versionThree(Connection&) {
  return "CREATE INDEX training_course_code_trigrams ON training USING gin "
         "(verdimark_fold(course_code) gin_trgm_ops);\n";
}

// Version 4: the index of training dates also holds what an annual summary reads of a record
// (the person, the hours, the place in the file), so that a year's records are read from the index
// alone rather than from the table's pages, over which they are spread.
std::string versionFour(Connection&) {
  return "DROP INDEX training_training_date;\n"
         "CREATE INDEX training_training_date ON training (training_date) INCLUDE (person_link, "
         "person_id, hours, pos);\n";
}

// Version 5: an index of each text field in small letters and person, holding what a search reads
// of a record, so that a search for a part of a field with few different texts (course codes)
// goes through those texts and finds a record of each person under each, without reading the
// table's pages.
// The server's estimate of how many texts an index holds is told through a function of the
// owner's, for the statistics of an index are shown only to those who may read it as a table.
std::string versionFive(Connection&) {
  return "CREATE INDEX training_course_code_persons ON training (verdimark_fold(course_code), "
         "person_link) INCLUDE (person_id, course_code, training_date, raw);\n"
         "CREATE INDEX training_comments_persons ON training (verdimark_fold(comments), "
         "person_link) INCLUDE (person_id, comments, training_date, raw);\n"
         "CREATE FUNCTION verdimark_different_texts(index regclass) RETURNS double precision "
         "LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog RETURN (SELECT CASE "
         "WHEN s.n_distinct < 0 THEN -s.n_distinct * c.reltuples ELSE s.n_distinct END FROM "
         "pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace JOIN pg_stats s ON "
         "s.schemaname = n.nspname AND s.tablename = c.relname WHERE c.oid = index LIMIT 1);\n";
}

// Whatever privileges the tables were given (the setup script gives the program's role its own
// by default), no one but the owner may change or remove a line of the logs, or the version.
constexpr std::string_view kAppendOnly = R"(DO $$
DECLARE g record;
BEGIN
  FOR g IN
    SELECT DISTINCT c.relname, a.grantee
    FROM pg_class c CROSS JOIN LATERAL aclexplode(c.relacl) a
    WHERE c.relnamespace = current_schema()::regnamespace
      AND c.relname IN ('change_log', 'user_log', 'verdimark_schema') AND a.grantee <> c.relowner
  LOOP
    EXECUTE format('REVOKE UPDATE, DELETE, TRUNCATE ON %I FROM %s', g.relname,
      CASE WHEN g.grantee = 0 THEN 'PUBLIC' ELSE quote_ident(pg_get_userbyid(g.grantee)) END);
    IF g.relname = 'verdimark_schema' THEN
      EXECUTE format('REVOKE INSERT ON %I FROM %s', g.relname,
        CASE WHEN g.grantee = 0 THEN 'PUBLIC' ELSE quote_ident(pg_get_userbyid(g.grantee)) END);
    END IF;
  END LOOP;
END $$;)";

const std::array<std::function<std::string(Connection&)>, kSchemaVersion> kSteps = {
    versionOne, versionTwo, versionThree, versionFour, versionFive};

std::string databaseNamed(Connection& c) { return "The database \"" + c.database() + "\""; }

}  // namespace

int schemaVersion(Connection& c) {
  if (c.exec("SELECT to_regclass('verdimark_schema') IS NULL").getBool(0, 0)) return 0;
  return c.exec("SELECT version FROM verdimark_schema").getInt32(0, 0);
}

int prepareSchema(Connection& c, int target) {
  // An upgrade builds indexes over every record, which may take long: it is waited for.
  const Connection::StopCheck patient(c, [] {});
  return c.transaction([&] {
    c.exec("SELECT pg_advisory_xact_lock($1)", Params().add(kSchemaLock));
    const std::string encoding =
        c.exec(
             "SELECT pg_encoding_to_char(encoding) FROM pg_database WHERE datname = "
             "current_database()")
            .getText(0, 0);
    if (encoding != "UTF8")
      c.fail(Fault::SchemaNotReady, databaseNamed(c) + " keeps its text in the encoding " +
                                        encoding + "; Verdimark needs a database made with UTF8.");
    const int found = schemaVersion(c);
    if (found > kSchemaVersion)
      c.fail(Fault::SchemaTooNew,
             databaseNamed(c) + " holds tables of version " + std::to_string(found) +
                 ", made by a newer Verdimark; this copy works with version " +
                 std::to_string(kSchemaVersion) +
                 " and leaves the database as it is.\nUse a newer copy of the program.");
    if (found >= target) return found;
    try {
      c.run("SET LOCAL standard_conforming_strings = on");
      for (int v = found + 1; v <= target; ++v) c.run(kSteps[static_cast<std::size_t>(v - 1)](c));
      c.run(kAppendOnly);
      c.exec("UPDATE verdimark_schema SET version = $1",
             Params().add(static_cast<std::int32_t>(target)));
    } catch (const ServerError& e) {
      if (e.fault() != Fault::NotPermitted) throw;
      c.fail(Fault::SchemaNotReady,
             databaseNamed(c) +
                 (found == 0 ? std::string(" has no Verdimark tables yet")
                             : " holds tables of version " + std::to_string(found) +
                                   ", older than this copy's " + std::to_string(kSchemaVersion)) +
                 ", and the user \"" + c.user() +
                 "\" may not make them.\nConnect once as the database's owner, who makes them.");
    }
    return found;
  });
}

}  // namespace vm::server

// SPDX-License-Identifier: GPL-3.0-or-later
// A spreadsheet import written through the data folder's records and through the server's: the
// same records and lines, and on the server all of it or none.
#include "app/folder_records.h"
#include "imports/import_work.h"
#include "imports/on_file.h"
#include "imports/workbook_builder.h"
#include "server/folder_transfer.h"
#include "server/server_records.h"
#include "server/server_test.h"
#include "store/posix_file_system.h"
#include "support/temp_folder.h"

namespace vm::test {
namespace {

// Ann Lee on file; Bob Li, the course FA-2 and three training records new.
const sheets::Workbook kBook{{
    sheetOf("Training", {{"Employee ID", "First Name", "Last Name", "Course Code", "Course Name",
                          "Hours", "Date", "Comments"},
                         {"E-1", "", "", "FA-2", "First Aid", "2.5", "03/16/2004", "Passed"},
                         {"", "Bob", "Li", "FA-2", "", "", "03/17/2004", ""},
                         {"E-2", "Bob", "Li", "FIRE", "Fire Warden", "4", "03/18/2004", "Late"}}),
}};

// The import planned against the records as the import window plans it.
records::Additions planned(records::Records& r, const format::DateTime& now = kDesk1.when) {
  imports::ImportPlan plan = imports::planImport(kBook, {imports::guessChoice(kBook.sheets[0])},
                                                 imports::readOnFile(r), now);
  imports::settleTrainingOnFile(
      plan, imports::trainingOnFile(*r.trainingBlocks(imports::onFileHint(plan.trainings)),
                                    plan.trainings));
  return imports::importAdditions(plan, "/home/dana/records.xlsx");
}

const store::NameRecord kAnn{0, "Ann", "", "Lee", "", "E-1", "", store::kActive};

struct ServerImport : ServerTest {
  server::Connection c = connect();
  server::ServerRecords onServer{c};

  std::vector<std::int64_t> counts() {
    std::vector<std::int64_t> out;
    for (const char* table : {"persons", "courses", "training", "change_log"})
      out.push_back(count(c, table));
    return out;
  }
};

TEST_F(ServerImport, AnImportLeavesTheSameFilesAndLinesAsOnTheDataFolder) {
  TempFolder folder;
  store::PosixFileSystem fs;
  store::FileTable table{fs, folder.str()};
  app::FolderRecords inFolder{table};
  for (records::Records* r :
       {static_cast<records::Records*>(&inFolder), static_cast<records::Records*>(&onServer)}) {
    r->addPerson(kDesk1, kAnn);
    EXPECT_TRUE(r->addRecords(kDesk1, planned(*r), {}));
    EXPECT_TRUE(r->addRecords(kDesk1, planned(*r), {}));  // all on file: nothing more written
  }

  TempFolder out;
  server::copyServerToFolder(c, fs, out.str() + "/copy");
  for (const std::string name : {"Name.List", "Course.Index", "Training.Records", "Change.Log"})
    EXPECT_EQ(out.read("copy/" + name), folder.read(name)) << name;
  EXPECT_EQ(counts(), (std::vector<std::int64_t>{2, 2, 3, 8}));
}

// What happens on the server between the planning and the writing makes the import fail.
TEST_F(ServerImport, AFailedImportLeavesNothing) {
  onServer.addPerson(kDesk1, kAnn);
  const records::Additions additions = planned(onServer);
  struct Case {
    std::string meanwhile;
    bool throws;
  };
  const Case cases[] = {
      // The database refuses the last training record.
      {"CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN RAISE EXCEPTION "
       "'refused'; END $$; CREATE TRIGGER refuse BEFORE INSERT ON training FOR EACH ROW WHEN "
       "(NEW.comments = 'Late') EXECUTE FUNCTION refuse()",
       true},
      // The Name List fills up: one person more than it can count.
      {"DROP TRIGGER refuse ON training; INSERT INTO persons (date_created, first_name, "
       "middle_name, last_name, organization, employee_id, comments, active) SELECT n, 'P', '', "
       "'P', '', '', '', -1 FROM generate_series(1, 32766) n",
       false},
  };
  for (const Case& k : cases) {
    cluster.superuserSql(database, k.meanwhile);
    const auto before = counts();
    if (k.throws)
      EXPECT_THROW(onServer.addRecords(kDesk1, additions, {}), server::ServerError);
    else
      EXPECT_FALSE(onServer.addRecords(kDesk1, additions, {}));
    EXPECT_EQ(counts(), before) << k.meanwhile;
  }
}

// A desk that adds a person after the import read the list may take the stamp the import picked:
// the imported person moves on a second, and its training follows it.
TEST_F(ServerImport, AStampTakenMeanwhileMovesOnWithItsTraining) {
  server::Connection c2 = connect();
  server::ServerRecords desk2{c2};
  onServer.addPerson(kDesk1, kAnn);
  const records::Additions additions = planned(onServer, kDesk2.when);
  desk2.addPerson(kDesk2, {0, "Cy", "", "Ng", "", "E-3", "", store::kActive});
  ASSERT_TRUE(onServer.addRecords(kDesk1, additions, {}));

  const std::vector<store::NameRecord> persons = onServer.persons();
  ASSERT_EQ(persons.size(), 3u);
  const double picked = additions.persons.at(0).DateCreated;
  EXPECT_EQ(persons[1].DateCreated, picked);
  const double moved = persons[2].DateCreated;
  EXPECT_NEAR(moved - picked, 1.0 / 86400, 1e-9);
  std::vector<double> links;
  for (const auto& t : onServer.trainingOf(moved, {})) links.push_back(t.record.PersonID);
  EXPECT_EQ(links, (std::vector<double>{moved, moved}));
}

}  // namespace
}  // namespace vm::test

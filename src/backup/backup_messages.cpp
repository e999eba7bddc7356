// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_messages.h"

#include "ui/application_title.h"

namespace vm::backup {
namespace {

using ui::Answer;
using ui::MessageButtons;
using ui::MessageIcon;

QString verb(Flow flow) {
  return flow == Flow::Backup ? QStringLiteral("backup") : QStringLiteral("restore");
}

QString quoted(const QString& shownPath) { return "'" + shownPath + "'"; }

}  // namespace

QString folderPrompt(Flow flow) {
  const QString title = ui::applicationTitle();
  if (flow == Flow::Backup)
    return "Select a disk/drive/folder to copy (backup)\nyour " + title + " data files to...";
  return "Select the disk/drive/folder that contains your\npreviously backed up " + title +
         " data files\nthat you wish to restore...";
}

ui::Message sameFolderMessage(Flow flow) {
  return ui::makeMessage(QStringLiteral("What are you doing?"),
                         "You can't " + verb(flow) + "\n" + ui::applicationTitle() +
                             " data\nto itself in the same folder!",
                         MessageIcon::Critical);
}

ui::Message accessProblemMessage(Flow flow) {
  const QString where = flow == Flow::Backup ? QStringLiteral(
                                                   "access the selected backup location\n"
                                                   "that you specified...")
                                             : QStringLiteral(
                                                   "access the backed up data files at\n"
                                                   "the location that you specified.");
  return ui::makeMessage(QStringLiteral("Drive or Folder Access Problem"),
                         "There is some kind of problem trying to\n" + where,
                         MessageIcon::Exclamation);
}

ui::Message unrelatedFilesMessage(const QString& shownPath) {
  return ui::makeMessage(QStringLiteral("Caution!"),
                         "The data backup location you selected,\n\n" + quoted(shownPath) +
                             "\n\ncontains files not related to " + ui::applicationTitle() +
                             "!\nAre you sure you wish to continue with this backup?",
                         MessageIcon::Exclamation, MessageButtons::YesNo, Answer::No);
}

ui::Message confirmBackupMessage(const QString& shownPath) {
  return ui::makeMessage(QStringLiteral("Backup Procedure"),
                         "You have selected\n\n" + quoted(shownPath) +
                             "\n\nas your data backup location.\nPlease click <OK> to continue.",
                         MessageIcon::Information, MessageButtons::OkCancel, Answer::Ok);
}

ui::Message requiredFilesMissingMessage(const QString& shownPath) {
  return ui::makeMessage(QStringLiteral("Required file(s) missing"),
                         quoted(shownPath) +
                             "\n\ndoesn't appear to contain previously saved\n"
                             "backup data file(s) you need to restore\nyour " +
                             ui::applicationTitle() + " data.",
                         MessageIcon::Information);
}

ui::Message replaceCurrentDataMessage() {
  return ui::makeMessage(QStringLiteral("Important! Please read carefully..."),
                         QStringLiteral("Note:\n\n"
                                        "You are about to replace your current data files\n"
                                        "with previously made backup data files.\n\n"
                                        "Once completed, this action can not be undone.\n\n"
                                        "Are you sure you're ready to continue?"),
                         MessageIcon::Exclamation, MessageButtons::YesNo, Answer::No);
}

ui::Message copyFailedMessage(Flow flow, const QString& name) {
  const bool backup = flow == Flow::Backup;
  return ui::makeMessage(
      backup ? QStringLiteral("File Backup Error") : QStringLiteral("File Restore Error"),
      "There is some kind of problem\ntrying to " + QString(backup ? "copy " : "restore ") + name,
      MessageIcon::Exclamation);
}

QString cancelledText(Flow flow) { return "The " + verb(flow) + " process has been cancelled"; }

QString succeededText(Flow flow) {
  const QString title = ui::applicationTitle();
  if (flow == Flow::Backup)
    return "Your current " + title + " data files\nhave been successfully backed up!";
  return "Your previously backed up \n" + title + " data files\nhas been successfully restored!";
}

ui::Message outcomeMessage(const QString& outcome) {
  return ui::makeMessage(ui::applicationTitle(), outcome, MessageIcon::None);
}

QString copyingTitle(Flow flow, const QString& name) {
  return (flow == Flow::Backup ? QStringLiteral("Copying ") : QStringLiteral("Restoring ")) + name;
}

}  // namespace vm::backup

// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/report_question.h"

namespace vm::print {

std::string reportQuestionTitle(ReportKind kind) {
  switch (kind) {
    case ReportKind::NameList:
      return "Print the Name List?";
    case ReportKind::CourseIndex:
      return "Print the Course Index?";
    case ReportKind::TrainingHistory:
      return "Print the Training History?";
    case ReportKind::SearchResults:
    case ReportKind::AnnualSummary:
      return "Print the Search/Summary List?";
    case ReportKind::Renewals:
      return "Print the Renewals List?";
  }
  return {};
}

std::string reportListName(ReportKind kind) {
  switch (kind) {
    case ReportKind::NameList:
      return "Name List";
    case ReportKind::CourseIndex:
      return "Course Index";
    case ReportKind::TrainingHistory:
      return "Training History";
    case ReportKind::SearchResults:
      return "Search Results";
    case ReportKind::AnnualSummary:
      return "Annual Summary";
    case ReportKind::Renewals:
      return "Renewals List";
  }
  return {};
}

std::string reportQuestionText(std::size_t rows) {
  return "This printout will consist\nof about " + std::to_string(estimatedPages(rows)) +
         " page(s).\n\nAre you ready to print?";
}

}  // namespace vm::print

// The database wizard as the Database View and `qlx wizard` drive it: one
// database builder, the selection in force, the output folder and the
// template, and the writers run over them.
#pragma once

#include <string>

#include "library/DBBuilder.h"
#include "library/DBImageView.h"
#include "wizard/WizardOutcome.h"

class CTreeNode;

// The firmware project's folder, kept as the default name under the home
// folder, since the program does not run where that drive exists.
std::string DefaultWizardFolder();

class DatabaseWizard {
 public:
  DatabaseWizard();

  // "Std", "AIS" or "" (full). False with the builder's reason in `error`;
  // the view is then empty and the report writers refuse to run.
  bool SelectDatabase(const std::string& word, std::string& error);
  const std::string& Selection() const { return selection_; }
  const DatabaseImageView& View() const { return view_; }

  void SetFolder(const std::string& folder) { folder_ = folder; }
  void SetTemplatePath(const std::string& path) { templatePath_ = path; }

  // The Database View's tree: the database, then both conversion lists.
  void BuildTree(CTreeNode& root) const;

  // name.txt and name.csv of the selection in force.
  WizardOutcome ProduceReport(const std::string& name);
  // Sources, reports and enable lists of the Std and then the AIS database;
  // the AIS selection stays in force.
  WizardOutcome SaveToWizardDB();

 private:
  // The folder, created when missing; false with a failure noted.
  bool PrepareFolder(WizardOutcome& outcome) const;
  void SaveSelection(const char* word, const char* guard, const char* sourceName, const char* reportName,
                     const char* enableListName, WizardOutcome& outcome);

  CDBBuilder builder_;
  DatabaseImageView view_{};
  std::string selection_;
  std::string selectionError_;
  std::string folder_;
  std::string templatePath_;
};

#include "wizard/DatabaseWizard.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/OutputTree.h"
#include "wizard/ConversionLists.h"
#include "wizard/DatabaseSource.h"
#include "wizard/EnableLists.h"
#include "wizard/TargetReport.h"

std::string DefaultWizardFolder() {
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/Work/Library/Wizards/NMEA";
}

DatabaseWizard::DatabaseWizard() : folder_(DefaultWizardFolder()), templatePath_(kEnableListTemplateName) {
  std::string error;
  SelectDatabase("", error);
}

bool DatabaseWizard::SelectDatabase(const std::string& word, std::string& error) {
  selection_ = word;
  view_ = DatabaseImageView{};
  selectionError_.clear();
  try {
    builder_.SelectDatabase(word);
    uint32_t size = 0;
    const uint8_t* image = builder_.GetImage(size);
    const uint32_t result = OpenDatabaseImage(view_, image, size);
    if (result != kDBImageOpened) {
      selectionError_ = std::string("database image refused: ") + DatabaseImageErrorText(result);
    }
  } catch (const std::exception& problem) {
    selectionError_ = std::string("database build failed: ") + problem.what();
  }
  error = selectionError_;
  return selectionError_.empty();
}

void DatabaseWizard::BuildTree(CTreeNode& root) const {
  root.SetText("NMEA 0183 <-> NMEA 2000 Database");
  root.SetExpand(true);
  builder_.GetRoot().DumpTree(root.AddNode());
  ListN2kToN183(view_, root.AddNode());
  ListN183ToPgns(view_, root.AddNode());
}

bool DatabaseWizard::PrepareFolder(WizardOutcome& outcome) const {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  if (error) {
    outcome.failures.push_back(folder_ + ": cannot create the folder: " + error.message());
    return false;
  }
  return true;
}

WizardOutcome DatabaseWizard::ProduceReport(const std::string& name) {
  WizardOutcome outcome;
  if (!selectionError_.empty()) {
    outcome.failures.push_back(selectionError_);
  } else if (PrepareFolder(outcome)) {
    WriteTargetReport(view_, folder_, name, outcome);
  }
  return outcome;
}

void DatabaseWizard::SaveSelection(const char* word, const char* guard, const char* sourceName,
                                   const char* reportName, const char* enableListName, WizardOutcome& outcome) {
  std::string error;
  if (!SelectDatabase(word, error)) {
    outcome.failures.push_back(error);
    return;
  }
  uint32_t size = 0;
  const uint8_t* image = builder_.GetImage(size);
  WriteDatabaseSource(image, size, folder_, guard, sourceName, outcome);
  WriteTargetReport(view_, folder_, reportName, outcome);
  WriteEnableListSource(view_, folder_, enableListName, templatePath_, outcome);
}

WizardOutcome DatabaseWizard::SaveToWizardDB() {
  WizardOutcome outcome;
  if (!PrepareFolder(outcome)) return outcome;
  SaveSelection("Std", "__WXNDBDefaultsSTD__", "WXNDBDefaults", "STDDBReport", "WXNEnableListDef.cpp", outcome);
  SaveSelection("AIS", "__WXNDBDefaultsAIS__", "WXNDBDefaultsAIS", "AISDBReport", "WXNEnableListDefAIS.cpp", outcome);
  return outcome;
}

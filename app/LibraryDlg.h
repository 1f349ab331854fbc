// "Database View": the selected gateway database as a tree, the buttons that
// switch between the built-in selections, and the wizard's writers with the
// folder they write to.
#pragma once

#include <QDialog>
#include <QString>

#include "wizard/DatabaseWizard.h"

class QLineEdit;
class QMessageBox;
class QPushButton;
class QTreeWidget;
struct WizardOutcome;

class CLibraryDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kPlacementSection = "LibraryDlg";
  static constexpr const char* kPlacementEntry = "WINDOWP";
  static constexpr const char* kFolderEntry = "Folder";

  explicit CLibraryDlg(QWidget* parent = nullptr);
  ~CLibraryDlg() override;

  QTreeWidget* Tree() const { return tree_; }
  QLineEdit* FolderField() const { return folder_; }
  const DatabaseWizard& Wizard() const { return wizard_; }
  // The last message shown; it never blocks, so callers (and tests) carry on.
  QMessageBox* Message() const { return message_; }

  void SaveToWizardDB();
  void ProduceReport();
  void SelectDatabase(const QString& word);
  void RefreshTree();

  void setVisible(bool visible) override;

 private:
  QPushButton* AddButton(const char* text, const char* name);
  void ChooseFolder();
  // The folder of the field, remembered for the next run.
  void TakeFolder();
  void ShowOutcome(const WizardOutcome& outcome, const QString& success);
  void ShowMessage(const QString& text, const QString& details, bool problem);
  void StorePlacement();

  DatabaseWizard wizard_;
  QTreeWidget* tree_;
  QLineEdit* folder_;
  QMessageBox* message_ = nullptr;
  bool placementRestored_ = false;
};

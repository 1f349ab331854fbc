// "Database View": the selected gateway database as a tree, the buttons that
// switch between the built-in selections, and the wizard's writers with the
// folder they write to. A selection is made for the document's gateway too.
// It owns the hidden "Repository Dialog", which "Debug Dlg" shows on the
// document's gateway.
#pragma once

#include <QDialog>
#include <QString>

#include "wizard/DatabaseWizard.h"

class CQLXReaderDoc;
class CRepositoryDlg;
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

  explicit CLibraryDlg(CQLXReaderDoc& doc, QWidget* parent = nullptr);
  ~CLibraryDlg() override;

  QTreeWidget* Tree() const { return tree_; }
  QLineEdit* FolderField() const { return folder_; }
  CRepositoryDlg* RepositoryDlg() const { return repository_; }
  const DatabaseWizard& Wizard() const { return wizard_; }
  // The last message shown; it never blocks, so callers (and tests) carry on.
  QMessageBox* Message() const { return message_; }

  void SaveToWizardDB();
  void ProduceReport();
  void SelectDatabase(const QString& word);
  void RefreshTree();
  // Shows the repository dialog on the document's gateway, on its NMEA 2000
  // repository; nothing when it is already showing.
  void ShowRepositoryDlg();

  void setVisible(bool visible) override;

 private:
  QPushButton* AddButton(const char* text, const char* name);
  void SelectForWizard(const QString& word);
  void SelectForGateway(const QString& word);
  // After the document's selection changed, by this dialog or elsewhere.
  void FollowSelection(const QString& word);
  void ChooseFolder();
  // The folder of the field, remembered for the next run.
  void TakeFolder();
  void ShowOutcome(const WizardOutcome& outcome, const QString& success);
  void ShowMessage(const QString& text, const QString& details, bool problem);
  void StorePlacement();

  CQLXReaderDoc& doc_;
  DatabaseWizard wizard_;
  // A window of its own, made with this dialog and gone with it. As its
  // child it never keeps the program running once the main window closes.
  CRepositoryDlg* repository_;
  QTreeWidget* tree_;
  QLineEdit* folder_;
  QMessageBox* message_ = nullptr;
  bool placementRestored_ = false;
};

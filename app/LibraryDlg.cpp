#include "app/LibraryDlg.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/QLXReaderDoc.h"
#include "app/RepositoryDlg.h"
#include "app/TreeCtrlBinding.h"
#include "base/OutputTree.h"

namespace {

const char* const kReportCaption = "Report Writer";

QString SettingsKey(const char* entry) {
  return QString::fromLatin1(CLibraryDlg::kPlacementSection) + u'/' + QString::fromLatin1(entry);
}

QString Lines(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list.append(QString::fromStdString(line));
  return list.join(u'\n');
}

}  // namespace

CLibraryDlg::CLibraryDlg(CQLXReaderDoc& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), repository_(new CRepositoryDlg(this)) {
  setObjectName(QStringLiteral("libraryDlg"));
  setWindowTitle(QStringLiteral("Database View"));
  resize(408, 866);

  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("tree"));
  tree_->setHeaderHidden(true);

  folder_ = new QLineEdit(this);
  folder_->setObjectName(QStringLiteral("folder"));
  const QString folder = QSettings().value(SettingsKey(kFolderEntry)).toString();
  folder_->setText(folder.isEmpty() ? QString::fromStdString(DefaultWizardFolder()) : folder);
  auto* browse = new QPushButton(QStringLiteral("..."), this);
  browse->setObjectName(QStringLiteral("chooseFolder"));
  connect(browse, &QPushButton::clicked, this, &CLibraryDlg::ChooseFolder);
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(new QLabel(QStringLiteral("Folder:"), this));
  folderRow->addWidget(folder_, 1);
  folderRow->addWidget(browse);

  QPushButton* save = AddButton("Save To Wizard DB", "saveToWizardDB");
  QPushButton* report = AddButton("Produce report", "produceReport");
  QPushButton* stdDb = AddButton("Set STD DB", "setStdDb");
  QPushButton* ais = AddButton("Set AIS  DB", "setAisDb");
  QPushButton* full = AddButton("Set Full  DB", "setFullDb");
  QPushButton* debug = AddButton("Debug Dlg", "debugDlg");
  QPushButton* close = AddButton("Close", "close");

  connect(save, &QPushButton::clicked, this, &CLibraryDlg::SaveToWizardDB);
  connect(report, &QPushButton::clicked, this, &CLibraryDlg::ProduceReport);
  connect(stdDb, &QPushButton::clicked, this, [this] { SelectDatabase(QStringLiteral("Std")); });
  connect(ais, &QPushButton::clicked, this, [this] { SelectDatabase(QStringLiteral("AIS")); });
  connect(full, &QPushButton::clicked, this, [this] { SelectDatabase(QString()); });
  connect(debug, &QPushButton::clicked, this, &CLibraryDlg::ShowRepositoryDlg);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(&doc_, &CQLXReaderDoc::GatewayConverted, repository_, &CRepositoryDlg::RefreshAfterConversion);
  // One selection for the wizard and the gateway, whichever made it. The
  // gateway starts afresh on it, so what the repository list showed is gone.
  connect(&doc_, &CQLXReaderDoc::DatabaseSelected, this, &CLibraryDlg::FollowSelection);
  if (!doc_.DatabaseSelection().isEmpty()) {
    std::string error;
    wizard_.SelectDatabase(doc_.DatabaseSelection().toStdString(), error);
  }

  auto* buttons = new QGridLayout;
  buttons->addWidget(save, 0, 0);
  buttons->addWidget(report, 0, 1);
  buttons->addWidget(stdDb, 1, 0);
  buttons->addWidget(ais, 1, 1);
  buttons->addWidget(full, 2, 0);
  buttons->addWidget(debug, 2, 1);
  buttons->addWidget(close, 3, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_, 1);
  layout->addLayout(folderRow);
  layout->addLayout(buttons);

  RefreshTree();
}

CLibraryDlg::~CLibraryDlg() = default;

QPushButton* CLibraryDlg::AddButton(const char* text, const char* name) {
  auto* button = new QPushButton(QString::fromLatin1(text), this);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

void CLibraryDlg::RefreshTree() {
  CTreeNodeMFC root;
  wizard_.BuildTree(root);
  tree_->setUpdatesEnabled(false);
  ShowInTreeCtrl(*tree_, root);
  tree_->setUpdatesEnabled(true);
}

void CLibraryDlg::SelectDatabase(const QString& word) {
  SelectForWizard(word);
  SelectForGateway(word);
}

void CLibraryDlg::SelectForWizard(const QString& word) {
  std::string error;
  if (!wizard_.SelectDatabase(word.toStdString(), error)) ShowMessage(QString::fromStdString(error), {}, true);
  RefreshTree();
}

void CLibraryDlg::FollowSelection(const QString& word) {
  // A selection this dialog made is in force already.
  if (wizard_.Selection() != word.toStdString()) SelectForWizard(word);
  if (repository_->isVisible()) repository_->Refresh();
}

void CLibraryDlg::SelectForGateway(const QString& word) {
  QString error;
  if (!doc_.SelectDatabase(word, error)) ShowMessage(error, {}, true);
}

void CLibraryDlg::ShowRepositoryDlg() {
  if (repository_->isVisible()) return;
  repository_->SetGateway(&doc_.Gateway());
  repository_->SelectSide(true);
  repository_->show();
}

void CLibraryDlg::ProduceReport() {
  TakeFolder();
  ShowOutcome(wizard_.ProduceReport("TargetReport"), QStringLiteral("Library report written to disk"));
}

void CLibraryDlg::SaveToWizardDB() {
  TakeFolder();
  ShowOutcome(wizard_.SaveToWizardDB(), QStringLiteral("Database written to disk"));
  // The wizard leaves the AIS selection in force, and so does the gateway.
  SelectForGateway(QString::fromStdString(wizard_.Selection()));
}

void CLibraryDlg::ChooseFolder() {
  const QString chosen =
      QFileDialog::getExistingDirectory(this, QStringLiteral("Wizard Output Folder"), folder_->text());
  if (!chosen.isEmpty()) {
    folder_->setText(chosen);
    TakeFolder();
  }
}

void CLibraryDlg::TakeFolder() {
  wizard_.SetFolder(folder_->text().toStdString());
  QSettings().setValue(SettingsKey(kFolderEntry), folder_->text());
}

void CLibraryDlg::ShowOutcome(const WizardOutcome& outcome, const QString& success) {
  if (outcome.Failed()) {
    ShowMessage(QStringLiteral("Files could not be written"), Lines(outcome.failures), true);
  } else {
    ShowMessage(success, Lines(outcome.warnings), !outcome.warnings.empty());
  }
}

void CLibraryDlg::ShowMessage(const QString& text, const QString& details, bool problem) {
  if (message_ == nullptr) {
    message_ = new QMessageBox(this);
    message_->setObjectName(QStringLiteral("reportMessage"));
    message_->setWindowTitle(QString::fromLatin1(kReportCaption));
  }
  message_->setIcon(problem ? QMessageBox::Warning : QMessageBox::Information);
  message_->setText(text);
  message_->setInformativeText(details);
  // Window-modal and returning at once: the writers never wait on a click.
  message_->open();
}

void CLibraryDlg::setVisible(bool visible) {
  if (visible && !placementRestored_ && !isVisible()) {
    placementRestored_ = true;
    const QByteArray placement = QSettings().value(SettingsKey(kPlacementEntry)).toByteArray();
    if (!placement.isEmpty()) restoreGeometry(placement);
  }
  if (!visible && isVisible()) StorePlacement();
  QDialog::setVisible(visible);
}

void CLibraryDlg::StorePlacement() { QSettings().setValue(SettingsKey(kPlacementEntry), saveGeometry()); }

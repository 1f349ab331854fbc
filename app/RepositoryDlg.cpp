#include "app/RepositoryDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/TreeCtrlBinding.h"
#include "base/OutputTree.h"
#include "decode/GatewayHooks.h"
#include "gateway/WXN.h"

CRepositoryDlg::CRepositoryDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("repositoryDlg"));
  setWindowTitle(QStringLiteral("Repository Dialog"));
  resize(1004, 647);

  QPushButton* satellites = AddButton("Satellites", "satellites");
  QPushButton* time = AddButton("Time", "time");
  auto* sim = new QGroupBox(QStringLiteral("Sim"), this);
  auto* simLayout = new QHBoxLayout(sim);
  simLayout->addWidget(satellites);
  simLayout->addWidget(time);

  n2kRadio_ = new QRadioButton(QStringLiteral("N2K Repos"), this);
  n2kRadio_->setObjectName(QStringLiteral("n2kRepos"));
  n2kRadio_->setChecked(true);
  n183Radio_ = new QRadioButton(QStringLiteral("N183 Repos"), this);
  n183Radio_->setObjectName(QStringLiteral("n183Repos"));

  list_ = new QTableView(this);
  list_->setObjectName(QStringLiteral("repositoryList"));
  list_->setModel(&model_);
  list_->setShowGrid(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setWordWrap(false);
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  list_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  list_->horizontalHeader()->setStretchLastSection(true);
  for (const RepositoryColumnDefinition& column : kRepositoryColumns)
    list_->setColumnWidth(column.column, column.widthInCharacters * kCharacterWidth);

  targets_ = new QTreeWidget(this);
  targets_->setObjectName(QStringLiteral("targets"));
  targets_->setHeaderHidden(true);

  connect(satellites, &QPushButton::clicked, this, &CRepositoryDlg::SimulateSatellites);
  connect(time, &QPushButton::clicked, this, &CRepositoryDlg::SimulateTime);
  connect(n2kRadio_, &QRadioButton::clicked, this, [this] { SelectSide(true); });
  connect(n183Radio_, &QRadioButton::clicked, this, [this] { SelectSide(false); });

  auto* controls = new QHBoxLayout;
  controls->addWidget(sim);
  controls->addWidget(n2kRadio_);
  controls->addWidget(n183Radio_);
  controls->addStretch(1);
  auto* panes = new QSplitter(Qt::Horizontal, this);
  panes->addWidget(list_);
  panes->addWidget(targets_);
  panes->setStretchFactor(0, 3);
  panes->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(panes, 1);
}

QPushButton* CRepositoryDlg::AddButton(const char* text, const char* name) {
  auto* button = new QPushButton(QString::fromLatin1(text), this);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

void CRepositoryDlg::SetGateway(CWXN* gateway) {
  gateway_ = gateway;
  Refresh();
}

void CRepositoryDlg::SelectSide(bool n2k) {
  // The radios follow when the side is chosen other than by a click.
  (n2k ? n2kRadio_ : n183Radio_)->setChecked(true);
  model_.Refresh(gateway_, n2k ? kN2kRepository : kN183Repository);
}

void CRepositoryDlg::Refresh() { model_.Refresh(gateway_, model_.Side()); }

void CRepositoryDlg::RefreshAfterConversion(int side) {
  if (!isVisible()) return;
  if (side == kN2kRepository || side == kN183Repository)
    SelectSide(side == kN2kRepository);
  else
    Refresh();
}

void CRepositoryDlg::SimulateSatellites() {
  Repository* repository = model_.Shown();
  if (repository == nullptr) return;
  simulator_.Satellites(*repository);
  Refresh();
  ShowTargets();
}

void CRepositoryDlg::SimulateTime() {
  Repository* repository = model_.Shown();
  if (repository == nullptr) return;
  simulator_.Time(*repository);
  Refresh();
  ShowTargets();
}

void CRepositoryDlg::ShowTargets() {
  CTreeNodeMFC root;
  ShowSimulationTargets(root, *model_.Shown(), simulator_.Targets(), *gateway_, GatewayClock());
  ShowInTreeCtrl(*targets_, root);
}

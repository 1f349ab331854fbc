// "Repository Dialog": the gateway's repositories for the engineer. The
// list shows every datatype instance of one repository that holds data; two
// buttons write a simulated satellite view or date and time into it and show
// which library messages those datatypes feed.
#pragma once

#include <QDialog>

#include "app/RepositoryTableModel.h"
#include "gateway/RepositorySimulation.h"

class CWXN;
class QPushButton;
class QRadioButton;
class QTableView;
class QTreeWidget;

class CRepositoryDlg : public QDialog {
  Q_OBJECT

 public:
  // Column widths are counted in characters of this many pixels.
  static constexpr int kCharacterWidth = 10;

  explicit CRepositoryDlg(QWidget* parent = nullptr);

  // The gateway whose repositories are shown; null shows nothing.
  void SetGateway(CWXN* gateway);
  CWXN* Gateway() const { return gateway_; }

  // True for the NMEA 2000 repository, false for the NMEA 0183 one.
  bool ShowsN2kRepository() const { return model_.Side() == kN2kRepository; }
  // As the side radios do: select and list that repository.
  void SelectSide(bool n2k);
  void Refresh();
  // After the gateway converted records into the repository of `side`
  // (RepositorySide; 0 for no particular one): lists that repository while
  // the dialog shows, and does nothing while it is hidden.
  void RefreshAfterConversion(int side);

  void SimulateSatellites();
  void SimulateTime();

  QTableView* List() const { return list_; }
  QTreeWidget* Targets() const { return targets_; }
  const RepositoryTableModel& Model() const { return model_; }
  const RepositorySimulator& Simulator() const { return simulator_; }

 private:
  QPushButton* AddButton(const char* text, const char* name);
  void ShowTargets();

  CWXN* gateway_ = nullptr;
  RepositoryTableModel model_;
  RepositorySimulator simulator_;
  QRadioButton* n2kRadio_;
  QRadioButton* n183Radio_;
  QTableView* list_;
  QTreeWidget* targets_;
};

// The Database View as a user drives it: the selection buttons, the writers
// with their folder, the messages, placement, and the Tools menu that opens it.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "app/LibraryDlg.h"
#include "app/MainFrame.h"
#include "app/QLXReaderApp.h"
#include "app/QLXReaderDoc.h"
#include "base/OutputTree.h"
#include "wizard/ConversionLists.h"

namespace {

QPushButton* Button(const CLibraryDlg& dlg, const QString& text) {
  for (QPushButton* button : dlg.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

// The tree a fresh wizard shows for the selection, independent of the dialog.
CTreeNode ExpectedTree(const std::string& word) {
  DatabaseWizard wizard;
  std::string error;
  wizard.SelectDatabase(word, error);
  CTreeNode root;
  wizard.BuildTree(root);
  return root;
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

class LibraryDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseTemporarySettings(); }
  // Each case starts on a document whose gateway has the full database.
  void init() { doc_ = std::make_unique<CQLXReaderDoc>(); }

  void buttonsCarryTheirTexts() {
    CLibraryDlg dlg(*doc_);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Database View"));
    for (const char* text : {"Save To Wizard DB", "Produce report", "Set STD DB", "Set AIS  DB", "Set Full  DB",
                             "Debug Dlg", "Close"}) {
      QVERIFY2(Button(dlg, QString::fromLatin1(text)) != nullptr, text);
    }
  }

  void switchingSelectionsRefreshesTheTree() {
    CLibraryDlg dlg(*doc_);
    QCOMPARE(dlg.Tree()->topLevelItemCount(), 1);
    QCOMPARE(TreeDifference(ExpectedTree(""), *dlg.Tree()->topLevelItem(0)), QString());
    QCOMPARE(dlg.Tree()->topLevelItem(0)->text(0), QStringLiteral("NMEA 0183 <-> NMEA 2000 Database"));
    QCOMPARE(dlg.Tree()->topLevelItem(0)->childCount(), 3);

    const CTreeNode stdTree = ExpectedTree("Std");
    const CTreeNode ais = ExpectedTree("AIS");
    QVERIFY(!TreeDifference(stdTree, *dlg.Tree()->topLevelItem(0)).isEmpty());
    QTest::mouseClick(Button(dlg, "Set STD DB"), Qt::LeftButton);
    QCOMPARE(TreeDifference(stdTree, *dlg.Tree()->topLevelItem(0)), QString());
    QTest::mouseClick(Button(dlg, "Set AIS  DB"), Qt::LeftButton);
    QCOMPARE(TreeDifference(ais, *dlg.Tree()->topLevelItem(0)), QString());
    QCOMPARE(dlg.Tree()->topLevelItemCount(), 1);
    QTest::mouseClick(Button(dlg, "Set Full  DB"), Qt::LeftButton);
    QCOMPARE(TreeDifference(ExpectedTree(""), *dlg.Tree()->topLevelItem(0)), QString());
  }

  void produceReportWritesTheSelectionsReport() {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/made/here");
    {
      CLibraryDlg dlg(*doc_);
      dlg.FolderField()->setText(folder);
      QTest::mouseClick(Button(dlg, "Set AIS  DB"), Qt::LeftButton);
      QTest::mouseClick(Button(dlg, "Produce report"), Qt::LeftButton);
      QVERIFY(dlg.Message() != nullptr);
      QCOMPARE(dlg.Message()->windowTitle(), QStringLiteral("Report Writer"));
      QCOMPARE(dlg.Message()->text(), QStringLiteral("Library report written to disk"));
      QCOMPARE(dlg.Message()->icon(), QMessageBox::Information);
      QVERIFY(dlg.Message()->isVisible());
      dlg.Message()->close();

      DatabaseWizard ais;
      std::string error;
      QVERIFY(ais.SelectDatabase("AIS", error));
      const std::string csv = CsvN183ToN2k(ais.View()) + "\r\n" + CsvN2kToN183(ais.View()) + "\r\n\r\n";
      QCOMPARE(ReadFile(folder + QStringLiteral("/TargetReport.csv")), QByteArray::fromStdString(csv));
      QVERIFY(ReadFile(folder + QStringLiteral("/TargetReport.txt")).contains("NMEA 2000 Rx PGN to NMEA 0183 Tx List"));
      QCOMPARE(dlg.Wizard().Selection(), std::string("AIS"));
    }
    CLibraryDlg again(*doc_);
    QCOMPARE(again.FolderField()->text(), folder);
  }

  void unwritableFolderShowsAProblem() {
    QTemporaryDir dir;
    const QString plain = dir.path() + QStringLiteral("/plain");
    QFile file(plain);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    CLibraryDlg dlg(*doc_);
    dlg.FolderField()->setText(plain + QStringLiteral("/sub"));
    QTest::mouseClick(Button(dlg, "Produce report"), Qt::LeftButton);
    QVERIFY(dlg.Message() != nullptr);
    QCOMPARE(dlg.Message()->icon(), QMessageBox::Warning);
    QCOMPARE(dlg.Message()->text(), QStringLiteral("Files could not be written"));
    QVERIFY(dlg.Message()->informativeText().contains(plain));
    dlg.Message()->close();
  }

  void saveToWizardDBWritesBothDatabasesAndKeepsTheTree() {
    QTemporaryDir dir;
    CLibraryDlg dlg(*doc_);
    dlg.FolderField()->setText(dir.path());
    QTest::mouseClick(Button(dlg, "Save To Wizard DB"), Qt::LeftButton);
    QCOMPARE(dlg.Message()->text(), QStringLiteral("Database written to disk"));
    // No template beside the test: both enable-list sources say so, and so
    // does the message.
    QCOMPARE(dlg.Message()->icon(), QMessageBox::Warning);
    QVERIFY(dlg.Message()->informativeText().contains(QStringLiteral("EnableListDefaultsTemplate1.h")));
    dlg.Message()->close();
    for (const char* name : {"WXNDBDefaults.cpp", "STDDBReport.txt", "STDDBReport.csv", "WXNEnableListDef.cpp",
                             "WXNDBDefaultsAIS.cpp", "AISDBReport.txt", "AISDBReport.csv", "WXNEnableListDefAIS.cpp"}) {
      QVERIFY2(QFile::exists(dir.path() + u'/' + QString::fromLatin1(name)), name);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 8);
    QCOMPARE(dlg.Wizard().Selection(), std::string("AIS"));
    QCOMPARE(doc_->DatabaseSelection(), QStringLiteral("AIS"));  // the gateway runs on it too
    QCOMPARE(TreeDifference(ExpectedTree(""), *dlg.Tree()->topLevelItem(0)), QString());
  }

  void placementIsKeptUnderLibraryDlg() {
    QSettings().remove(QStringLiteral("LibraryDlg/WINDOWP"));
    {
      CLibraryDlg dlg(*doc_);
      dlg.show();
      dlg.resize(500, 700);
      QTest::mouseClick(Button(dlg, "Close"), Qt::LeftButton);
      QVERIFY(!dlg.isVisible());
    }
    QVERIFY(!QSettings().value(QStringLiteral("LibraryDlg/WINDOWP")).toByteArray().isEmpty());
    CLibraryDlg dlg(*doc_);
    dlg.show();
    QCOMPARE(dlg.size(), QSize(500, 700));
    dlg.close();
  }

  void toolsMenuShowsTheDatabaseView() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader")});
    CMainFrame& frame = reader.MainFrame();
    QMenu* tools = nullptr;
    for (QAction* action : frame.menuBar()->actions())
      if (action->text() == QStringLiteral("&Tools")) tools = action->menu();
    QVERIFY(tools != nullptr);
    QCOMPARE(tools->actions().size(), 1);
    QCOMPARE(tools->actions()[0]->text(), QStringLiteral("Database View..."));
    QVERIFY(frame.findChild<CLibraryDlg*>() == nullptr);
    tools->actions()[0]->trigger();
    auto* dlg = frame.findChild<CLibraryDlg*>();
    QVERIFY(dlg != nullptr);
    QVERIFY(dlg->isVisible());
    tools->actions()[0]->trigger();
    QCOMPARE(frame.findChildren<CLibraryDlg*>().size(), 1);
  }

 private:
  std::unique_ptr<CQLXReaderDoc> doc_;
};

QTEST_MAIN(LibraryDlgTest)
#include "LibraryDlgTest.moc"

#include "wizard/TargetReport.h"

#include "base/OutputTree.h"
#include "wizard/ConversionLists.h"
#include "wizard/FileHeader.h"
#include "wizard/ReportFile.h"

namespace {

bool WriteText(const DatabaseImageView& view, const std::string& folder, const std::string& name,
               WizardOutcome& outcome) {
  ReportFile file;
  if (!OpenReport(file, folder, name + ".txt", outcome)) return false;
  WriteFileHeader(file, false, LocalNow());
  CTreeNode n2kToN183;
  ListN2kToN183(view, n2kToN183);
  std::string text;
  RenderText(n2kToN183, text, 4, 4, 0);
  text += "\r\n";
  CTreeNode n183ToPgns;
  ListN183ToPgns(view, n183ToPgns);
  RenderText(n183ToPgns, text, 3, 4, 0);
  file.Write(text);
  return CommitReport(file, outcome);
}

bool WriteCsv(const DatabaseImageView& view, const std::string& folder, const std::string& name,
              WizardOutcome& outcome) {
  ReportFile file;
  if (!OpenReport(file, folder, name + ".csv", outcome)) return false;
  file.Write(CsvN183ToN2k(view));
  file.Write("\r\n");
  file.Write(CsvN2kToN183(view));
  file.Write("\r\n\r\n");
  return CommitReport(file, outcome);
}

}  // namespace

bool WriteTargetReport(const DatabaseImageView& view, const std::string& folder, const std::string& name,
                       WizardOutcome& outcome) {
  const bool text = WriteText(view, folder, name, outcome);
  const bool csv = WriteCsv(view, folder, name, outcome);
  return text && csv;
}

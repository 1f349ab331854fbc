// "qlx wizard report", "qlx wizard save" and "qlx wizard enable-lists": the
// Database View's writers without the window, for build scripts.
#include <chrono>
#include <cstdio>
#include <string>

#include "cli/Command.h"
#include "cli/DatabaseSelectionOption.h"
#include "base/OutputTree.h"
#include "wizard/DatabaseWizard.h"
#include "wizard/EnableLists.h"

namespace {

struct WizardOptions {
  std::string word;  // "Std", "AIS" or "" for the full database
  std::string out;
  std::string name = "TargetReport";
  std::string templatePath = kEnableListTemplateName;
};

enum WizardOption : unsigned { kSelect = 1, kOut = 2, kName = 4, kTemplate = 8 };

// Returns an empty text on success, else what was wrong.
std::string ParseOptions(const CommandArgs& args, unsigned allowed, WizardOptions& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--select" && hasValue && (allowed & kSelect)) {
      if (!ParseDatabaseSelection(args[++i], options.word)) return "--select takes Std, AIS or Full, not '" + args[i] + "'";
    } else if (arg == "--out" && hasValue && (allowed & kOut)) {
      options.out = args[++i];
    } else if (arg == "--name" && hasValue && (allowed & kName)) {
      options.name = args[++i];
      if (options.name.empty() || options.name.find('/') != std::string::npos) {
        return "--name takes a file name without a folder";
      }
    } else if (arg == "--template" && hasValue && (allowed & kTemplate)) {
      options.templatePath = args[++i];
    } else {
      return "unexpected argument '" + arg + "'";
    }
  }
  if ((allowed & kOut) && options.out.empty()) return "--out DIR is required";
  return "";
}

// Paths written on stdout, problems on stderr; any failure makes exit 2.
int Report(const WizardOutcome& outcome) {
  for (const std::string& path : outcome.written) std::printf("%s\n", path.c_str());
  for (const std::string& warning : outcome.warnings) std::fprintf(stderr, "qlx: warning: %s\n", warning.c_str());
  for (const std::string& failure : outcome.failures) Fail(failure);
  return outcome.Failed() ? kExitBadInput : 0;
}

int RunReport(const CommandArgs& args) {
  WizardOptions options;
  const std::string problem = ParseOptions(args, kSelect | kOut | kName, options);
  if (!problem.empty()) return Fail(problem);
  DatabaseWizard wizard;
  std::string error;
  if (!wizard.SelectDatabase(options.word, error)) return Fail(error);
  wizard.SetFolder(options.out);
  return Report(wizard.ProduceReport(options.name));
}

int RunSave(const CommandArgs& args) {
  WizardOptions options;
  const std::string problem = ParseOptions(args, kOut | kTemplate, options);
  if (!problem.empty()) return Fail(problem);
  DatabaseWizard wizard;
  wizard.SetFolder(options.out);
  wizard.SetTemplatePath(options.templatePath);
  const auto start = std::chrono::steady_clock::now();
  const WizardOutcome outcome = wizard.SaveToWizardDB();
  const double milliseconds =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const int status = Report(outcome);
  std::fprintf(stderr, "%zu files in %.1f ms\n", outcome.written.size(), milliseconds);
  return status;
}

int RunEnableLists(const CommandArgs& args) {
  WizardOptions options;
  const std::string problem = ParseOptions(args, kSelect, options);
  if (!problem.empty()) return Fail(problem);
  DatabaseWizard wizard;
  std::string error;
  if (!wizard.SelectDatabase(options.word, error)) return Fail(error);
  CTreeNode root;
  BuildEnableLists(wizard.View(), root);
  std::string text;
  RenderText(root, text, 3, 0, 0);
  for (char c : text) {
    if (c != '\r') std::putchar(c);
  }
  return 0;
}

int RunWizard(const CommandArgs& args) {
  if (args.empty()) return Fail("'wizard' needs a sub-command: report, save or enable-lists (see qlx wizard --help)");
  return Fail("unknown wizard sub-command '" + args[0] + "' (see qlx wizard --help)");
}

const CommandRegistration kWizard{
    {"wizard", "qlx wizard SUBCOMMAND [OPTIONS]", "database wizard: reports and firmware sources",
     "Sub-commands:\n"
     "  report [--select Std|AIS|Full] --out DIR [--name NAME]\n"
     "      NAME.txt and NAME.csv: what converts into what (NAME: TargetReport)\n"
     "  save --out DIR [--template FILE]\n"
     "      database sources, reports and enable lists of the Std and AIS\n"
     "      databases, as \"Save To Wizard DB\" writes them\n"
     "  enable-lists [--select Std|AIS|Full]\n"
     "      the PGN enable lists on stdout\n"
     "DIR is created when missing. Written paths go to stdout; a file that\n"
     "cannot be written is reported and the exit status is 2.",
     &RunWizard}};

const CommandRegistration kReport{
    {"wizard report", "qlx wizard report --out DIR [--select SEL] [--name NAME]",
     "write the conversion report of a database",
     "Builds the selected database (Std, AIS or Full; Full by default) and writes\n"
     "NAME.txt and NAME.csv (NAME defaults to TargetReport) into DIR, creating\n"
     "DIR when missing.",
     &RunReport}};

const CommandRegistration kSave{
    {"wizard save", "qlx wizard save --out DIR [--template FILE]", "write the firmware's database sources",
     "For the Std and then the AIS database writes the database source\n"
     "(WXNDBDefaults.cpp, WXNDBDefaultsAIS.cpp), the report (STDDBReport,\n"
     "AISDBReport) and the enable-list source (WXNEnableListDef.cpp,\n"
     "WXNEnableListDefAIS.cpp) into DIR. FILE is the enable-list template,\n"
     "EnableListDefaultsTemplate1.h in the current folder by default; when it\n"
     "is missing the sources say so and a warning is printed.",
     &RunSave}};

const CommandRegistration kEnableLists{
    {"wizard enable-lists", "qlx wizard enable-lists [--select SEL]", "print a database's PGN enable lists",
     "Builds the selected database (Std, AIS or Full; Full by default) and\n"
     "prints its receive and transmit PGN enable lists as C source.",
     &RunEnableLists}};

}  // namespace

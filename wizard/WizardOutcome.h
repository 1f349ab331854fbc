// What a run of the wizard's writers did, for the dialog and the command
// line to show: the files put in place, the files that could not be, and
// problems that did not stop a file (a missing template).
#pragma once

#include <string>
#include <vector>

struct WizardOutcome {
  std::vector<std::string> written;
  std::vector<std::string> failures;
  std::vector<std::string> warnings;

  bool Failed() const { return !failures.empty(); }
};

// The conversion report of the selected database: name.txt with both
// conversion trees under the file header, and name.csv with both tables.
#pragma once

#include <string>

#include "library/DBImageView.h"
#include "wizard/WizardOutcome.h"

bool WriteTargetReport(const DatabaseImageView& view, const std::string& folder, const std::string& name,
                       WizardOutcome& outcome);

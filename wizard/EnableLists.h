// The gateway firmware's PGN enable lists (receive PGNs with their masks,
// transmit PGNs with rates and priorities) as a C source fragment that the
// firmware includes into its EEPROM defaults.
#pragma once

#include <string>

#include "library/DBImageView.h"
#include "wizard/WizardOutcome.h"

class CTreeNode;

constexpr const char* kEnableListTemplateName = "EnableListDefaultsTemplate1.h";

// Appends the lines of the lists as children of the node.
void BuildEnableLists(const DatabaseImageView& view, CTreeNode& node);
// folder/fileName: the template copied whole (or "Error - File Not Found",
// also noted in the outcome's warnings), then the lists.
bool WriteEnableListSource(const DatabaseImageView& view, const std::string& folder, const std::string& fileName,
                           const std::string& templatePath, WizardOutcome& outcome);

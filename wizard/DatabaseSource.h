// The database image as a C source for the gateway firmware: its factory
// default database, compiled into flash as a constant byte array.
#pragma once

#include <cstdint>
#include <string>

#include "wizard/WizardOutcome.h"

class ReportFile;

// "0x%02X" per byte, ten to a line, a comma after every byte but the last.
void WriteByteArray(ReportFile& file, const uint8_t* bytes, int32_t length);

// folder/fileName.cpp; an empty guard leaves the #ifdef lines out.
bool WriteDatabaseSource(const uint8_t* image, uint32_t length, const std::string& folder, const std::string& guard,
                         const std::string& fileName, WizardOutcome& outcome);

#include "wizard/DatabaseSource.h"

#include "wizard/FileHeader.h"
#include "wizard/ReportFile.h"

namespace {
constexpr int32_t kBytesPerLine = 10;
}

void WriteByteArray(ReportFile& file, const uint8_t* bytes, int32_t length) {
  for (int32_t i = 0; i < length; ++i) {
    file.Format("0x%02X", bytes[i]);
    if (i + 1 < length) file.Write(",");
    if ((i + 1) % kBytesPerLine == 0 || i + 1 == length) file.Write("\r\n");
  }
}

bool WriteDatabaseSource(const uint8_t* image, uint32_t length, const std::string& folder, const std::string& guard,
                         const std::string& fileName, WizardOutcome& outcome) {
  ReportFile file;
  if (!OpenReport(file, folder, fileName + ".cpp", outcome)) return false;
  file.AddBrief("Default conversions database file");
  file.AddDetails("Database information that is used when");
  file.AddDetails("a user database is not present");
  WriteFileHeader(file, true, LocalNow());
  if (!guard.empty()) {
    file.Line("#ifdef " + guard);
    file.Line("");
  }
  for (const char* line : {
           "/* Dependent includes ------------------------------------------------------- */",
           "#include \"ConfigsWXN1.h\"",
           "#include \"WXNDBDefaults.h\"",
           "",
           "/***************************************************************************//**",
           "\\brief     The Main Application's default NMEA conversion database.",
           "/details ",
           "",
           "Holds a Main Application default NMEA Database as a u8 ",
           "array as an fallback alternative to the user copy of ",
           "the database in the reprogrammable Flash ROM sector.",
           "",
           "Where used, this will be the 'Factory Defaults' definition",
           "",
           "Defined as a constant array of u8 (8-bit) bytes",
           "*******************************************************************************/",
           "#ifndef _CVI_",
           "  #pragma location=cMAIN_NMEADBDefaults",
           "#endif",
           "",
           "const u8 _DBDefaults[cMAIN_NMEADBDefaultsSize] = {",
       }) {
    file.Line(line);
  }
  WriteByteArray(file, image, static_cast<int32_t>(length));
  for (const char* line : {
           "};",
           "",
           "#ifdef __IAR_SYSTEMS_ICC__",
           "    #ifdef __IAR_SYSTEMS_ICC__",
           "        /* Need this to force IAR Compiler to put Array in to the Flash */",
           "        #pragma required=_DBDefaults",
           "        u8 ThisValueIsNotUsed2;",
           "    #endif",
           "#endif",
       }) {
    file.Line(line);
  }
  if (!guard.empty()) file.Line("#endif");
  return CommitReport(file, outcome);
}

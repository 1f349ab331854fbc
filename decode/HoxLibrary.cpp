#include "decode/HoxLibrary.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>

// code, bytes, exponent, description, note
constexpr HoxDataType kHoxDataTypes[kHoxDataTypeCount] = {
    {0, 1, 0, "Unsigned 8-bit integer", "Shown as a plain number"},
    {1, 1, 0, "Signed 8-bit integer", "Extracted without sign extension"},
    {2, 2, 0, "Unsigned 16-bit integer", "Little-endian"},
    {3, 2, 0, "Signed 16-bit integer", "Little-endian, extracted without sign extension"},
    {4, 4, 0, "Unsigned 32-bit integer", "Little-endian"},
    {5, 4, 0, "Signed 32-bit integer", "Little-endian, extracted without sign extension"},
    {6, 1, 0, "Boolean", "1 is True, 0 is False, anything else shown in brackets"},
    {7, 1, 0, "Null-terminated text", "Has no rendering of its own: its first byte shows as a number"},
    {8, 1, 0, "Fixed-length text", "Runs to the end of the message and shows quoted"},
    {9, 1, 0, "Variable-length text", "First byte is the data count, text from the third byte"},
    {10, 1, 0, "Data array", "Byte count in the field before; runs to the end of the message"},
    {11, 1, 0, "Bit set", "Binary digits, least significant first"},
    {12, 4, 0, "Hexadecimal 32-bit word", "Addresses, checksums and masks"},
    {13, 2, -2, "Version with two decimals", "205 is version 2.05"},
    {14, 2, -3, "Version with three decimals", "1250 is version 1.250"},
    {15, 2, 0, "Date", "Day serial, 1 January 1900 is day 1"},
    {16, 2, 0, "Time of day", "Fraction of a day in 65536ths"},
    {17, 4, 0, "Duration", "Seconds, also shown in days, hours and minutes"},
    {18, 4, 0, "Time in milliseconds", "Intervals and ages"},
    {19, 4, 0, "Time in microseconds", "Execution times"},
    {20, 2, 0, "Model ID", "Shown with the model name"},
    {21, 2, 0, "Model sub ID", "Shown with the interface or variant name"},
    {22, 2, 0, "Operating mode", "Mode names depend on the model in the message header"},
    {23, 1, 0, "Hardware protocol", "Physical layer and protocol of a port"},
    {24, 4, 0, "PGN", "Shown in decimal and hexadecimal"},
    {25, 8, 0, "CAN NAME", "64-bit NMEA 2000 device NAME"},
    {kHoxUndecodableCode, 0, 0, "End marker", "Closes the table; no field can be decoded with it"},
};

const HoxDataType* GetHoxDataType(uint32_t dataType) {
  return dataType < kHoxDataTypeCount ? &kHoxDataTypes[dataType] : nullptr;
}

namespace {

// A field takes its byte length from its data type, so the two cannot disagree.
constexpr HoxFieldDefinition F(uint8_t number, HoxDataTypeCode type, const char* name) {
  return {number, kHoxDataTypes[type].byteLength, type, 0, name};
}

// A field counting the items of the group formed by the next `items` fields.
constexpr HoxFieldDefinition Count(uint8_t number, HoxDataTypeCode type, uint32_t items,
                                   const char* name) {
  return {number, kHoxDataTypes[type].byteLength, type, items, name};
}

constexpr HoxFieldDefinition kHardwareInfo[] = {
    F(0, HT_ModelId, "Model ID"),
    F(1, HT_ModelSubId, "Model sub ID"),
    F(2, HT_U32, "Serial number"),
    F(3, HT_Version2, "Hardware version"),
    F(4, HT_Version3, "Boot loader version"),
    F(5, HT_Version3, "Firmware version"),
    F(6, HT_Date, "Firmware build date"),
    F(7, HT_TimeOfDay, "Firmware build time"),
    F(8, HT_HardwareProtocol, "Hardware protocol"),
    F(9, HT_Bits, "Fitted options"),
};
constexpr HoxFieldDefinition kOperatingMode[] = {
    F(0, HT_OperatingMode, "Operating mode"),
};
constexpr HoxFieldDefinition kPortBaudCfg[] = {
    F(0, HT_U8, "Port number"),
    F(1, HT_U32, "Receive baud rate"),
    F(2, HT_U32, "Transmit baud rate"),
};
constexpr HoxFieldDefinition kPortPCodeCfg[] = {
    F(0, HT_U8, "Port number"),
    F(1, HT_HardwareProtocol, "Protocol code"),
};
constexpr HoxFieldDefinition kPortDupDelete[] = {
    F(0, HT_U8, "Port number"),
    F(1, HT_Boolean, "Delete duplicate sentences"),
};
constexpr HoxFieldDefinition kTotalTime[] = {
    F(0, HT_Duration, "Total powered time"),
};
constexpr HoxFieldDefinition kHardwareBaud[] = {
    F(0, HT_U8, "Port number"),
    F(1, HT_HardwareProtocol, "Hardware protocol"),
    F(2, HT_U32, "Baud rate"),
};
constexpr HoxFieldDefinition kProductInfoVersions[] = {
    F(0, HT_Version3, "NMEA 2000 database version"),
    F(1, HT_U16, "Product code"),
    F(2, HT_U8, "Certification level"),
    F(3, HT_U8, "Load equivalency number"),
};
constexpr HoxFieldDefinition kProductInfoModelId[] = {
    F(0, HT_TextFixed, "Model ID"),
};
constexpr HoxFieldDefinition kProductInfoSoftware[] = {
    F(0, HT_TextFixed, "Software version code"),
};
constexpr HoxFieldDefinition kProductInfoModelVersion[] = {
    F(0, HT_TextFixed, "Model version"),
};
constexpr HoxFieldDefinition kProductInfoSerialCode[] = {
    F(0, HT_TextFixed, "Model serial code"),
};
constexpr HoxFieldDefinition kCanConfig[] = {
    F(0, HT_U8, "Source address"),
    F(1, HT_U8, "Device instance"),
    F(2, HT_U8, "System instance"),
    F(3, HT_CanName, "Device NAME"),
    F(4, HT_Boolean, "Address claim enabled"),
};
constexpr HoxFieldDefinition kCanInfoField1[] = {
    F(0, HT_TextFixed, "Installation description 1"),
};
constexpr HoxFieldDefinition kCanInfoField2[] = {
    F(0, HT_TextFixed, "Installation description 2"),
};
constexpr HoxFieldDefinition kCanInfoField3[] = {
    F(0, HT_TextNullTerminated, "Manufacturer information"),
};
constexpr HoxFieldDefinition kEnableRxPgn[] = {
    F(0, HT_Pgn, "PGN"),
    F(1, HT_Boolean, "Receive enabled"),
    F(2, HT_U8, "Source address filter"),
};
constexpr HoxFieldDefinition kEnableTxPgn[] = {
    F(0, HT_Pgn, "PGN"),
    F(1, HT_Boolean, "Transmit enabled"),
    F(2, HT_Milliseconds, "Transmit interval"),
    F(3, HT_U8, "Priority"),
    F(4, HT_U8, "Destination address"),
};
constexpr HoxFieldDefinition kPgnEnableList[] = {
    Count(0, HT_U8, 1, "PGN"),
    F(1, HT_Pgn, "PGN"),
};
constexpr HoxFieldDefinition kPgnListSelector[] = {
    F(0, HT_U8, "List (0 receive, 1 transmit)"),
};
constexpr HoxFieldDefinition kParamsPgnEnableLists[] = {
    F(0, HT_U16, "Receive list capacity"),
    F(1, HT_U16, "Receive list entries"),
    F(2, HT_U16, "Transmit list capacity"),
    F(3, HT_U16, "Transmit list entries"),
    F(4, HT_Boolean, "Lists active"),
    F(5, HT_Hex32, "Receive list checksum"),
    F(6, HT_Hex32, "Transmit list checksum"),
};
constexpr HoxFieldDefinition kStartupStatus[] = {
    F(0, HT_Bits, "Reset causes"),
    F(1, HT_S32, "Start-up error code"),
};
constexpr HoxFieldDefinition kErrorReport[] = {
    F(0, HT_S32, "Error code"),
};
constexpr HoxFieldDefinition kSystemStatus[] = {
    F(0, HT_Duration, "Time since start-up"),
    F(1, HT_U8, "Processor load (%)"),
    F(2, HT_U32, "Free memory (bytes)"),
    F(3, HT_U32, "Messages received"),
    F(4, HT_U32, "Messages transmitted"),
    F(5, HT_U16, "Receive errors"),
    F(6, HT_U16, "Transmit errors"),
    F(7, HT_S16, "Clock trim (ppm)"),
    F(8, HT_Microseconds, "Main loop time"),
    F(9, HT_Microseconds, "Longest main loop time"),
    F(10, HT_Milliseconds, "Time since last bus message"),
    F(11, HT_S8, "Board temperature (C)"),
};
constexpr HoxFieldDefinition kHardwareInfoRequest[] = {
    F(0, HT_ModelId, "Model ID asked for"),
};
constexpr HoxFieldDefinition kOperatingModeSet[] = {
    F(0, HT_OperatingMode, "Operating mode"),
    F(1, HT_Boolean, "Keep after restart"),
};
constexpr HoxFieldDefinition kPortBaudSet[] = {
    F(0, HT_U8, "Port number"),
    F(1, HT_U32, "Baud rate"),
};
constexpr HoxFieldDefinition kTotalTimeSet[] = {
    F(0, HT_Boolean, "Reset total time"),
    F(1, HT_Duration, "Preset total time"),
};
constexpr HoxFieldDefinition kCanConfigSet[] = {
    F(0, HT_U8, "Source address"),
    F(1, HT_U8, "Device instance"),
    F(2, HT_U8, "System instance"),
};
constexpr HoxFieldDefinition kEnableTxPgnSet[] = {
    F(0, HT_Pgn, "PGN"),
    F(1, HT_Boolean, "Transmit enabled"),
    F(2, HT_Milliseconds, "Transmit interval"),
    F(3, HT_U8, "Priority"),
};
constexpr HoxFieldDefinition kDebugText[] = {
    F(0, HT_TextVariable, "Debug text"),
};
constexpr HoxFieldDefinition kDebugValueU32[] = {
    F(0, HT_U16, "Trace point"),
    F(1, HT_U32, "Value"),
};
constexpr HoxFieldDefinition kDebugValueS32[] = {
    F(0, HT_U16, "Trace point"),
    F(1, HT_S32, "Value"),
};
constexpr HoxFieldDefinition kDebugTimeProfiler[] = {
    F(0, HT_U16, "Profile point"),
    F(1, HT_U32, "Calls"),
    F(2, HT_Microseconds, "Average time"),
    F(3, HT_Microseconds, "Longest time"),
};
constexpr HoxFieldDefinition kProgramSetSector[] = {
    F(0, HT_U16, "Sector number"),
    F(1, HT_Hex32, "Sector address"),
    F(2, HT_U32, "Sector size (bytes)"),
    F(3, HT_Hex32, "Image checksum"),
};
constexpr HoxFieldDefinition kSectorNumber[] = {
    F(0, HT_U16, "Sector number"),
};
constexpr HoxFieldDefinition kProgramWriteVerify[] = {
    F(0, HT_Hex32, "Address"),
    F(1, HT_U8, "Byte count"),
    F(2, HT_DataArray, "Data"),
};
constexpr HoxFieldDefinition kImageChecksum[] = {
    F(0, HT_Hex32, "Image checksum"),
};
constexpr HoxFieldDefinition kProgramRead[] = {
    F(0, HT_U16, "Sector number"),
    F(1, HT_Hex32, "Address"),
    F(2, HT_U8, "Byte count"),
    F(3, HT_DataArray, "Data"),
};
constexpr HoxFieldDefinition kProgramNegAcknowledge[] = {
    F(0, HT_S32, "Reason code"),
};
constexpr HoxFieldDefinition kProgramWriteResult[] = {
    F(0, HT_Hex32, "Address"),
    F(1, HT_U8, "Bytes written"),
    F(2, HT_Boolean, "Verified"),
};
constexpr HoxFieldDefinition kProgramFinaliseResult[] = {
    F(0, HT_Hex32, "Image checksum"),
    F(1, HT_Boolean, "Image valid"),
};
constexpr HoxFieldDefinition kProgramReadRequest[] = {
    F(0, HT_Hex32, "Address"),
    F(1, HT_U8, "Byte count"),
};

template <size_t N>
constexpr HoxDefinition Define(uint32_t id, uint8_t part, const HoxFieldDefinition (&fields)[N],
                               const char* name, const char* description, const char* note) {
  return {id, part, static_cast<uint32_t>(N), fields, name, description, note};
}

constexpr HoxDefinition Define(uint32_t id, uint8_t part, const char* name,
                               const char* description, const char* note) {
  return {id, part, 0, nullptr, name, description, note};
}

constexpr const char* kToDevice = "Host to device";
constexpr const char* kFromDevice = "Device to host";

}  // namespace

constexpr HoxDefinition kHoxDefinitions[kHoxDefinitionCount] = {
    Define(0x11FE, 1, "ddReBootPG", "Notice that a device has restarted", kFromDevice),
    Define(0xA000, 1, "ddReInitMainApp", "Restart the main application without a hardware reset", kToDevice),
    Define(0xA001, 1, "ddCommitToEEPROM", "Store the working configuration in EEPROM", kToDevice),
    Define(0xA002, 1, "ddCommitToFlash", "Store the working configuration in flash memory", kToDevice),
    Define(0xA010, 1, kHardwareInfo, "ddHardwareInfo", "Model, serial number, versions and firmware build of the device", kFromDevice),
    Define(0xA011, 1, kOperatingMode, "ddOperatingMode", "Operating mode the device runs in", kFromDevice),
    Define(0xA012, 1, kPortBaudCfg, "ddPortBaudCfg", "Configured receive and transmit baud rates of a serial port", kFromDevice),
    Define(0xA013, 1, kPortPCodeCfg, "ddPortPCodeCfg", "Protocol a port is configured to speak", kFromDevice),
    Define(0xA014, 1, kPortDupDelete, "ddPortDupDelete", "Whether a port drops repeated identical sentences", kFromDevice),
    Define(0xA015, 1, kTotalTime, "ddTotalTime", "Total time the device has been powered", kFromDevice),
    Define(0xA016, 1, kHardwareBaud, "ddHardwareBaud", "Protocol and baud rate a port is running at", kFromDevice),
    Define(0xA041, 1, kProductInfoVersions, "ddProductInfoN2K", "NMEA 2000 product information: versions, code and load", kFromDevice),
    Define(0xA041, 2, kProductInfoModelId, "ddProductInfoN2K", "NMEA 2000 product information: model ID text", kFromDevice),
    Define(0xA041, 3, kProductInfoSoftware, "ddProductInfoN2K", "NMEA 2000 product information: software version text", kFromDevice),
    Define(0xA041, 4, kProductInfoModelVersion, "ddProductInfoN2K", "NMEA 2000 product information: model version text", kFromDevice),
    Define(0xA041, 5, kProductInfoSerialCode, "ddProductInfoN2K", "NMEA 2000 product information: model serial code text", kFromDevice),
    Define(0xA042, 1, kCanConfig, "ddCANConfig", "NMEA 2000 address, instances and NAME of the device", kFromDevice),
    Define(0xA043, 1, kCanInfoField1, "ddCANInfoField1", "First installation description of the device", kFromDevice),
    Define(0xA044, 1, kCanInfoField2, "ddCANInfoField2", "Second installation description of the device", kFromDevice),
    Define(0xA045, 1, kCanInfoField3, "ddCANInfoField3", "Manufacturer information of the device", kFromDevice),
    Define(0xA046, 1, kEnableRxPgn, "ddEnableRxPGN", "Reception of one PGN switched on or off", kFromDevice),
    Define(0xA047, 1, kEnableTxPgn, "ddEnableTxPGN", "Transmission of one PGN with its interval and priority", kFromDevice),
    Define(0xA048, 1, kPgnEnableList, "ddRxPGNEnableList", "Received PGNs that are enabled, first part", kFromDevice),
    Define(0xA048, 2, kPgnEnableList, "ddRxPGNEnableList", "Received PGNs that are enabled, second part", kFromDevice),
    Define(0xA049, 1, kPgnEnableList, "ddTxPGNEnableList", "Transmitted PGNs that are enabled, first part", kFromDevice),
    Define(0xA049, 2, kPgnEnableList, "ddTxPGNEnableList", "Transmitted PGNs that are enabled, second part", kFromDevice),
    Define(0xA049, 3, kPgnEnableList, "ddTxPGNEnableList", "Transmitted PGNs that are enabled, third part", kFromDevice),
    Define(0xA049, 4, kPgnEnableList, "ddTxPGNEnableList", "Transmitted PGNs that are enabled, fourth part", kFromDevice),
    Define(0xA04A, 1, kPgnListSelector, "ddDeletePGNEnableList", "Empty a PGN enable list", kToDevice),
    Define(0xA04B, 1, "ddActivatePGNEnableLists", "Put the stored PGN enable lists into use", kToDevice),
    Define(0xA04C, 1, kPgnListSelector, "ddDefaultPGNEnableList", "Restore a PGN enable list to its factory contents", kToDevice),
    Define(0xA04D, 1, kParamsPgnEnableLists, "ddParamsPGNEnableLists", "Capacity, fill and checksums of the PGN enable lists", kFromDevice),
    Define(0xA0F0, 1, kStartupStatus, "ddStartupStatus", "Reset causes and start-up result after power-up", kFromDevice),
    Define(0xA0F1, 1, kErrorReport, "ddErrorReport", "Error the device has detected", kFromDevice),
    Define(0xA0F2, 1, kSystemStatus, "ddSystemStatus", "Running counters, load and timings of the device", kFromDevice),
    Define(0xA0F3, 1, "ddConfirmSoftwareReset", "The device confirms that it is about to reset", kFromDevice),
    Define(0xA0F4, 1, "ddNegativeAcknowledge", "The device refuses a command it cannot carry out", kFromDevice),
    Define(0xA100, 1, "ddReInitMainAppPG", "Short request to restart the main application", kToDevice),
    Define(0xA101, 1, "ddCommitToEEPROMPG", "Short request to store the configuration in EEPROM", kToDevice),
    Define(0xA102, 1, "ddCommitToFlashPG", "Short request to store the configuration in flash memory", kToDevice),
    Define(0xA110, 1, kHardwareInfoRequest, "ddHardwareInfoPG", "Ask a device of the given model for its hardware information", kToDevice),
    Define(0xA111, 1, kOperatingModeSet, "ddOperatingModePG", "Set the operating mode", kToDevice),
    Define(0xA112, 1, kPortBaudSet, "ddPortBaudCfgPG", "Set the baud rate of a serial port", kToDevice),
    Define(0xA113, 1, kPortPCodeCfg, "ddPortPCodeCfgPG", "Set the protocol of a port", kToDevice),
    Define(0xA114, 1, kPortDupDelete, "ddPortDupDeletePG", "Switch the duplicate deletion of a port", kToDevice),
    Define(0xA115, 1, kTotalTimeSet, "ddTotalTimePG", "Reset or preset the total powered time", kToDevice),
    Define(0xA116, 1, kPortBaudSet, "ddHardwareBaudPG", "Set the hardware baud rate of a port", kToDevice),
    Define(0xA141, 1, "ddProductInfoN2KPG", "Ask for the NMEA 2000 product information", kToDevice),
    Define(0xA142, 1, kCanConfigSet, "ddCANConfigPG", "Set the NMEA 2000 address and instances", kToDevice),
    Define(0xA143, 1, kCanInfoField1, "ddCANInfoField1PG", "Set the first installation description", kToDevice),
    Define(0xA144, 1, kCanInfoField2, "ddCANInfoField2PG", "Set the second installation description", kToDevice),
    Define(0xA145, 1, "ddCANInfoField3PG", "Ask for the manufacturer information", kToDevice),
    Define(0xA146, 1, kEnableRxPgn, "ddEnableRxPGNPG", "Switch the reception of one PGN", kToDevice),
    Define(0xA147, 1, kEnableTxPgnSet, "ddEnableTxPGNPG", "Switch the transmission of one PGN and set its interval", kToDevice),
    Define(0xA148, 1, "ddRxPGNEnableListPG", "Ask for the receive PGN enable list", kToDevice),
    Define(0xA149, 1, "ddTxPGNEnableListPG", "Ask for the transmit PGN enable list", kToDevice),
    Define(0xA14A, 1, kPgnListSelector, "ddDeletePGNEnableListPG", "Short request to empty a PGN enable list", kToDevice),
    Define(0xA14B, 1, "ddActivatePGNEnableListsPG", "Short request to put the PGN enable lists into use", kToDevice),
    Define(0xA14C, 1, kPgnListSelector, "ddDefaultPGNEnableListPG", "Short request to restore a PGN enable list", kToDevice),
    Define(0xA14D, 1, "ddParamsPGNEnableListsPG", "Ask for the PGN enable list parameters", kToDevice),
    Define(0xA200, 1, kDebugText, "ddDebugText", "Line of debug text from the firmware", kFromDevice),
    Define(0xA201, 1, kDebugValueU32, "ddDebugValueU32", "Unsigned value at a numbered trace point", kFromDevice),
    Define(0xA202, 1, kDebugValueS32, "ddDebugValueS32", "Signed value at a numbered trace point", kFromDevice),
    Define(0xA220, 1, kDebugTimeProfiler, "ddDebugTimeProfiler", "Execution time statistics of a profiled code section", kFromDevice),
    Define(0xA300, 1, kProgramSetSector, "ddProgramSetSector", "Select a flash sector for programming", kToDevice),
    Define(0xA301, 1, kSectorNumber, "ddProgramErase", "Erase a flash sector", kToDevice),
    Define(0xA302, 1, kProgramWriteVerify, "ddProgramWriteVerify", "Write a block of bytes to flash and read it back", kToDevice),
    Define(0xA303, 1, kImageChecksum, "ddProgramFinalise", "End programming and check the whole image", kToDevice),
    Define(0xA304, 1, kProgramRead, "ddProgramRead", "Block of bytes read from flash", kFromDevice),
    Define(0xA3F4, 1, kProgramNegAcknowledge, "ddProgramNegAcknowledge", "A programming command was refused", kFromDevice),
    Define(0xA400, 1, kSectorNumber, "ddProgramSetSectorPG", "Sector selected for programming", kFromDevice),
    Define(0xA401, 1, "ddProgramErasePG", "Erase of the selected sector finished", kFromDevice),
    Define(0xA402, 1, kProgramWriteResult, "ddProgramWriteVerifyPG", "Result of a write and read-back", kFromDevice),
    Define(0xA403, 1, kProgramFinaliseResult, "ddProgramFinalisePG", "Result of the image check", kFromDevice),
    Define(0xA404, 1, kProgramReadRequest, "ddProgramReadPG", "Ask for a block of bytes from flash", kToDevice),
    Define(0xFFFD, 1, "ddLastEnum", "Closes the table of device message definitions", "Never sent"),
};

namespace {

constexpr bool Before(const HoxDefinition& a, uint32_t id, uint8_t part) {
  return a.id < id || (a.id == id && a.part < part);
}

static_assert(std::is_sorted(std::begin(kHoxDefinitions), std::end(kHoxDefinitions),
                             [](const HoxDefinition& a, const HoxDefinition& b) {
                               return Before(a, b.id, b.part);
                             }),
              "the lookup searches by halves");

}  // namespace

const HoxDefinition* FindHoxDefinition(uint32_t id, uint8_t part) {
  const HoxDefinition* end = std::end(kHoxDefinitions);
  const HoxDefinition* found = std::lower_bound(
      std::begin(kHoxDefinitions), end, std::pair{id, part},
      [](const HoxDefinition& d, const std::pair<uint32_t, uint8_t>& key) {
        return Before(d, key.first, key.second);
      });
  return found != end && found->id == id && found->part == part ? found : nullptr;
}

namespace {

constexpr const char* kModelNames[] = {
    "Development Board",
    "Serial Multiplexer MX1",
    "Serial Multiplexer MX2",
    "NMEA 0183 Buffer",
    "NMEA 0183 Opto-Isolator",
    "Compass Sensor",
    "Rudder Angle Sensor",
    "WXN Gateway",
    "QLX Data Logger",
    "Analogue Input Module",
    "Engine Interface",
    "Display Repeater",
    "Wind Transducer Interface",
    "Depth Sounder Interface",
    "NMEA 2000 USB Gateway",
    "NMEA 2000 Power Tap",
    "NMEA 2000 Ethernet Gateway",
    "Tank Level Sender",
    "Temperature Sender",
    "Pressure Sender",
    "Battery Monitor",
    "Switch Bank Controller",
    "AIS Receiver",
    "AIS Transponder",
    "GNSS Receiver",
    "Autopilot Interface",
    "Network Analyser",
    "NMEA 2000 WiFi Gateway",
    "NMEA 2000 Bluetooth Gateway",
    "J1939 Engine Gateway",
    "Unknown",
};
static_assert(std::size(kModelNames) == 31);

struct NamedCode {
  uint32_t code;
  const char* name;
};

constexpr NamedCode kModelSubIds[] = {
    {0, "RS232"},
    {1, "RS485"},
    {2, "NMEA 2000"},
    {3, "USB"},
    {4, "Ethernet"},
    {5, "Bluetooth"},
    {6, "ZigBee"},
    {7, "RS422"},
    {8, "Analogue"},
    {9, "ISO-Drive"},
    {10, "Chip Only"},
    {11, "J-1939"},
    {12, "ModBus"},
    {13, "WiFi"},
    {32, "5 Outputs"},
    {33, "6 Outputs"},
    {34, "6 ISO Outs"},
    {35, "XIU"},
    {36, "ST1"},
    {37, "ST2"},
    {38, "ST3"},
    {39, "NH1"},
    {64, "Power & Drop"},
    {65, "Drop Only"},
    {96, "150 kHz"},
    {97, "170 kHz"},
    {98, "200 kHz"},
    {99, "235 kHz"},
};

constexpr NamedCode kHardwareProtocols[] = {
    {0x00, "Serial, NMEA 0183"},
    {0x01, "Serial, KVT"},
    {0x20, "CAN, NMEA 2000"},
    {0x21, "CAN, J1939"},
    {0x40, "Ethernet, KVT"},
    {0x41, "Ethernet, NMEA 0183"},
    {0x42, "Ethernet, OneNet"},
};

// The gateway models: only they have operating modes.
constexpr uint32_t kModelsWithModes[] = {7, 14, 16, 27, 28, 29};
// IDs that cannot name a device with modes at all.
constexpr uint32_t kInvalidModeModels[] = {1, 9, 11};

constexpr const char* kOperatingModes[] = {
    "Transfer Normal",   // 1
    "Transfer Rx All",   // 2
    "Transfer Raw",      // 3
    "Translate Normal",  // 4
};

template <size_t N>
const char* NameOf(const NamedCode (&table)[N], uint32_t code, const char* otherwise) {
  for (const NamedCode& row : table)
    if (row.code == code) return row.name;
  return otherwise;
}

template <size_t N>
bool Contains(const uint32_t (&set)[N], uint32_t value) {
  return std::find(std::begin(set), std::end(set), value) != std::end(set);
}

}  // namespace

const char* HoxModelName(uint32_t modelId) {
  return modelId < std::size(kModelNames) ? kModelNames[modelId] : "Unknown Model ID";
}

const char* HoxModelSubIdName(uint32_t subId) {
  return NameOf(kModelSubIds, subId, "Unknown Model Sub ID");
}

const char* HoxOperatingModeName(uint32_t modelId, uint32_t mode) {
  if (modelId > 32 || Contains(kInvalidModeModels, modelId)) return "Invalid Model ID";
  if (!Contains(kModelsWithModes, modelId)) return "Unknown Model ID, cannot decode Op. Mode";
  if (mode >= 1 && mode <= std::size(kOperatingModes)) return kOperatingModes[mode - 1];
  return "Unknown Operation mode";
}

const char* HoxHardwareProtocolName(uint32_t protocol) {
  return NameOf(kHardwareProtocols, protocol, "Unknown HP code");
}

#include "log/synth/HoxMessages.h"

#include "log/Framing.h"

namespace {

constexpr uint8_t kLongFormCommand = 0xA0;
constexpr uint8_t kRebootCommand = 0x11;
constexpr uint8_t kRebootHoxId = 0xFE;
// Single-part messages: the sequence ID names the part.
constexpr uint8_t kFirstPart = 1;

std::vector<uint8_t> LongForm(const HoxDevice& device, uint8_t hoxId, int32_t errorCode, const Bytes& data) {
  Bytes payload{hoxId, kFirstPart};
  PutLittleEndian(payload, device.modelId, 2);
  PutLittleEndian(payload, device.serial, 4);
  PutLittleEndian(payload, static_cast<uint32_t>(errorCode), 4);
  payload.insert(payload.end(), data.begin(), data.end());
  return MakeKvtBody(kLongFormCommand, payload);
}

Bytes HardwareInfo(const HoxDevice& d) {
  Bytes b;
  PutLittleEndian(b, d.modelId, 2);
  PutLittleEndian(b, 2, 2);       // sub ID: NMEA 2000
  PutLittleEndian(b, d.serial, 4);
  PutLittleEndian(b, 210, 2);     // hardware version 2.10
  PutLittleEndian(b, 1007, 2);    // boot loader version 1.007
  PutLittleEndian(b, 3142, 2);    // firmware version 3.142
  PutLittleEndian(b, 45123, 2);   // firmware build date, days from 1900
  PutLittleEndian(b, 38229, 2);   // build time, 65536ths of a day (14:00)
  b.push_back(0x20);              // protocol: CAN, NMEA 2000
  b.push_back(0x05);              // fitted options
  return b;
}

Bytes PortBaudConfig() {
  Bytes b;
  b.push_back(1);                 // port
  PutLittleEndian(b, 38400, 4);   // receive
  PutLittleEndian(b, 38400, 4);   // transmit
  return b;
}

Bytes SystemStatus(const HoxDevice& d) {
  Bytes b;
  PutLittleEndian(b, d.uptimeS, 4);
  b.push_back(static_cast<uint8_t>(18 + d.uptimeS % 7));  // processor load, %
  PutLittleEndian(b, 23552, 4);   // free memory, bytes
  PutLittleEndian(b, d.framesReceived, 4);
  PutLittleEndian(b, d.framesSent, 4);
  PutLittleEndian(b, 0, 2);       // receive errors
  PutLittleEndian(b, 0, 2);       // transmit errors
  PutLittleEndian(b, static_cast<uint16_t>(-3), 2);  // clock trim, ppm
  PutLittleEndian(b, 180 + d.uptimeS % 40, 4);        // main loop, microseconds
  PutLittleEndian(b, 2150, 4);    // longest main loop, microseconds
  PutLittleEndian(b, 2 + d.uptimeS % 9, 4);           // since the last bus message, ms
  b.push_back(31);                // board temperature, degrees
  return b;
}

}  // namespace

std::vector<uint8_t> HoxRequestBody(const HoxDevice& device, uint8_t hoxId) { return LongForm(device, hoxId, 0, {}); }

std::vector<uint8_t> HoxResponseBody(const HoxDevice& device, uint8_t hoxId) {
  switch (hoxId) {
    case kHoxHardwareInfo:
      return LongForm(device, hoxId, 0, HardwareInfo(device));
    case kHoxPortBaudConfig:
      return LongForm(device, hoxId, 0, PortBaudConfig());
    case kHoxSystemStatus:
      return LongForm(device, hoxId, 0, SystemStatus(device));
    default:
      return HoxErrorResponseBody(device, hoxId, kHoxCommandNotRecognised);
  }
}

std::vector<uint8_t> HoxErrorResponseBody(const HoxDevice& device, uint8_t hoxId, int32_t errorCode) {
  return LongForm(device, hoxId, errorCode, {});
}

std::vector<uint8_t> RebootNoticeBody() { return MakeKvtBody(kRebootCommand, Bytes{kRebootHoxId}); }

// KVT-HOX exchanges between the logging host and the gateway: long-form
// requests and the gateway's responses, and the gateway's reboot notice.
#pragma once

#include <cstdint>
#include <vector>


// The gateway that answers.
struct HoxDevice {
  uint16_t modelId;
  uint32_t serial;
  uint32_t uptimeS;
  uint32_t framesReceived;
  uint32_t framesSent;
};

// The exchanges the host makes in turn: HOX IDs of command 0xA0.
constexpr uint8_t kHoxHardwareInfo = 0x10;
constexpr uint8_t kHoxPortBaudConfig = 0x12;
constexpr uint8_t kHoxSystemStatus = 0xF2;
// Not supported by the gateway: answered with an error code.
constexpr uint8_t kHoxProductInfo = 0x41;

constexpr int32_t kHoxCommandNotRecognised = -1099;

// KVT bodies (command, length, payload, checksum), ready for framing.
std::vector<uint8_t> HoxRequestBody(const HoxDevice& device, uint8_t hoxId);
std::vector<uint8_t> HoxResponseBody(const HoxDevice& device, uint8_t hoxId);
// A response that reports an error code and carries no data.
std::vector<uint8_t> HoxErrorResponseBody(const HoxDevice& device, uint8_t hoxId, int32_t errorCode);
// KVT command 0x11 with HOX ID 0xFE.
std::vector<uint8_t> RebootNoticeBody();

// The record vocabulary: which deserialiser produced a record (group) and
// what it is (message type), with the names and list colours the record
// list shows.
#pragma once

#include <cstdint>

enum MessageGroup : uint32_t {
  MG_None = 0x000,       // unrecognised data
  MG_QLX = 0x100,
  MG_N183 = 0x200,
  MG_KVT = 0x201,
  MG_ASCII = 0x202,      // vocabulary only: the parser never makes it
  MG_NonText = 0x203,    // vocabulary only
};

enum MessageType : uint32_t {
  MT_Unknown = 0x000,
  MT_QLX = 0x100,
  MT_N183 = 0x200,
  MT_N183XC = 0x201,
  MT_N183Err = 0x202,
  MT_KVT = 0x300,
  MT_Reboot = 0x301,
  MT_KVTCtrl = 0x302,
  MT_KVTBad = 0x303,
  MT_KVTXC = 0x304,
  MT_HoxCmd = 0x400,
  MT_HoxDbg = 0x401,
  MT_HoxPrg = 0x402,
  MT_HoxBoot = 0x403,
  MT_N2K = 0x500,
  MT_Binary = 0x600,
  MT_ASCII = 0x601,
};

// A Windows COLORREF: red in the low byte, then green, then blue.
constexpr uint32_t MakeColour(uint32_t red, uint32_t green, uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}

// "UNKNOWN" for a code without a row.
const char* MessageTypeName(uint32_t type);
// Red for a code without a row (0x403 has none).
uint32_t MessageTypeColour(uint32_t type);

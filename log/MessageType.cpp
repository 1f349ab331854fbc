#include "log/MessageType.h"

#include <iterator>

namespace {

struct TypeName {
  uint32_t type;
  const char* name;
};

struct TypeColour {
  uint32_t type;
  uint32_t colour;
};

constexpr TypeName kTypeNames[] = {
    {MT_Unknown, "UNKNOWN"}, {MT_QLX, "QLX"},         {MT_N183, "N183"},       {MT_N183XC, "N183XC"},
    {MT_N183Err, "N183Err"}, {MT_KVT, "KVT"},         {MT_Reboot, "REBOOT"},   {MT_KVTCtrl, "KVTCTRL"},
    {MT_KVTBad, "KVTBAD"},   {MT_KVTXC, "KVTXC"},     {MT_HoxCmd, "HOXCMD"},   {MT_HoxDbg, "HOXDBG"},
    {MT_HoxPrg, "HOXPRG"},   {MT_HoxBoot, "HOXBOOT"}, {MT_N2K, "N2K"},         {MT_Binary, "BINARY"},
    {MT_ASCII, "ASCII"},
};
static_assert(std::size(kTypeNames) == 17);

constexpr uint32_t kRed = MakeColour(255, 0, 0);
constexpr uint32_t kBlack = MakeColour(0, 0, 0);
constexpr uint32_t kGreen = MakeColour(0, 160, 0);
constexpr uint32_t kViolet = MakeColour(148, 0, 211);

// The boot-loader type has no colour of its own and falls back to red.
constexpr TypeColour kTypeColours[] = {
    {MT_Unknown, kRed},
    {MT_QLX, MakeColour(139, 69, 19)},
    {MT_N183, kBlack},
    {MT_N183XC, kRed},
    {MT_N183Err, kRed},
    {MT_KVT, MakeColour(176, 48, 96)},
    {MT_Reboot, MakeColour(160, 0, 160)},
    {MT_KVTCtrl, kBlack},
    {MT_KVTBad, kRed},
    {MT_KVTXC, kRed},
    {MT_HoxCmd, kGreen},
    {MT_HoxDbg, kGreen},
    {MT_HoxPrg, kGreen},
    {MT_N2K, kBlack},
    {MT_Binary, kViolet},
    {MT_ASCII, kViolet},
};
static_assert(std::size(kTypeColours) == 16);

}  // namespace

const char* MessageTypeName(uint32_t type) {
  for (const TypeName& row : kTypeNames)
    if (row.type == type) return row.name;
  return kTypeNames[0].name;
}

uint32_t MessageTypeColour(uint32_t type) {
  for (const TypeColour& row : kTypeColours)
    if (row.type == type) return row.colour;
  return kTypeColours[0].colour;
}

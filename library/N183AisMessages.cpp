// The ITU-R M.1371 messages carried in !VDM / !VDO, in message identifier
// order; message 24 has one row per part. Only the messages that the gateway
// stores field by field have a run in the AIS field list.
#include "library/N183Tables.h"

constexpr AISMessage kAISMessages[kAISMessageCount] = {
    // first row, count, id, reserved, PGN, group, name, sentences, section, priority, availability, class B, notes
    {0, 16, 1, 0, 129038, 0, "(Class A) Position report (Scheduled)", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.1", 1, "Yes", 0, "Autonomous report at the rate set by speed and course change"},
    {0, 16, 2, 0, 129038, 0, "(Class A) Position report (Assigned scheduled)", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.1", 1, "Yes", 0, "Reporting rate assigned by a competent authority"},
    {0, 16, 3, 0, 129038, 0, "(Class A) Position report (Special, when interrogated)", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.1", 1, "Yes", 0, "Sent in reply to an interrogation"},
    {16, 16, 4, 0, 129793, 1, "Base station report", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.2", 1, "Yes", 0, "Position, UTC and date of a base station"},
    {32, 22, 5, 0, 129794, 2, "(Class A) Static and voyage related data", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.3", 4, "Yes", 0, "Two slots; arrives as two sentences"},
    {0, 0, 6, 0, 129795, 3, "Binary addressed message", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.4", 4, "Optional", 0, "Application data for one destination"},
    {0, 0, 7, 0, 129796, 4, "Binary acknowledge", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.5", 1, "Optional", 0, "Acknowledges up to four binary addressed messages"},
    {0, 0, 8, 0, 129797, 5, "Binary broadcast message", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.6", 4, "Optional", 0, "Application data for all stations"},
    {0, 0, 9, 0, 129798, 6, "Standard SAR aircraft position report", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.7", 1, "Optional", 0, "Search and rescue aircraft; carries altitude"},
    {0, 0, 10, 0, 129800, 7, "UTC/date inquiry", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.8", 3, "Optional", 0, "Asks a station for UTC and date; answered by message 11"},
    {16, 16, 11, 0, 129793, 1, "UTC/date response", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.2", 3, "Yes", 0, "Same layout as message 4"},
    {0, 0, 12, 0, 129801, 8, "Addressed safety related message", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.9", 2, "Optional", 0, "Safety text for one destination"},
    {0, 0, 13, 0, 129796, 5, "Safety related acknowledge", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.5", 1, "Optional", 0, "Acknowledges up to four safety related messages"},
    {0, 0, 14, 0, 129802, 9, "Safety related broadcast message", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.10", 2, "Optional", 0, "Safety text for all stations"},
    {0, 0, 15, 0, 129803, 10, "Interrogation", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.11", 3, "Optional", 0, "Requests specific messages from one or two stations"},
    {0, 0, 16, 0, 129804, 11, "Assigned mode command", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.12", 1, "Optional", 0, "Sent by a base station to set a reporting schedule"},
    {0, 0, 17, 0, 129792, 12, "DGNSS broadcast binary message", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.13", 2, "Optional", 0, "Differential corrections from a base station"},
    {54, 21, 18, 0, 129039, 13, "Standard Class B equipment position report", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.14", 1, "Yes", 1, "Class B counterpart of messages 1 to 3, without rate of turn and navigational status"},
    {75, 24, 19, 0, 129040, 14, "Extended Class B equipment position report", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.15", 1, "Yes", 1, "Position report with the static data of the ship"},
    {0, 0, 20, 0, 129805, 15, "Data link management message", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.16", 1, "Optional", 0, "Reserves slots for base stations"},
    {0, 0, 21, 0, 0, 16, "Aids-to-navigation report", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.17", 1, "No", 0, "Buoys, lights and virtual marks"},
    {0, 0, 22, 0, 129806, 17, "Channel management", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.18", 1, "Optional", 0, "Sets the channels and power of a region"},
    {0, 0, 23, 0, 129807, 18, "Group assignment command", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.19", 1, "Optional", 0, "Sets the behaviour of a group of mobile stations"},
    {99, 5, 24, 0, 129809, 19, "Class B \"CS\" Static data report, part A", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.20", 4, "Yes", 1, "Part number 0: the name of the ship"},
    {104, 13, 24, 0, 129810, 20, "Class B \"CS\" Static data report, part B", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.20", 4, "Yes", 1, "Part number 1: ship type, vendor, call sign and dimensions"},
    {0, 0, 25, 0, 0, 21, "Single slot binary message", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.21", 4, "No", 0, "Short unscheduled binary data"},
    {0, 0, 26, 0, 0, 22, "Multiple slot binary message with communications state", "!VDM, !VDO", "ITU-R M.1371 Annex 8, 3.22", 4, "No", 0, "Scheduled binary data over up to five slots"},
};

// A short initializer list would leave zeroed rows at the end.
static_assert(kAISMessages[kAISMessageCount - 1].messageId == 26);

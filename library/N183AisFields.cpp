// ITU-R M.1371 payload fields: one definition per distinct field (width,
// scaling, range), the per-message field lists in payload order, and the
// value ranges with their not-available markers.
#include "base/RepositoryCatalogue.h"
#include "library/N183Tables.h"

constexpr AISFieldDefinition kAISFieldDefinitions[kAISFieldDefinitionCount] = {
    // width, conversion row, exponent, range row, index, unit, range text, signed, name, description
    {6, 0, 0, 0, 0, "", "1-27", 0, "Message ID", "Identifier of the message type"},
    {2, 0, 0, 0, 1, "", "0-3", 0, "Repeat Indicator", "Times the message has been repeated by repeater stations; 3 = do not repeat"},
    {30, 0, 0, 0, 2, "", "MMSI, 9 digits", 0, "User ID", "Maritime mobile service identity of the sending station"},
    {4, 0, 0, 8, 3, "", "0-14, 15 = not defined", 0, "Navigational Status", "Under way using engine, at anchor, moored, aground and the other states of the vessel"},
    {8, 8, 0, 14, 4, "Degrees/min", "-127 to +127, -128 = not available", 1, "ROT", "Rate of turn as 4.733 x square root of degrees per minute; +/-127 turning faster than 5 degrees per 30 s without a turn indicator"},
    {10, 12, -1, 15, 5, "Knots", "0.0-102.2, 102.3 = not available", 0, "SOG", "Speed over ground in steps of 0.1 knot; 102.2 means 102.2 knots or more"},
    {1, 0, 0, 0, 6, "", "0-1", 0, "Position Accuracy", "1 = better than 10 m (differential), 0 = worse than 10 m"},
    {28, 2, -4, 10, 7, "Minutes", "+/-180 degrees, 181 = not available", 1, "Longitude", "Longitude in 1/10 000 minute; east positive"},
    {27, 2, -4, 9, 8, "Minutes", "+/-90 degrees, 91 = not available", 1, "Latitude", "Latitude in 1/10 000 minute; north positive"},
    {12, 1, -1, 1, 9, "Degrees", "0.0-359.9 or 360.0", 0, "COG", "Course over ground in steps of 0.1 degree; 360.0 = not available"},
    {9, 1, 0, 6, 10, "Degrees", "0-359, 511 = not available", 0, "True Heading", "Heading of the bow in whole degrees from true north"},
    {6, 0, 0, 16, 11, "Seconds", "0-59, 60 = not available, 61-63 special", 0, "Time Stamp", "UTC second in which the report was generated"},
    {2, 0, 0, 0, 12, "", "0-2", 0, "Special Manoeuvre Indicator", "1 = not engaged in special manoeuvre, 2 = engaged (regional passing arrangement)"},
    {3, 0, 0, 0, 13, "", "0", 0, "Spare", "Not used; set to zero"},
    {1, 0, 0, 0, 14, "", "0-1", 0, "RAIM Flag", "Receiver autonomous integrity monitoring in use"},
    {19, 0, 0, 0, 15, "", "SOTDMA or ITDMA state", 0, "Communication State", "Slot synchronisation and allocation state of the sending station"},
    {14, 0, 0, 17, 16, "", "1-9999, 0 = not available", 0, "UTC Year", "Year of the station's UTC"},
    {4, 0, 0, 2, 17, "", "1-12, 0 = not available", 0, "UTC Month", "Month of the station's UTC"},
    {5, 0, 0, 3, 18, "", "1-31, 0 = not available", 0, "UTC Day", "Day of the station's UTC"},
    {5, 0, 0, 4, 19, "Hours", "0-23, 24 = not available", 0, "UTC Hour", "Hour of the station's UTC"},
    {6, 0, 0, 5, 20, "Minutes", "0-59, 60 = not available", 0, "UTC Minute", "Minute of the station's UTC"},
    {6, 0, 0, 7, 21, "Seconds", "0-59, 60 = not available", 0, "UTC Second", "Second of the station's UTC"},
    {4, 0, 0, 0, 22, "", "0-8, 0 = undefined", 0, "Type of EPFD", "Electronic position fixing device: GPS, GLONASS, combined, Loran-C, Chayka, integrated navigation system, surveyed, Galileo"},
    {10, 0, 0, 0, 23, "", "0", 0, "Spare", "Not used; set to zero"},
    {2, 0, 0, 0, 24, "", "0-3", 0, "AIS Version", "Edition of ITU-R M.1371 the station complies with; 0 = first edition"},
    {30, 0, 0, 0, 25, "", "1-999999999, 0 = not available", 0, "IMO Number", "IMO ship identification number"},
    {42, 0, 0, 0, 26, "", "7 characters", 0, "Call sign", "Radio call sign in 6-bit characters; \"@@@@@@@\" = not available"},
    {120, 0, 0, 0, 27, "", "20 characters", 0, "Name", "Name of the ship in 6-bit characters, padded with \"@\""},
    {8, 0, 0, 0, 28, "", "1-99, 0 = not available", 0, "Type of ship and cargo", "Ship type in the tens digit, cargo hazard category in the units digit"},
    {9, 0, 0, 12, 29, "Metres", "1-511, 0 = not available", 0, "Dimension to Bow", "Distance A from the position reference point to the bow"},
    {9, 0, 0, 12, 30, "Metres", "1-511, 0 = not available", 0, "Dimension to Stern", "Distance B from the position reference point to the stern"},
    {6, 0, 0, 13, 31, "Metres", "1-63, 0 = not available", 0, "Dimension to Port", "Distance C from the position reference point to port"},
    {6, 0, 0, 13, 32, "Metres", "1-63, 0 = not available", 0, "Dimension to Starboard", "Distance D from the position reference point to starboard"},
    {0, 0, 0, 0, 33, "Metres", "C + D", 0, "Beam", "Takes no payload bits; the beam is the sum of the port and starboard dimensions"},
    {4, 0, 0, 2, 34, "", "1-12, 0 = not available", 0, "ETA Month", "Month of the estimated time of arrival"},
    {5, 0, 0, 3, 35, "", "1-31, 0 = not available", 0, "ETA Day", "Day of the estimated time of arrival"},
    {5, 0, 0, 4, 36, "Hours", "0-23, 24 = not available", 0, "ETA Hour", "UTC hour of the estimated time of arrival"},
    {6, 0, 0, 5, 37, "Minutes", "0-59, 60 = not available", 0, "ETA Minute", "UTC minute of the estimated time of arrival"},
    {8, 0, -1, 11, 38, "Metres", "0.1-25.5, 0 = not available", 0, "Maximum Present Static Draught", "Draught in steps of 0.1 m; 25.5 means 25.5 m or more"},
    {120, 0, 0, 0, 39, "", "20 characters", 0, "Destination", "Port of destination in 6-bit characters, padded with \"@\""},
    {1, 0, 0, 0, 40, "", "0-1", 0, "DTE", "Data terminal equipment: 0 = available, 1 = not available"},
    {1, 0, 0, 0, 41, "", "0", 0, "Spare", "Not used; set to zero"},
    {8, 0, 0, 0, 42, "", "0", 0, "Spare", "Reserved for regional or local applications; set to zero"},
    {2, 0, 0, 0, 43, "", "0", 0, "Spare", "Reserved for regional applications; set to zero"},
    {1, 0, 0, 0, 44, "", "0-1", 0, "Class B Unit Flag", "0 = SOTDMA unit, 1 = carrier-sense (CS) unit"},
    {1, 0, 0, 0, 45, "", "0-1", 0, "Class B Display Flag", "1 = the unit has a display for messages 12 and 14"},
    {1, 0, 0, 0, 46, "", "0-1", 0, "Class B DSC Flag", "1 = the unit has a DSC function"},
    {1, 0, 0, 0, 47, "", "0-1", 0, "Class B Band Flag", "1 = the unit can use the whole marine band"},
    {1, 0, 0, 0, 48, "", "0-1", 0, "Class B Message 22 Flag", "1 = the unit accepts channel management by message 22"},
    {1, 0, 0, 0, 49, "", "0-1", 0, "Mode Flag", "0 = autonomous mode, 1 = assigned mode"},
    {1, 0, 0, 0, 50, "", "0-1", 0, "Communication State Selector Flag", "0 = SOTDMA communication state follows, 1 = ITDMA"},
    {4, 0, 0, 0, 51, "", "0", 0, "Spare", "Not used; set to zero"},
    {2, 0, 0, 0, 52, "", "0-1", 0, "Part Number", "0 = part A (name), 1 = part B (static data)"},
    {42, 0, 0, 0, 53, "", "7 characters", 0, "Vendor ID", "Manufacturer, unit model and serial number"},
    {6, 0, 0, 0, 54, "", "0", 0, "Spare", "Not used; set to zero"},
    {12, 0, 0, 0, 55, "Metres", "0-4094, 4095 = not available", 0, "Altitude", "GNSS altitude of a search and rescue aircraft"},
    {30, 0, 0, 0, 56, "", "MMSI, 9 digits", 0, "Destination ID", "MMSI of the station addressed"},
    {2, 0, 0, 0, 57, "", "0-3", 0, "Sequence Number", "Sequence number of an addressed message, returned in its acknowledgement"},
    {1, 0, 0, 0, 58, "", "0-1", 0, "Retransmit Flag", "1 = the message has been retransmitted"},
    {16, 0, 0, 0, 59, "", "DAC 10 bits, FI 6 bits", 0, "Application Identifier", "Designated area code and function identifier of binary data"},
    {5, 0, 0, 0, 60, "", "0-31, 0 = not specified", 0, "Type of Aids-to-Navigation", "Kind of aid: reference point, light, beacon, cardinal or lateral mark and others"},
    {1, 0, 0, 0, 61, "", "0-1", 0, "Off-position Indicator", "1 = a floating aid is off its charted position"},
    {1, 0, 0, 0, 62, "", "0-1", 0, "Virtual AtoN Flag", "1 = the aid exists only as a broadcast"},
    {30, 0, 0, 0, 63, "", "MMSI, 9 digits", 0, "Mothership MMSI", "MMSI of the mother ship of an auxiliary craft, in place of the dimensions"},
};

constexpr AISFieldListRow kAISFieldList[kAISFieldListCount] = {
    // position, definition, repository, group, comment
    // Messages 1, 2 and 3: 168 bits
    {0, 0, RD_AIS_MessageID, 0, "Message 1, 2 or 3"},
    {1, 1, RD_AIS_RepeatIndicator, 0, ""},
    {2, 2, RD_AIS_UserID, 0, ""},
    {3, 3, RD_AIS_NavStatus, 0, ""},
    {4, 4, RD_AIS_RateOfTurn, 0, "Square of the value with its sign, -128 not available"},
    {5, 5, RD_AIS_SOG, 0, ""},
    {6, 6, RD_AIS_PositionAccuracy, 0, ""},
    {7, 7, RD_AIS_LongitudeWGS84, 0, ""},
    {8, 8, RD_AIS_LatitudeWGS84, 0, ""},
    {9, 9, RD_AIS_COG, 0, ""},
    {10, 10, RD_AIS_HeadingTrue, 0, ""},
    {11, 11, RD_AIS_TimeStamp, 0, ""},
    {12, 12, RD_AIS_SpecialManoeuvre, 0, ""},
    {13, 13, RD_NONE, 0, ""},
    {14, 14, RD_AIS_RAIMFlag, 0, ""},
    {15, 15, RD_AIS_CommunicationState, 0, ""},
    // Messages 4 and 11: 168 bits
    {0, 0, RD_AIS_MessageID, 1, "Message 4 or 11"},
    {1, 1, RD_AIS_RepeatIndicator, 1, ""},
    {2, 2, RD_AIS_UserID, 1, ""},
    {3, 16, RD_NONE, 1, "Year kept for the date"},
    {4, 17, RD_NONE, 1, "Month kept for the date"},
    {5, 18, RD_AIS_UTC_Date, 1, "Day completes the date with the kept year and month"},
    {6, 19, RD_NONE, 1, "Hour kept for the time of day"},
    {7, 20, RD_NONE, 1, "Minute kept for the time of day"},
    {8, 21, RD_AIS_UTC_Time, 1, "Second completes the time of day, in microseconds"},
    {9, 6, RD_AIS_PositionAccuracy, 1, ""},
    {10, 7, RD_AIS_LongitudeWGS84, 1, ""},
    {11, 8, RD_AIS_LatitudeWGS84, 1, ""},
    {12, 22, RD_AIS_EPFDeviceType, 1, ""},
    {13, 23, RD_NONE, 1, ""},
    {14, 14, RD_AIS_RAIMFlag, 1, ""},
    {15, 15, RD_AIS_CommunicationState, 1, ""},
    // Message 5: 424 bits
    {0, 0, RD_AIS_MessageID, 2, "Message 5"},
    {1, 1, RD_AIS_RepeatIndicator, 2, ""},
    {2, 2, RD_AIS_UserID, 2, ""},
    {3, 24, RD_AIS_Version, 2, ""},
    {4, 25, RD_AIS_IMO_ID, 2, ""},
    {5, 26, RD_AIS_CallSign, 2, ""},
    {6, 27, RD_AIS_Name, 2, ""},
    {7, 28, RD_AIS_ShipOrCargoType, 2, ""},
    {8, 29, RD_AIS_ShipLength, 2, "Bow plus stern gives the length"},
    {9, 30, RD_AIS_PositionRefAft, 2, "Stern dimension is the reference from aft"},
    {10, 31, RD_NONE, 2, "Port dimension kept for the beam"},
    {11, 32, RD_AIS_PositionRefStarboard, 2, "Starboard dimension is the reference from starboard"},
    {12, 33, RD_AIS_ShipBeam, 2, "Port plus starboard gives the beam"},
    {13, 22, RD_AIS_EPFDeviceType, 2, ""},
    {14, 34, RD_NONE, 2, "Month kept for the arrival date"},
    {15, 35, RD_AIS_EstimatedArrivalDate, 2, "Day makes the arrival date in the current or next year"},
    {16, 36, RD_NONE, 2, "Hour kept for the arrival time"},
    {17, 37, RD_AIS_EstimatedArrivalTime, 2, "Minute completes the arrival time, in microseconds"},
    {18, 38, RD_AIS_Draft, 2, ""},
    {19, 39, RD_AIS_Destination, 2, ""},
    {20, 40, RD_AIS_DTE, 2, ""},
    {21, 41, RD_NONE, 2, ""},
    // Message 18: 168 bits
    {0, 0, RD_AIS_MessageID, 13, "Message 18"},
    {1, 1, RD_AIS_RepeatIndicator, 13, ""},
    {2, 2, RD_AIS_UserID, 13, ""},
    {3, 42, RD_NONE, 13, ""},
    {4, 5, RD_AIS_SOG, 13, ""},
    {5, 6, RD_AIS_PositionAccuracy, 13, ""},
    {6, 7, RD_AIS_LongitudeWGS84, 13, ""},
    {7, 8, RD_AIS_LatitudeWGS84, 13, ""},
    {8, 9, RD_AIS_COG, 13, ""},
    {9, 10, RD_AIS_HeadingTrue, 13, ""},
    {10, 11, RD_AIS_TimeStamp, 13, ""},
    {11, 43, RD_NONE, 13, ""},
    {12, 44, RD_AIS_ClassBUnitFlag, 13, ""},
    {13, 45, RD_AIS_ClassBDisplayFlag, 13, ""},
    {14, 46, RD_AIS_ClassBDSCFlag, 13, ""},
    {15, 47, RD_AIS_ClassBBandFlag, 13, ""},
    {16, 48, RD_AIS_ClassBMsg22Flag, 13, ""},
    {17, 49, RD_AIS_ModeFlag, 13, ""},
    {18, 14, RD_AIS_RAIMFlag, 13, ""},
    {19, 50, RD_AIS_CommStateSelFlag, 13, ""},
    {20, 15, RD_AIS_CommunicationState, 13, ""},
    // Message 19: 312 bits
    {0, 0, RD_AIS_MessageID, 14, "Message 19"},
    {1, 1, RD_AIS_RepeatIndicator, 14, ""},
    {2, 2, RD_AIS_UserID, 14, ""},
    {3, 42, RD_NONE, 14, ""},
    {4, 5, RD_AIS_SOG, 14, ""},
    {5, 6, RD_AIS_PositionAccuracy, 14, ""},
    {6, 7, RD_AIS_LongitudeWGS84, 14, ""},
    {7, 8, RD_AIS_LatitudeWGS84, 14, ""},
    {8, 9, RD_AIS_COG, 14, ""},
    {9, 10, RD_AIS_HeadingTrue, 14, ""},
    {10, 11, RD_AIS_TimeStamp, 14, ""},
    {11, 51, RD_NONE, 14, ""},
    {12, 27, RD_AIS_Name, 14, ""},
    {13, 28, RD_AIS_ShipOrCargoType, 14, ""},
    {14, 29, RD_AIS_ShipLength, 14, "Bow plus stern gives the length"},
    {15, 30, RD_AIS_PositionRefAft, 14, "Stern dimension is the reference from aft"},
    {16, 31, RD_NONE, 14, "Port dimension kept for the beam"},
    {17, 32, RD_AIS_PositionRefStarboard, 14, "Starboard dimension is the reference from starboard"},
    {18, 33, RD_AIS_ShipBeam, 14, "Port plus starboard gives the beam"},
    {19, 22, RD_AIS_EPFDeviceType, 14, ""},
    {20, 14, RD_AIS_RAIMFlag, 14, ""},
    {21, 40, RD_AIS_DTE, 14, ""},
    {22, 49, RD_AIS_ModeFlag, 14, ""},
    {23, 51, RD_NONE, 14, ""},
    // Message 24 part A: 160 bits
    {0, 0, RD_AIS_MessageID, 19, "Message 24 part A"},
    {1, 1, RD_AIS_RepeatIndicator, 19, ""},
    {2, 2, RD_AIS_UserID, 19, ""},
    {3, 52, RD_NONE, 19, "0 for part A"},
    {4, 27, RD_AIS_Name, 19, ""},
    // Message 24 part B: 168 bits
    {0, 0, RD_AIS_MessageID, 20, "Message 24 part B"},
    {1, 1, RD_AIS_RepeatIndicator, 20, ""},
    {2, 2, RD_AIS_UserID, 20, ""},
    {3, 52, RD_NONE, 20, "1 for part B"},
    {4, 28, RD_AIS_ShipOrCargoType, 20, ""},
    {5, 53, RD_AIS_VendorID, 20, ""},
    {6, 26, RD_AIS_CallSign, 20, ""},
    {7, 29, RD_AIS_ShipLength, 20, "Bow plus stern gives the length"},
    {8, 30, RD_AIS_PositionRefAft, 20, "Stern dimension is the reference from aft"},
    {9, 31, RD_NONE, 20, "Port dimension kept for the beam"},
    {10, 32, RD_AIS_PositionRefStarboard, 20, "Starboard dimension is the reference from starboard"},
    {11, 33, RD_AIS_ShipBeam, 20, "Port plus starboard gives the beam"},
    {12, 54, RD_NONE, 20, ""},
};

constexpr AISRange kAISRanges[kAISRangeCount] = {
    // minimum, maximum, not available, reserved
    {-2147483647, 2147483647, 0, 0},      // full signed range
    {0, 3599, 3600, 0},                   // COG, 0.1 degree
    {1, 12, 0, 0},                        // month
    {1, 31, 0, 0},                        // day
    {0, 23, 24, 0},                       // hour
    {0, 59, 60, 0},                       // minute
    {0, 359, 511, 0},                     // true heading
    {0, 59, 60, 0},                       // second
    {0, 14, 15, 0},                       // navigational status
    {-54000000, 54000000, 54600000, 0},   // latitude, 1/10 000 minute
    {-108000000, 108000000, 108600000, 0},// longitude, 1/10 000 minute
    {1, 255, 0, 0},                       // draught, 0.1 m
    {1, 511, 0, 0},                       // bow and stern dimensions
    {1, 63, 0, 0},                        // port and starboard dimensions
    {-127, 127, -128, 0},                 // rate of turn; +/-127 = turning fast, no turn indicator
    {0, 1022, 1023, 0},                   // SOG, 0.1 knot
    {0, 63, 60, 0},                       // time stamp
    {1, 9999, 0, 0},                      // year
};

// Short initializer lists would leave zeroed rows at the end.
static_assert(kAISFieldDefinitions[kAISFieldDefinitionCount - 1].index == kAISFieldDefinitionCount - 1);
static_assert(kAISFieldList[kAISFieldListCount - 1].fieldPosition == 12);
static_assert(kAISRanges[kAISRangeCount - 1].maximum == 9999);

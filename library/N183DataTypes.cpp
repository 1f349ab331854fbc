// How each NMEA 0183 field is read. Keyed by the code column: code 10 was
// withdrawn and is not in the table, so a code is not a row position.
#include "library/N183Tables.h"

constexpr DT0183Type kDT0183Types[kDT0183TypeCount] = {
    // span, short description, long description, code, name
    {0, "No definition", "Placeholder for a field whose reading is not defined; nothing is converted.", 0, "DT0183_NoDef"},
    {1, "Status flag, A or V", "Single letter: A (data valid, active) converts to 1, any other letter (V, void) to 0.", 1, "DT0183_Status"},
    {2, "Fixed/Variable length field", "Latitude as ddmm.mmm followed by the hemisphere field; minutes are turned into decimal degrees and S makes the value negative.", 2, "DT0183_Latitude"},
    {2, "Fixed/Variable length field", "Longitude as dddmm.mmm followed by the hemisphere field; minutes are turned into decimal degrees and W makes the value negative.", 3, "DT0183_Longitude"},
    {1, "Time in form hhmmss.sss", "UTC time of day; hours and minutes are fixed two-digit groups, the seconds may carry a decimal fraction. Converted to seconds since midnight.", 4, "DT0183_Time"},
    {1, "Time in form hhmmss.sss plus talker", "As DT0183_Time; the talker identifier of the sentence also sets the time source (GPS, GLONASS, atomic clock, radio time signal).", 5, "DT0183_TimeAndTalkerID"},
    {1, "Variable length number", "Decimal number with optional sign and fraction; scaled by the unit conversion of the field.", 6, "DT0183_VariableNumber"},
    {1, "Fixed length hex", "Hexadecimal number of a fixed digit count.", 7, "DT0183_FixedHex"},
    {1, "Variable length hex", "Hexadecimal number of any digit count.", 8, "DT0183_VarHex"},
    {1, "Fixed length 6-bit text", "Text of a fixed length in the 6-bit character set.", 9, "DT0183_FixedSixBit"},
    {1, "Variable length text", "Free text of any length, taken as received.", 11, "DT0183_VarText"},
    {1, "Fixed length alpha", "Fixed number of letters, such as a unit or hemisphere field.", 12, "DT0183_FixedAlpha"},
    {1, "Fixed length number", "Integer with a fixed digit count, leading zeros kept.", 13, "DT0183_FixedNumber"},
    {1, "Fixed length text", "Text of a fixed number of characters.", 14, "DT0183_FixedText"},
    {2, "Variable number field followed by an EW modifier", "Magnetic deviation or variation in degrees followed by E or W; W makes the correction negative.", 15, "DT0183_HeadingCorrection"},
    {0, "Not an NMEA 0183 Field!", "Marks a value that is produced for an NMEA 2000 autopilot command and never read from a sentence.", 16, "DT0183_N2KAutoCommand"},
    {3, "Date in form dd,mm,yyyy", "Day, month and four-digit year in three fields; converted to days since 1 January 1970.", 17, "DT0183_Date"},
    {2, "Local zone in form hh,mm", "Local zone hours (signed) and minutes in two fields; converted to the offset in minutes that turns local time into UTC.", 18, "DT0183_TimeOffset"},
    {2, "Variable number field followed by an LR modifier", "Cross-track error magnitude followed by the direction to steer; R makes the error negative.", 19, "DT0183_XTE"},
    {1, "Mode indicator", "Single letter A (autonomous), D (differential), E (estimated), S (simulator) or M (manual input).", 20, "DT0183_PosModeIndicator"},
    {1, "Waypoint identifier", "Waypoint name; numeric identifiers are converted as a number.", 21, "DT0183_WaypointID"},
    {2, "Variable number field followed by an LR modifier", "Angle 0 to 180 degrees followed by L or R; a left angle is turned into 360 minus the angle so that the value runs clockwise.", 22, "DT0183_AngleLR"},
    {1, "Wind reference", "Single letter: R for a relative (apparent) wind, T for a theoretical (true) wind.", 23, "DT0183_WindRef"},
    {1, "Date in form ddmmyy", "Day, month and two-digit year in one field; years 70 and above are in the 1900s, the others in the 2000s. Converted to days since 1 January 1970.", 24, "DT0183_DateDDMMYY"},
    {1, "Heading reference", "Single letter: T for true, M for magnetic.", 25, "DT0183_HeadingRef"},
    {1, "GNSS status, A or V", "Data valid (A) or not valid (V); the talker identifier also gives the satellite system type.", 26, "DT0183_GNSSStatus"},
    {1, "GNSS mode indicator", "Positioning method letter N, A, D, E, M or S mapped to the NMEA 2000 method codes; the talker gives the system type.", 27, "DT0183_GNSSPosModeIndicator"},
    {2, "GNSS fix type", "Fix type 1 (no fix), 2 (2D) or 3 (3D).", 28, "DT0183_GNSSOpMode"},
    {2, "GNSS selection mode followed by the fix type", "A (automatic 2D/3D) converts to 3; M (manual) takes the fix type of the next field.", 29, "DT0183_GNSSSetMode"},
    {1, "Total number of sentences", "Number of sentences in a multi-sentence message; frames the group, nothing is stored.", 30, "DT0183_SentTotal"},
    {1, "Sentence number", "Number of this sentence within its multi-sentence message, from 1; frames the group.", 31, "DT0183_SentNum"},
    {1, "Sequential message identifier", "Identifier 0 to 9 shared by the sentences of one multi-sentence message; may be empty.", 32, "DT0183_SeqMessageID"},
    {1, "Encapsulated ITU-R M.1371 message", "6-bit armoured AIS payload; fragments are collected over the sentence group and decoded as one message.", 33, "DT0183_Enc_ITURM1371"},
    {1, "AIS channel", "VHF channel A or B of the AIS data link; reports of the own vessel are told apart from received ones.", 34, "DT0183_AISChannel"},
    {1, "Fill bits", "Number of bits 0 to 5 added to complete the last 6-bit character of the payload.", 35, "DT0183_Enc_FillBits"},
};

static_assert(kDT0183Types[kDT0183TypeCount - 1].code == kDT0183HighestCode);

// The NMEA 2000 basic data types; a row's position is its type code.
#include "library/N2kTables.h"

const BasicDataType kBasicDataTypes[kBasicDataTypeCount] = {
    // class, size in bytes, description, range, reserved values, short name
    {0, 0, "Undefined", "", "", "Undefined"},
    {5, 0, "char8(n) or char16(n)", "character set", "Length and character-set bytes precede the text", "ch8or16(n)"},
    {3, 0, "16 bit characters, Unicode16 Standard (ISO 10646)", "character set", "0xFFFF fills unused characters", "char16(n)"},
    {5, 0, "8 bit characters, ISO 8859-1 (not limited to ASCII", "character set", "0xFF, blank or @ fill unused characters", "char8(n)"},
    {4, 4, "IEEE 754 single precision floating point", "", "NaN patterns mark data not available", "float32"},
    {4, 8, "IEEE 754 double precision floating point", "", "NaN patterns mark data not available", "float64"},
    {4, 10, "IEEE 754 expanded floating point", "", "NaN patterns mark data not available", "float80"},
    {1, 0, "bit field", "0 to 2^n - 1", "All bits set = Data not available; all set but the lowest = Out of range (for fields of 2 bits or more)", "bit(n)"},
    {2, 0, "bit field which is zero when NULL", "0 to 2^n - 1", "Zero = Data not available", "bit0(n)"},
    {4, 1, "8 bit signed two's complement integer", "-128 to +127", "Extreme positive range of numbers reserved: 127 = Data not available or Do Not Change; 126 = Out of range; 125 = Reserved", "int8"},
    {4, 2, "16 bit signed two's complement integer", "-32,768 to +32,767", "Extreme positive range of numbers reserved: 32,767 = Data not available or Do Not Change; 32,766 = Out of range; 32,765 = Reserved", "int16"},
    {4, 3, "24 bit  signed number", "-8,388,608 to +8,388,607", "Extreme positive range of numbers reserved: 8,388,607 = Data not available or Do Not Change; 8,388,606 = Out of range; 8,388,605 = Reserved", "int24"},
    {4, 4, "32 bit signed two's complement integer", "-2,147,483,648 to +2,147,483,647", "Extreme positive range of numbers reserved: 2,147,483,647 = Data not available or Do Not Change; 2,147,483,646 = Out of range; 2,147,483,645 = Reserved", "int32"},
    {4, 8, "64 bit signed two's complement integer", "-9,223,372,036,854,775,808 to +9,223,372,036,854,775,807", "Extreme positive range of numbers reserved: 9,223,372,036,854,775,807 = Data not available or Do Not Change; 9,223,372,036,854,775,806 = Out of range; 9,223,372,036,854,775,805 = Reserved", "int64"},
    {5, 1, "8 bit unsigned integer", "0 to 255", "Extreme positive range of numbers reserved: 255 = Data not available or Do Not Change; 254 = Out of range; 253 = Reserved", "uint8"},
    {5, 2, "16 bit unsigned integer", "0 to 65,535", "Extreme positive range of numbers reserved: 65,535 = Data not available or Do Not Change; 65,534 = Out of range; 65,533 = Reserved", "uint16"},
    {5, 4, "32 bit unsigned integer", "0 to 4,294,967,295", "Extreme positive range of numbers reserved: 4,294,967,295 = Data not available or Do Not Change; 4,294,967,294 = Out of range; 4,294,967,293 = Reserved", "uint32"},
    {5, 8, "64 bit unsigned integer", "0 to 18,446,744,073,709,551,615", "Extreme positive range of numbers reserved: 18,446,744,073,709,551,615 = Data not available or Do Not Change; 18,446,744,073,709,551,614 = Out of range; 18,446,744,073,709,551,613 = Reserved", "uint64"},
};

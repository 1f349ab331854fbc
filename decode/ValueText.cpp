#include "decode/ValueText.h"

#include <cstring>

#include "decode/NumberFormat.h"
#include "library/N2kLookup.h"

namespace {

// Unit classes with a rendering of their own.
enum UnitClass : uint32_t {
  kDegree = 2,
  kDate = 4,
  kKelvin = 7,
  kMetre = 8,
  kMetrePerSecond = 11,
  kRadian = 20,
  kRadianPerSecond = 21,
  kSecond = 23,
};

bool StartsWith(const char* text, const char* prefix) {
  return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

bool HasUnit(const DataDictionaryEntry& entry, bool withUnits) {
  return withUnits && entry.unitSingular[0] != '\0';
}

// " Kelvin": the singular, as the converted readings put it.
std::string UnitWord(const DataDictionaryEntry& entry, bool withUnits) {
  return HasUnit(entry, withUnits) ? std::string(" ") + entry.unitSingular : std::string();
}

// " Metres": the plural, as plain numbers put it.
std::string PluralUnit(const DataDictionaryEntry& entry, bool withUnits) {
  return HasUnit(entry, withUnits) ? std::string(" ") + entry.unitPlural : std::string();
}

std::string Celsius(RepositoryValue kelvin) {
  SubtractScaled(kelvin, 27315, -2);
  return NumberText(kelvin, 2);
}

std::string NauticalMiles(RepositoryValue metres) {
  // Reading the number 1000 times smaller keeps three more digits through
  // the division.
  metres.exponent = static_cast<int8_t>(metres.exponent - 3);
  MultiplyDivide(metres, 1000, 1852);
  return NumberText(metres, 3);
}

std::string Knots(RepositoryValue metresPerSecond) {
  MultiplyDivide(metresPerSecond, 3600, 1852);
  return NumberText(metresPerSecond, 2);
}

std::string Degrees(RepositoryValue radians) {
  MultiplyDivide(radians, 71999996, 1256637);  // 180 / pi
  return NumberText(radians, 3);
}

}  // namespace

std::string ValueText(const RepositoryValue& value, const DataDictionaryEntry& entry, bool withUnits) {
  if (value.status != VS_Valid && value.status != VS_Used) return StatusName(value.status);
  const std::string number = NumberText(value, kDecimalsAsStored);
  switch (entry.unitCode) {
    case kDegree: {
      std::string text;
      if (StartsWith(entry.name, "Latitude"))
        text = LatitudeText(value);
      else if (StartsWith(entry.name, "Longitude"))
        text = LongitudeText(value);
      return text + " (" + number + "\xB0)";
    }
    case kDate:
      return DateText(value);
    case kKelvin:
      return number + UnitWord(entry, withUnits) + " (" + Celsius(value) + " Degrees C)";
    case kMetre:
      if (std::strcmp(entry.name, "Distance, voyage") == 0)
        return number + UnitWord(entry, withUnits) + " (" + NauticalMiles(value) + " NM)";
      break;
    case kMetrePerSecond:
      return number + UnitWord(entry, withUnits) + " (" + Knots(value) + " Knots)";
    case kRadian:
    case kRadianPerSecond:
      return number + PluralUnit(entry, withUnits) + " (" + Degrees(value) + " Degrees)";
    case kSecond:
      return TimeText(value);
    default:
      break;
  }
  std::string text = number + PluralUnit(entry, withUnits);
  const std::string name = EnumText(entry.dictionaryNumber, value);
  if (!name.empty()) text += " (" + name + ")";
  return text;
}

std::string EnumText(uint32_t dictionaryNumber, const RepositoryValue& value) {
  if (!IsValid(value)) return "";
  const EnumerationValue* row =
      FindEnumValue(static_cast<uint16_t>(dictionaryNumber), static_cast<uint8_t>(value.value));
  return row != nullptr ? row->description : "";
}

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
void AppendUnitWord(std::string& text, const DataDictionaryEntry& entry, bool withUnits) {
  if (!HasUnit(entry, withUnits)) return;
  text += ' ';
  text += entry.unitSingular;
}

// " Metres": the plural, as plain numbers put it.
void AppendPluralUnit(std::string& text, const DataDictionaryEntry& entry, bool withUnits) {
  if (!HasUnit(entry, withUnits)) return;
  text += ' ';
  text += entry.unitPlural;
}

void AppendCelsius(std::string& text, RepositoryValue kelvin) {
  SubtractScaled(kelvin, 27315, -2);
  AppendNumberText(text, kelvin, 2);
}

void AppendNauticalMiles(std::string& text, RepositoryValue metres) {
  // Reading the number 1000 times smaller keeps three more digits through
  // the division.
  metres.exponent = static_cast<int8_t>(metres.exponent - 3);
  MultiplyDivide(metres, 1000, 1852);
  AppendNumberText(text, metres, 3);
}

void AppendKnots(std::string& text, RepositoryValue metresPerSecond) {
  MultiplyDivide(metresPerSecond, 3600, 1852);
  AppendNumberText(text, metresPerSecond, 2);
}

void AppendDegrees(std::string& text, RepositoryValue radians) {
  MultiplyDivide(radians, 71999996, 1256637);  // 180 / pi
  AppendNumberText(text, radians, 3);
}

const char* EnumDescription(uint32_t dictionaryNumber, const RepositoryValue& value) {
  if (!IsValid(value)) return "";
  const EnumerationValue* row =
      FindEnumValue(static_cast<uint16_t>(dictionaryNumber), static_cast<uint8_t>(value.value));
  return row != nullptr ? row->description : "";
}

}  // namespace

void AppendValueText(std::string& text, const RepositoryValue& value, const DataDictionaryEntry& entry,
                     bool withUnits) {
  if (value.status != VS_Valid && value.status != VS_Used) {
    text += StatusName(value.status);
    return;
  }
  switch (entry.unitCode) {
    case kDegree:
      if (StartsWith(entry.name, "Latitude"))
        text += LatitudeText(value);
      else if (StartsWith(entry.name, "Longitude"))
        text += LongitudeText(value);
      text += " (";
      AppendNumberText(text, value, kDecimalsAsStored);
      text += "\xB0)";
      return;
    case kDate:
      text += DateText(value);
      return;
    case kKelvin:
      AppendNumberText(text, value, kDecimalsAsStored);
      AppendUnitWord(text, entry, withUnits);
      text += " (";
      AppendCelsius(text, value);
      text += " Degrees C)";
      return;
    case kMetre:
      if (std::strcmp(entry.name, "Distance, voyage") != 0) break;
      AppendNumberText(text, value, kDecimalsAsStored);
      AppendUnitWord(text, entry, withUnits);
      text += " (";
      AppendNauticalMiles(text, value);
      text += " NM)";
      return;
    case kMetrePerSecond:
      AppendNumberText(text, value, kDecimalsAsStored);
      AppendUnitWord(text, entry, withUnits);
      text += " (";
      AppendKnots(text, value);
      text += " Knots)";
      return;
    case kRadian:
    case kRadianPerSecond:
      AppendNumberText(text, value, kDecimalsAsStored);
      AppendPluralUnit(text, entry, withUnits);
      text += " (";
      AppendDegrees(text, value);
      text += " Degrees)";
      return;
    case kSecond:
      text += TimeText(value);
      return;
    default:
      break;
  }
  AppendNumberText(text, value, kDecimalsAsStored);
  AppendPluralUnit(text, entry, withUnits);
  const char* name = EnumDescription(entry.dictionaryNumber, value);
  if (name[0] != '\0') {
    text += " (";
    text += name;
    text += ')';
  }
}

std::string ValueText(const RepositoryValue& value, const DataDictionaryEntry& entry, bool withUnits) {
  std::string text;
  AppendValueText(text, value, entry, withUnits);
  return text;
}

std::string EnumText(uint32_t dictionaryNumber, const RepositoryValue& value) {
  return EnumDescription(dictionaryNumber, value);
}

// The field numbers of the library must match sentences as real equipment
// sends them: each defined field is checked against captured traffic for the
// form its type expects, its unit letter and its status field.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "library/N183Lookup.h"

namespace {

std::vector<std::string> SplitFields(const std::string& sentence) {
  std::vector<std::string> fields;
  const std::string body = sentence.substr(0, sentence.find('*'));
  size_t start = body.find(',') + 1;
  for (size_t comma; (comma = body.find(',', start)) != std::string::npos; start = comma + 1) {
    fields.push_back(body.substr(start, comma - start));
  }
  fields.push_back(body.substr(start));
  return fields;
}

bool IsNumber(const std::string& text) {
  if (text.empty()) return true;
  size_t i = text[0] == '-' ? 1 : 0;
  bool digit = false;
  for (; i < text.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(text[i]))) digit = true;
    else if (text[i] != '.') return false;
  }
  return digit;
}

bool HasDigitsThenPoint(const std::string& text, size_t digits) {
  if (text.size() < digits) return false;
  for (size_t i = 0; i < digits; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return text.size() == digits || text[digits] == '.';
}

bool OneOf(const std::string& text, const char* letters) {
  return text.empty() || (text.size() == 1 && std::string(letters).find(text[0]) != std::string::npos);
}

// Unit letters the converter will accept for the unit, walking its chain.
std::string AcceptedLetters(uint32_t unit) {
  std::string letters;
  uint32_t code = unit;
  for (uint32_t i = 0; i < kUT183Conversions[unit].chainLength; ++i) {
    letters += static_cast<char>(kUT183Conversions[code].unitSymbol);
    code = kUT183Conversions[code].nextUnit;
  }
  return letters;
}

const SentenceDefinition* Definition(const std::string& sentence, const std::vector<std::string>& fields) {
  const SentenceDefinition* row = FindSentence(sentence.c_str() + 3);
  if (row && row->modifierField != kNoSentenceField) {
    for (const SentenceDefinition& candidate : kSentenceDefinitions) {
      if (std::string(FormatterOf(candidate)) == FormatterOf(*row) &&
          fields.at(candidate.modifierField) == std::string(1, candidate.modifierValue)) {
        return &candidate;
      }
    }
  }
  return row;
}

void CheckSentence(const std::string& sentence) {
  SCOPED_TRACE(sentence);
  const std::vector<std::string> fields = SplitFields(sentence);
  const SentenceDefinition* row = Definition(sentence, fields);
  ASSERT_NE(row, nullptr);
  ASSERT_GT(row->fieldCount, 0);
  EXPECT_LE(CountCoveredFields(*row), fields.size());
  for (uint32_t i = 0; i < row->fieldCount; ++i) {
    const SentenceFieldDefinition& def = row->fields[i];
    SCOPED_TRACE(def.name);
    ASSERT_LT(def.fieldNumber, fields.size());
    const std::string& text = fields[def.fieldNumber];
    const std::string next = def.fieldNumber + 1 < fields.size() ? fields[def.fieldNumber + 1] : "";
    if (def.unitSymbolField != kNoSentenceField && !text.empty()) {
      // True and magnetic variants of one field each accept their own letter.
      std::string accepted;
      for (uint32_t k = 0; k < row->fieldCount; ++k) {
        if (row->fields[k].fieldNumber == def.fieldNumber) accepted += AcceptedLetters(row->fields[k].unitType);
      }
      ASSERT_LT(def.unitSymbolField, fields.size());
      EXPECT_TRUE(OneOf(fields[def.unitSymbolField], accepted.c_str())) << "unit letter " << fields[def.unitSymbolField];
    }
    if (def.validityField != kNoSentenceField) {
      EXPECT_TRUE(OneOf(fields.at(def.validityField), "AV")) << "status " << fields[def.validityField];
    }
    if (text.empty()) continue;
    switch (def.fieldType) {
      case DT0183_Latitude:
        EXPECT_TRUE(HasDigitsThenPoint(text, 4)) << text;
        EXPECT_TRUE(OneOf(next, "NS")) << next;
        break;
      case DT0183_Longitude:
        EXPECT_TRUE(HasDigitsThenPoint(text, 5)) << text;
        EXPECT_TRUE(OneOf(next, "EW")) << next;
        break;
      case DT0183_Time:
      case DT0183_TimeAndTalkerID:
        EXPECT_TRUE(HasDigitsThenPoint(text, 6)) << text;
        break;
      case DT0183_DateDDMMYY:
        EXPECT_TRUE(HasDigitsThenPoint(text, 6) && text.size() == 6) << text;
        break;
      case DT0183_HeadingCorrection:
        EXPECT_TRUE(IsNumber(text) && OneOf(next, "EW")) << text << "," << next;
        break;
      case DT0183_XTE:
      case DT0183_AngleLR:
        EXPECT_TRUE(IsNumber(text) && OneOf(next, "LR")) << text << "," << next;
        break;
      case DT0183_Status:
      case DT0183_GNSSStatus:
        EXPECT_TRUE(OneOf(text, "AV")) << text;
        break;
      case DT0183_PosModeIndicator:
      case DT0183_GNSSPosModeIndicator:
        EXPECT_TRUE(OneOf(text, "ADEMSN")) << text;
        break;
      case DT0183_GNSSSetMode:
        EXPECT_TRUE(OneOf(text, "AM")) << text;
        break;
      case DT0183_GNSSOpMode:
        EXPECT_TRUE(OneOf(text, "123")) << text;
        break;
      case DT0183_VariableNumber:
      case DT0183_SentTotal:
      case DT0183_SentNum:
      case DT0183_Date:
      case DT0183_TimeOffset:
        EXPECT_TRUE(IsNumber(text)) << text;
        break;
      default:
        break;
    }
  }
}

TEST(N183RealSentenceLayout, CapturedTraffic) {
  for (const char* sentence : {
           "$SDDBT,18.0,f,5.4,M,3.0,F*3D",
           "$SDDPT,5.3,0.4,*79",
           "$GNGGA,074159.799,3114.8943,N,12135.2444,E,1,07,1.1,196.4,M,8.3,M,,0000,1.8*75",
           "$GPGLL,5250.53669,N,00542.34920,E,213950.00,A,A*67",
           "$GNGSA,A,3,21,30,46,13,17,51,14,44,15,19,07,01,0.98,0.49,0.84,1*0C",
           "$GPGSV,3,1,10,03,41,050,46,07,60,317,49,08,34,315,45,11,35,148,45*71",
           "$SDHDG,229.8,,,1.3,E*36",
           "$APHDM,218.634,M*39",
           "$GPHDT,25.50,T*37",
           "$INMTW,17.9,C*1B",
           "$WIMWD,328.2,T,326.8,M,11.2,N,5.8,M*61",
           "$WIMWV,57.5,R,13.0,N,A*26",
           "$WIMWV,96.6,T,11.2,N,A*2E",
           "$GPRMC,223251.00,A,3757.92653,N,12231.94543,W,0.068,338.51,210416,0.00,E,A,V*5B",
           "$APROT,0.013,A*35",
           "$SDVHW,231.3,T,229.9,M,6.6,N,12.3,K*71",
           "$SDVLW,,N,545.6,N,1109.4,N,393.6,N*44",
           "$GPVTG,230.5,T,229.1,M,5.6,N,10.4,K,A*19",
           "$GPZDA,193223.00,23,12,2007,00,00*69",
           "!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C",
           "!AIVDO,1,1,4,B,8>jR06@0Bk3:wOli;<`WPhh<1rqVBQf2V@Pdt0J82avIM2b<<Rv1t<ot=@1,2*54",
       }) {
    CheckSentence(sentence);
  }
}

// Layout examples of sentences the captures hold only empty or not at all,
// written field by field from the published sentence formats (checksums left
// off: only the layout is checked).
TEST(N183RealSentenceLayout, PublishedLayouts) {
  for (const char* sentence : {
           "$GPAPB,A,A,0.10,R,N,V,V,011,M,DEST,011,M,011,M,A",
           "$GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V,A",
           "$GPXTE,A,A,0.67,L,N,A",
           "$GPBWC,220516,5130.02,N,00046.34,W,213.8,T,218.0,M,0004.6,N,EGLM,A",
           "$GPBWR,220516,5130.02,N,00046.34,W,213.8,T,218.0,M,0004.6,N,EGLM,A",
           "$IIMDA,30.2,I,1.0223,B,17.7,C,,C,,,,C,,T,,M,,N,,M",
           "$IIRSA,10.5,A,,V",
           "$IIRPM,E,1,2418.2,10.5,A",
           "$IIVBW,12.3,0.07,A,11.78,0.12,A,0.15,A,0.18,A",
           "$IIVDR,10.1,T,12.3,M,1.2,N",
           "$IIVWR,148.,L,02.4,N,01.2,M,04.4,K",
           "$IIWCV,5.2,N,WPT01,A",
           "$IIWPL,5128.62,N,00027.58,W,EGLL",
           "$IIHSC,040.0,T,044.0,M",
           "$IIZTG,145832.12,042359.17,WPT",
           "$IIZFO,145832.12,042359.17,WPT",
           "$IIRMA,A,5128.62,N,00027.58,W,,,12.3,123.4,2.1,W,A",
                  }) {
    CheckSentence(sentence);
  }
}

}  // namespace

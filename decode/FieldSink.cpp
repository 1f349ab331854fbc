#include "decode/FieldSink.h"

const char* FieldStatusWord(FieldStatus status) {
  switch (status) {
    case FieldStatus::Valid:
      return "valid";
    case FieldStatus::NotAvailable:
      return "not available";
    case FieldStatus::OutOfRange:
      return "out of range";
    case FieldStatus::Reserved:
      return "reserved";
    case FieldStatus::Error:
      break;
  }
  return "error";
}

FieldStatus StatusOfValue(const RepositoryValue& value) {
  if (CarriesNumber(value)) return FieldStatus::Valid;
  switch (value.status) {
    case VS_NotAvailable:
      return FieldStatus::NotAvailable;
    case VS_OutOfRange:
      return FieldStatus::OutOfRange;
    case VS_Reserved:
      return FieldStatus::Reserved;
    default:
      return FieldStatus::Error;
  }
}

// What the NMEA 2000, NMEA 0183 and device-message decoders hand to an active field sink at
// each field they decode. The decoders call these only when a sink is
// active.
#pragma once

#include <cstdint>
#include <string_view>

#include "decode/FieldSink.h"
#include "decode/N2kFieldExtract.h"

struct FieldDefinition;
struct DataDictionaryEntry;
struct SentenceFieldDefinition;
struct HoxFieldDefinition;

// A value read from the message bytes; a read past the end is an error.
void ReportN2kValue(FieldSink& sink, const FieldDefinition& field, const DataDictionaryEntry& entry,
                    const FieldRead& read);
// Characters as the decode quotes them: up to the first byte of 0x80 or more.
void ReportN2kText(FieldSink& sink, const FieldDefinition& field, std::string_view text);
// A number the decoder holds only as decimal digits (floating-point fields).
void ReportN2kDecimal(FieldSink& sink, const FieldDefinition& field, const DataDictionaryEntry& entry,
                      std::string_view digits);
// A field that has no value of its own: reserved bits, a special layout, a
// field cut off by the end of the data.
void ReportN2kStatus(FieldSink& sink, const FieldDefinition& field, FieldStatus status);

// The field's text as received; an empty field is not available.
void ReportN183Field(FieldSink& sink, uint32_t fieldNumber, const SentenceFieldDefinition& definition,
                     const char* text);

// Device-message fields, numbered from 1 as the decode shows them. A value
// that holds a number reports it, with the unit its data type counts in.
void ReportHoxValue(FieldSink& sink, const HoxFieldDefinition& field, uint32_t typeCode, const RepositoryValue& value);
// Characters as the decode quotes them, or an array's bytes as dotted hex.
void ReportHoxText(FieldSink& sink, const HoxFieldDefinition& field, std::string_view text);
// A field the data cannot hold, or one of a type that has no decode.
void ReportHoxStatus(FieldSink& sink, const HoxFieldDefinition& field, FieldStatus status);

// What an NMEA 2000 entry of the gateway database needs at every message,
// read out of the image once: the decoded entry and field entries, each
// field's selector, and the library's definition of the PGN. Receiving and
// building a message then walk these instead of the image, the conversion
// map and the PGN table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gateway/FieldSelector.h"
#include "library/DBImageView.h"

struct DataDictionaryEntry;
struct PgnDefinition;

// How a number is written into a field, from its data dictionary entry.
struct N2kFieldFormat {
  const DataDictionaryEntry* dictionary = nullptr;  // the field's data dictionary entry; null when none
  bool isSigned = false;
  bool zeroWhenNull = false;  // a field that sends zero, not all ones, when it has no value
  bool isText = false;        // its repository datatype holds 8-bit characters
  int exponent = 0;
};

N2kFieldFormat FormatOfN2kField(const N2KFieldEntry& field);

// Where the library puts a PGN's instance field: its first definition with
// a fixed place.
struct N2kInstanceField {
  bool present = false;
  uint32_t bitPosition = 0;
  uint32_t bitWidth = 0;
};

N2kInstanceField InstanceFieldOf(const PgnDefinition& definition);

struct N2kEntryPlan {
  const uint8_t* entry = nullptr;  // in the image
  N2KPGNEntry pgn{};
  std::vector<N2KFieldEntry> fields;      // up to the first field entry missing from the image
  std::vector<FieldSelector> selectors;   // one per field
  std::vector<N2kFieldFormat> formats;    // likewise
  const PgnDefinition* definition = nullptr;  // null when the library does not know the PGN
  N2kInstanceField instanceField;             // of the definition
};

enum class N2kEntrySide { kReceive, kTransmit };

N2kEntryPlan PlanN2kEntry(const DatabaseImageView& database, const uint8_t* entry, N2kEntrySide side);

// The plans of every receive and transmit entry of one image, found by the
// entry's address.
class N2kEntryPlans {
 public:
  void Build(const DatabaseImageView& database);
  // Null for a pointer that is not an entry of that side in the image.
  const N2kEntryPlan* Find(const uint8_t* entry, N2kEntrySide side) const;
  // The same for the transmit entry at `position` of the image's list,
  // without working the position out again.
  const N2kEntryPlan* FindTransmit(uint32_t position, const uint8_t* entry) const;

  // The receive entry the image's own search finds for the PGN, and its
  // plan; nulls when it finds none.
  struct Received {
    const uint8_t* entry = nullptr;
    const N2kEntryPlan* plan = nullptr;
  };
  Received FindReceived(uint32_t pgn) const;

 private:
  struct ReceivedPgn {
    uint32_t pgn = 0;
    bool used = false;
    Received received;
  };
  size_t SlotOf(uint32_t pgn) const;

  DatabaseImageSection receive_{};
  DatabaseImageSection transmit_{};
  std::vector<N2kEntryPlan> receivePlans_;
  std::vector<N2kEntryPlan> transmitPlans_;
  // One per PGN of a receive entry, hashed on the PGN: every NMEA 2000
  // message received is looked up.
  std::vector<ReceivedPgn> receivedByPgn_;
  uint32_t hashShift_ = 32;
};

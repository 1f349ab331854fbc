// What an NMEA 0183 transmit entry of the gateway database needs at every
// sentence, read out of the image once: the decoded entry, its field
// entries and its formatter. Building a sentence then walks these instead
// of the image.
#pragma once

#include <cstdint>
#include <vector>

#include "library/DBImageView.h"

struct N183SentencePlan {
  N183SentenceEntry sentence{};
  std::vector<N183FieldEntry> fields;  // up to the first field entry missing from the image
  char formatter[4] = {};
};

N183SentencePlan PlanN183TxSentence(const DatabaseImageView& database, const uint8_t* entry);

// The plans of every transmit entry of one image, found by the entry's address.
class N183SentencePlans {
 public:
  void Build(const DatabaseImageView& database);
  // Null for a pointer that is not a transmit entry of the image.
  const N183SentencePlan* Find(const uint8_t* entry) const;

 private:
  DatabaseImageSection transmit_{};
  std::vector<N183SentencePlan> plans_;
};

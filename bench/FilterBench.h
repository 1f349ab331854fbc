// Filter figures over a large synthetic log: a filter the record bytes
// answer and a text filter that decodes summaries, then the series of a
// field as a plot gathers it, with the parse of the same log as the
// baseline.
#pragma once

#include <cstdint>

void MeasureFilter(uint64_t bytes);

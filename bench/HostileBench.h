// Hostile files at the largest size the reader opens: time and peak memory
// of loading and parsing each, against the sample log's time per byte.
#pragma once

void RunHostileBench();

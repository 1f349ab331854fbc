// Gateway conversion figures over a parsed log: sentences and PGNs converted
// into the repositories per second, against the summary decode of the same
// records in the same run.
#pragma once

class RecordParser;

void MeasureGateway(const RecordParser& parser);

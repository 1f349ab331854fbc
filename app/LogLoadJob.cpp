#include "app/LogLoadJob.h"

void LogLoadJob::Run() {
  // The image lives only here: the records hold copies of their bytes, and
  // keeping the file's bytes too would double the memory of a large log.
  LogFileImage image;
  if (image.Load(path.c_str(), LogFileImage::kSizeLimit) != 0) {
    failure = image.FailureReason().empty() ? std::string("it cannot be read") : image.FailureReason();
    return;
  }
  if (cancelled) return;
  looksLikeLog = LooksLikeQlxLog(image.Data(), image.Length());
  if (cancelled) return;
  // One call over the whole image: Parse flushes the unrecognised bytes it
  // holds at the end of every call, so parsing in pieces would split a run
  // of unrecognised data (or an open unit) at each piece boundary.
  auto fresh = std::make_unique<RecordParser>();
  fresh->Parse(image.Data(), image.Length());
  parser = std::move(fresh);
}

#include "app/LogLoadJob.h"

void LogLoadJob::Run() {
  // The records refer to their bytes in the image, so the parser's record
  // list holds it for as long as the records are on show.
  auto image = std::make_shared<LogFileImage>();
  if (image->Load(path.c_str(), LogFileImage::kSizeLimit) != 0) {
    failure = image->FailureReason().empty() ? std::string("it cannot be read") : image->FailureReason();
    return;
  }
  if (cancelled) return;
  looksLikeLog = LooksLikeQlxLog(image->Data(), image->Length());
  if (cancelled) return;
  // One call over the whole image: Parse flushes the unrecognised bytes it
  // holds at the end of every call, so parsing in pieces would split a run
  // of unrecognised data (or an open unit) at each piece boundary.
  auto fresh = std::make_unique<RecordParser>();
  fresh->Parse(std::move(image));
  parser = std::move(fresh);
}

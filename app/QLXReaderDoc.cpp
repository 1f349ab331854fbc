#include "app/QLXReaderDoc.h"

#include <QFile>
#include <QFileInfo>

void CQLXReaderDoc::Open(const QString& path) {
  emit ContentsAboutToChange();
  parser_.Reset();
  image_.Load(QFile::encodeName(path).constData(), LogFileImage::kSizeLimit);
  parser_.Parse(image_.Data(), image_.Length());
  // The records hold copies of their bytes; keeping the image would double
  // the memory of a large log for nothing.
  image_.Clear();
  path_ = path;
  emit ContentsChanged();
}

void CQLXReaderDoc::New() {
  // A new document must not go on listing the records of the previous file.
  emit ContentsAboutToChange();
  parser_.Reset();
  image_.Clear();
  path_.clear();
  emit ContentsChanged();
}

QString CQLXReaderDoc::Title() const {
  return path_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path_).fileName();
}

#include "app/RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const char* const kSection = "Recent File List";

QString EntryKey(int index) { return QStringLiteral("File%1").arg(index + 1); }

}  // namespace

RecentFileList::RecentFileList() {
  QSettings settings;
  settings.beginGroup(QString::fromLatin1(kSection));
  for (int i = 0; i < kSize; ++i) {
    const QString path = settings.value(EntryKey(i)).toString();
    if (!path.isEmpty()) files_.append(path);
  }
}

void RecentFileList::Add(const QString& path) {
  // The same file reached by two spellings is one entry.
  const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  files_.removeAll(absolute);
  files_.prepend(absolute);
  while (files_.size() > kSize) files_.removeLast();
  Save();
}

void RecentFileList::Save() const {
  QSettings settings;
  settings.beginGroup(QString::fromLatin1(kSection));
  for (int i = 0; i < kSize; ++i) {
    if (i < files_.size())
      settings.setValue(EntryKey(i), files_[i]);
    else
      settings.remove(EntryKey(i));
  }
}

// The last files opened, newest first, kept in the user's settings across
// runs.
#pragma once

#include <QStringList>

class RecentFileList {
 public:
  static constexpr int kSize = 6;

  // Reads the list from the settings.
  RecentFileList();

  // Moves the file to the front (dropping its older entry and the oldest
  // beyond the size) and writes the list back.
  void Add(const QString& path);
  const QStringList& Files() const { return files_; }

 private:
  void Save() const;

  QStringList files_;
};

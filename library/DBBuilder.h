// Turns the library into a gateway database: a selection word chooses the
// rows ("Std", "AIS", or empty for the full database), the four lists are
// rebuilt and numbered, and the image is written from them.
#pragma once

#include <stdexcept>
#include <string>

#include "library/DBComponent.h"
#include "library/DBMemImage.h"
#include "library/DBTagFilter.h"

// A list the builder must populate is not below the root.
class CDBBuilderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CDBBuilder : public CDBMemImage {
 public:
  CDBBuilder();
  ~CDBBuilder() override;

  void CreateLists();
  // "Std", "AIS", or "" for the full database. An error leaves the tree as
  // far as it got and an empty image, which every reader refuses.
  void SelectDatabase(const std::string& word);
  void SetDatabaseName(const std::string& name);
  // filterWord is "+" followed by the selection word.
  void PopulateLists(const std::string& filterWord);
  void BuildImage();
  CDBComponent& GetRoot() { return *root_; }
  const CDBComponent& GetRoot() const { return *root_; }

  static bool TagsMatch(const TagFilter& filter, const std::string& tags);

 private:
  template <typename List>
  List& FindList(const std::string& name);
  void NumberLists();
  void WriteBuildInformation();

  boost::shared_ptr<CDBComponent> root_;
};

#include "gateway/TimeSourceSelector.h"

#include "gateway/Repository.h"

void SelectTimeSource(TimeSourceSelector& selector, uint32_t now) {
  for (const uint32_t datatype : {uint32_t{RD_Date}, uint32_t{RD_AIS_PositionDate}}) {
    for (Repository* repository : {selector.n2k, selector.n183}) {
      if (repository == nullptr) continue;
      RepositoryValue value;
      if (GetValue(repository, datatype, 0, false, value) != 0 || value.status != VS_Valid) continue;
      selector.selection.date = value;
      selector.selection.selectedAt = now;
      selector.from = repository;
      selector.datatype = datatype;
      return;
    }
  }
}

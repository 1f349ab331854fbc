#include "gateway/RepositorySimulation.h"

#include <algorithm>

#include "base/OutputTree.h"
#include "decode/GatewayHooks.h"
#include "gateway/Repository.h"
#include "gateway/TargetSentences.h"
#include "library/N183Lookup.h"
#include "library/N2kLookup.h"

namespace {

constexpr uint32_t kSatellitesInView = 9;
constexpr uint32_t kSatellitesInUse = 4;

uint32_t SimulatedInstances(uint32_t datatype) {
  const RepositoryDatatype* row = GetRepositoryDatatype(datatype);
  return row == nullptr ? 0 : std::min<uint32_t>(row->instances, kSatellitesInView);
}

}  // namespace

SimulatedTime SimulatedTimeFor(int pressCounter) {
  if (pressCounter != 0) return {9292, 5400, -630};
  return {9290, 85500, 765};
}

void RepositorySimulator::Start(Repository& repository) {
  targets_.clear();
  SetGatewayClock(kSimulationClock);
  UpdateSource(&repository, kSimulationSlot, kSimulationAddress, kSimulationClock);
}

void RepositorySimulator::Write(Repository& repository, uint32_t datatype, uint32_t instance, double real) {
  RepositoryValue value;
  if (FromReal(value, datatype, real) != 0) return;
  SetValue(&repository, datatype, instance, value, kSimulationSlot);
}

void RepositorySimulator::AddTargets(const Repository& repository, uint32_t datatype) {
  if (repository.side == kN2kRepository)
    CollectPGNsUsingRepository(datatype, targets_);
  else
    CollectSentencesUsingRepository(datatype, targets_);
}

void RepositorySimulator::Satellites(Repository& repository) {
  Start(repository);
  Write(repository, RD_GNSSNumSVsInView, 0, kSatellitesInView);
  AddTargets(repository, RD_GNSSNumSVsInView);
  Write(repository, RD_GNSSNumSVsInUse, 0, kSatellitesInUse);
  AddTargets(repository, RD_GNSSNumSVsInUse);

  for (uint32_t i = 0; i < SimulatedInstances(RD_GNSS_SatPRN); ++i) {
    Write(repository, RD_GNSS_SatPRN, i, i + 1);
    if (i < kSatellitesInUse) Write(repository, RD_GNSS_SatSolutionPRN, i, i + 1);
  }
  AddTargets(repository, RD_GNSS_SatPRN);
  AddTargets(repository, RD_GNSS_SatSolutionPRN);

  for (uint32_t i = 0; i < SimulatedInstances(RD_GNSS_SatSNR); ++i) Write(repository, RD_GNSS_SatSNR, i, i + 20);
  AddTargets(repository, RD_GNSS_SatSNR);
  for (uint32_t i = 0; i < SimulatedInstances(RD_GNSS_SatAzimuth); ++i)
    Write(repository, RD_GNSS_SatAzimuth, i, i / 9.0);
  AddTargets(repository, RD_GNSS_SatAzimuth);
  for (uint32_t i = 0; i < SimulatedInstances(RD_GNSS_SatElevation); ++i)
    Write(repository, RD_GNSS_SatElevation, i, i / 9.0 + 0.1);
  AddTargets(repository, RD_GNSS_SatElevation);
  for (uint32_t i = 0; i < SimulatedInstances(RD_GNSS_SatRangeResidual); ++i)
    Write(repository, RD_GNSS_SatRangeResidual, i, i * 1.3);
  AddTargets(repository, RD_GNSS_SatRangeResidual);

  Write(repository, RD_GNSSHDOP, 0, 1.56);
  AddTargets(repository, RD_GNSSHDOP);
}

void RepositorySimulator::Time(Repository& repository) {
  Start(repository);
  const SimulatedTime time = SimulatedTimeFor(timePressCounter_);
  timePressCounter_ = (timePressCounter_ + 1) % 4;
  Write(repository, RD_Date, 0, time.day);
  AddTargets(repository, RD_Date);
  Write(repository, RD_TimeSource, 0, 0);
  AddTargets(repository, RD_TimeSource);
  Write(repository, RD_UTC, 0, time.secondsOfDay);
  AddTargets(repository, RD_UTC);
  Write(repository, RD_UTCLocalOffset, 0, time.localOffsetMinutes);
  AddTargets(repository, RD_UTCLocalOffset);
}

void ShowSimulationTargets(CTreeNode& root, const Repository& repository, const std::set<uint32_t>& targets,
                           CWXN& gateway, uint32_t now) {
  if (repository.side == kN2kRepository)
    ListLibraryPGNs(root, targets, true);
  else
    ShowTargetSentences(root, targets, gateway, now);
  root.SetExpand(true);
}

// The repository window's simulator: a made-up satellite view, or date and
// time, written into one repository as a talker on source slot 0 would send
// them, and the library messages those datatypes feed: PGNs when the
// repository is the NMEA 2000 one, sentences when it is the NMEA 0183 one.
#pragma once

#include <cstdint>
#include <set>

class CTreeNode;
class CWXN;
struct Repository;

// The gateway clock while the simulator writes: the talker is heard then,
// so the values it writes are no time old.
inline constexpr uint32_t kSimulationClock = 100;
inline constexpr uint32_t kSimulationSlot = 0;
inline constexpr uint8_t kSimulationAddress = 0;

// What a press of "Time" writes: days since 1970-01-01, seconds since
// midnight and the local offset in minutes.
struct SimulatedTime {
  uint32_t day;
  uint32_t secondsOfDay;
  int32_t localOffsetMinutes;
};
// The press counter runs 0 to 3: the first press of a round writes one
// date, the other three the other.
SimulatedTime SimulatedTimeFor(int pressCounter);

class RepositorySimulator {
 public:
  // Nine satellites in view, four of them in use, with their PRNs 1 to 9,
  // signal to noise ratios, positions and range residuals, and the HDOP.
  void Satellites(Repository& repository);
  // The date, time source, UTC time and local offset of the press counter,
  // which then moves on.
  void Time(Repository& repository);

  // Library indexes of the messages fed by the datatypes last written.
  const std::set<uint32_t>& Targets() const { return targets_; }
  int TimePressCounter() const { return timePressCounter_; }

 private:
  void Start(Repository& repository);
  void Write(Repository& repository, uint32_t datatype, uint32_t instance, double real);
  void AddTargets(const Repository& repository, uint32_t datatype);

  std::set<uint32_t> targets_;
  int timePressCounter_ = 0;
};

// The targets as the tree `root` (expanded): a "Library PGNs" list for the
// NMEA 2000 repository; for the NMEA 0183 one the library sentences and what
// the gateway's database builds of them from its repository now.
void ShowSimulationTargets(CTreeNode& root, const Repository& repository, const std::set<uint32_t>& targets,
                           CWXN& gateway, uint32_t now);

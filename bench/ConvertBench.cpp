#include "bench/ConvertBench.h"

#include <optional>

#include "bench/BenchTable.h"
#include "bench/QlxRun.h"

namespace {

std::string RateCell(Timing t, double records) {
  return Cell("%.0f records/s cpu (%.2f s cpu, %.2f s wall)", records / t.cpu, t.cpu, t.wall);
}

}  // namespace

void MeasureConvert(const std::filesystem::path& qlx, const std::filesystem::path& log, size_t records,
                    BenchTable& table) {
  const std::optional<Timing> list = RunQlx(qlx, {"list", log.string()});
  const std::optional<Timing> convert = RunQlx(qlx, {"convert", log.string()});
  if (!list || !convert) return;
  const double n = static_cast<double>(records);
  table.Add({"qlx list", RateCell(*list, n), "", "", NAN, Verdict::kNone});
  // Converting a record costs processor time per record; the ratio compares
  // the rates, so above 1 is faster than the listing.
  const double ratio = list->cpu / convert->cpu;
  table.Add({"qlx convert", RateCell(*convert, n), ">= 1.0 x qlx list", "qlx list " + Cell("%.0f records/s", n / list->cpu),
             ratio, Judge(ratio >= 1.0)});
}

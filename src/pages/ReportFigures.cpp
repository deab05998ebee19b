// Bounds-safe reading of the passing and leg tables for the performance report.
#include "pages/ReportFigures.h"

#include <algorithm>
#include <cstddef>

#include "analysis/MarkPassings.h"

namespace pages {
namespace {

template <typename T>
T At(const std::vector<T>& values, int index, T fallback) {
  if (index < 1 || static_cast<std::size_t>(index) >= values.size()) return fallback;
  return values[static_cast<std::size_t>(index)];
}

template <typename T>
T At(const std::vector<std::vector<T>>& rows, int row, int index, T fallback) {
  if (row < 1 || static_cast<std::size_t>(row) >= rows.size()) return fallback;
  return At(rows[static_cast<std::size_t>(row)], index, fallback);
}

}  // namespace

ReportFigures::ReportFigures(const race::RaceStore& store) : store_(store) {
  const int rows = static_cast<int>(std::min(store.boatName.size(), store.markTime.size())) - 1;
  boats_ = std::clamp(store.boatCount, 0, std::max(rows, 0));
  points_ = std::max(store.courseCount, 0);
  for (int b = 1; b <= boats_ && points_ >= 1 && bestBoat_ == 0; ++b) {
    if (Passed(b, points_) && At(store.finishRank, b, 0) == 1) bestBoat_ = b;
  }
}

double ReportFigures::MarkTime(int boat, int point) const {
  return At(store_.markTime, boat, point, race::kNotPassed);
}

double ReportFigures::LegTime(int boat, int leg) const {
  if (leg == 1) return MarkTime(boat, 2);
  return MarkTime(boat, leg + 1) - MarkTime(boat, leg);
}

double ReportFigures::Sailed(int boat, int point) const {
  return At(store_.legSailedMetres, boat, point, 0.0);
}

double ReportFigures::LegLength(int point) const {
  return At(store_.legLengthMetres, point, 0.0);
}

double ReportFigures::LegBearing(int leg) const {
  return At(store_.legBearing, leg, 0.0);
}

int ReportFigures::LegKind(int leg) const {
  return At(store_.legKind, leg, 0);
}

std::string ReportFigures::PointName(int point) const {
  return At(store_.courseMark, point, std::string());
}

std::string ReportFigures::LegLabel(int leg) const {
  return (leg == 1 ? std::string("ST") : PointName(leg)) + "->" + PointName(leg + 1);
}

std::string ReportFigures::KindLabel(int leg) const {
  switch (LegKind(leg)) {
    case 1:
      return "(UP)";
    case 2:
      return "(DN)";
    default:
      return "";
  }
}

std::string ReportFigures::PositionHeader(int point) const {
  if (point == points_) return "FINISH";
  if (point == 1) return "START";
  return PointName(point);
}

bool ReportFigures::Placed(int boat, int point) const {
  return point == points_ ? Passed(boat, point) : analysis::PassedInOrder(store_, boat, point);
}

int ReportFigures::Position(int boat, int point) const {
  if (point == points_) return At(store_.finishRank, boat, 0);
  const double own = MarkTime(boat, point);
  int ahead = 0;
  for (int c = 1; c <= boats_; ++c) {
    if (Placed(c, point) && MarkTime(c, point) < own) ++ahead;
  }
  return 1 + ahead;
}

}  // namespace pages

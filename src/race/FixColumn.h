// One channel of a boat's track held compactly: fix values read and written as doubles, stored as Rep.
// With Scale > 0 a value is kept as the integer nearest value * Scale (times as milliseconds, positions as
// hundred-thousandths of a minute of arc, about 1.9 cm); with Scale 0 it is kept as Rep itself (a float).
// Reading divides by Scale, so a value written with at most that many decimals (a text track's whole
// seconds, a four-decimal minute) reads back as the same double.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace race {

template <typename Rep, long long Scale>
class FixColumn {
 public:
  using rep_type = Rep;

  // Write access to one element: assign a double, or read it back as one.
  class Ref {
   public:
    Ref(Rep& slot) : slot_(slot) {}
    operator double() const { return Decode(slot_); }
    Ref& operator=(double value) {
      slot_ = Encode(value);
      return *this;
    }
    Ref& operator+=(double value) { return *this = Decode(slot_) + value; }
    Ref& operator-=(double value) { return *this = Decode(slot_) - value; }
    Ref& operator=(const Ref& other) {
      slot_ = other.slot_;
      return *this;
    }

   private:
    Rep& slot_;
  };

  FixColumn() = default;
  explicit FixColumn(std::size_t size) : values_(size) {}
  FixColumn(std::initializer_list<double> values) { assign(values.begin(), values.end()); }
  FixColumn(const std::vector<double>& values) { assign(values.begin(), values.end()); }  // NOLINT: as a vector

  double operator[](std::size_t i) const { return Decode(values_[i]); }
  Ref operator[](std::size_t i) { return Ref(values_[i]); }

  std::size_t size() const { return values_.size(); }
  bool empty() const { return values_.empty(); }
  std::size_t capacity() const { return values_.capacity(); }
  void resize(std::size_t size) { values_.resize(size); }
  void resize(std::size_t size, double value) { values_.resize(size, Encode(value)); }
  void reserve(std::size_t size) { values_.reserve(size); }
  void shrink_to_fit() { values_.shrink_to_fit(); }
  void clear() { values_.clear(); }
  void assign(std::size_t size, double value) { values_.assign(size, Encode(value)); }
  template <typename It>
  void assign(It first, It last) {
    values_.clear();
    for (; first != last; ++first) values_.push_back(Encode(*first));
  }
  void push_back(double value) { values_.push_back(Encode(value)); }
  double back() const { return Decode(values_.back()); }

  // The first index of first..last - 1 whose value is above value (the column ascending there), else last.
  std::size_t UpperBound(std::size_t first, std::size_t last, double value) const {
    const auto from = values_.begin() + static_cast<std::ptrdiff_t>(first);
    const auto to = values_.begin() + static_cast<std::ptrdiff_t>(last);
    const auto above = std::upper_bound(from, to, value, [](double v, Rep stored) { return v < Decode(stored); });
    return static_cast<std::size_t>(above - values_.begin());
  }
  // The first index of first..last - 1 whose value is not below value, else last.
  std::size_t LowerBound(std::size_t first, std::size_t last, double value) const {
    const auto from = values_.begin() + static_cast<std::ptrdiff_t>(first);
    const auto to = values_.begin() + static_cast<std::ptrdiff_t>(last);
    const auto at = std::lower_bound(from, to, value, [](Rep stored, double v) { return Decode(stored) < v; });
    return static_cast<std::size_t>(at - values_.begin());
  }

  // Values 0..last as reads give them, in out (resized), for loops that read each value several times:
  // reading a scaled value divides.
  const double* Decoded(std::size_t last, std::vector<double>& out) const {
    out.resize(last + 1);
    for (std::size_t i = 0; i <= last; ++i) out[i] = Decode(values_[i]);
    return out.data();
  }

  // The stored values themselves, for loops that work on them directly.
  const std::vector<Rep>& raw() const { return values_; }
  std::vector<Rep>& raw() { return values_; }

  static Rep Encode(double value) {
    if constexpr (Scale > 0) {
      const double scaled = value * static_cast<double>(Scale);
      return static_cast<Rep>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);  // to the nearest
    } else {
      return static_cast<Rep>(value);
    }
  }
  static double Decode(Rep stored) {
    if constexpr (Scale > 0) {
      return static_cast<double>(stored) / static_cast<double>(Scale);
    } else {
      return static_cast<double>(stored);
    }
  }

 private:
  std::vector<Rep> values_;
};

// Race seconds to the millisecond (a 32-bit count holds some 590 hours either side of the gun).
using TimeColumn = FixColumn<std::int32_t, 1000>;
// Minutes of arc to 1e-5 (1.85 cm of latitude); a longitude of 10800 minutes still fits 32 bits.
using PositionColumn = FixColumn<std::int32_t, 100000>;
// Speed in knots and course in degrees: a float's seven digits are more than a GPS gives.
using MotionColumn = FixColumn<float, 0>;

}  // namespace race

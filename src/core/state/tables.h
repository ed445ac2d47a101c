#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <vector>

namespace tavelo {

inline constexpr int kLevelSlots = 36;      // levels 0..35
inline constexpr int kStudentSlots = 5001;  // students 0..5000
inline constexpr int kMaxLevel = kLevelSlots - 1;
inline constexpr int kMaxStudent = kStudentSlots - 1;
inline constexpr int kTimedOut = 99999;  // drill time of a drill that ran out of time

[[nodiscard]] constexpr bool validLevel(int level) {
  return level >= 0 && level <= kMaxLevel;
}
[[nodiscard]] constexpr bool validStudent(int student) {
  return student >= 0 && student <= kMaxStudent;
}

// A table indexed by level 0..35.
template <typename T>
using LevelTable = std::array<T, kLevelSlots>;

// A table indexed by student 0..5000 and level 0..35, stored contiguously per student.
template <typename T>
class StudentLevelTable {
 public:
  StudentLevelTable() : cells_(static_cast<std::size_t>(kStudentSlots) * kLevelSlots) {}
  explicit StudentLevelTable(T initial)
      : cells_(static_cast<std::size_t>(kStudentSlots) * kLevelSlots, initial) {}

  T& operator()(int student, int level) { return cells_[index(student, level)]; }
  const T& operator()(int student, int level) const { return cells_[index(student, level)]; }
  void fill(T value) { std::fill(cells_.begin(), cells_.end(), value); }

 private:
  static std::size_t index(int student, int level) {
    Q_ASSERT(validStudent(student) && validLevel(level));
    return static_cast<std::size_t>(student) * kLevelSlots + static_cast<std::size_t>(level);
  }
  std::vector<T> cells_;
};

}  // namespace tavelo

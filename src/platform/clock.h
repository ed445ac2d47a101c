#pragma once

#include <QDateTime>

#include <cstdint>

namespace tavelo::platform {

// The wall clock (calendar date and time of day, for records and displays) and a
// monotonic clock (for measuring durations that must survive midnight and clock changes).
class Clock {
 public:
  virtual ~Clock() = default;
  [[nodiscard]] virtual QDateTime now() const = 0;
  [[nodiscard]] virtual std::int64_t monotonicMs() const = 0;
};

class SystemClock final : public Clock {
 public:
  SystemClock();
  [[nodiscard]] QDateTime now() const override;
  [[nodiscard]] std::int64_t monotonicMs() const override;
};

}  // namespace tavelo::platform

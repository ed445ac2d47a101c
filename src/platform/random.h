#pragma once

#include <cstdint>
#include <random>

namespace tavelo::platform {

// The program's one source of random choices (question order, pictures, sound variants).
class Random {
 public:
  virtual ~Random() = default;
  virtual void seed(std::uint32_t value) = 0;
  // Uniform in [0, 1).
  virtual double uniform() = 0;
  // Uniform whole number in [0, n); 0 when n <= 0.
  int below(int n);
};

class MersenneRandom final : public Random {
 public:
  explicit MersenneRandom(std::uint32_t seed = 1) : engine_(seed) {}
  void seed(std::uint32_t value) override { engine_.seed(value); }
  double uniform() override;

 private:
  std::mt19937 engine_;
};

}  // namespace tavelo::platform

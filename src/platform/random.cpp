#include "platform/random.h"

namespace tavelo::platform {

int Random::below(int n) {
  if (n <= 0) {
    return 0;
  }
  const int r = static_cast<int>(uniform() * n);
  return r < n ? r : n - 1;
}

double MersenneRandom::uniform() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

}  // namespace tavelo::platform

#include "drill/drill_rules.h"

#include "platform/random.h"

#include <charconv>
#include <cmath>

namespace tavelo::drill {

namespace {

constexpr int kNoResultAbove = 99997;  // 99999 marks a drill that ran out of time

}  // namespace

std::optional<LevelSettings> levelSettings(int level) {
  switch (level) {
    case 1:
      return LevelSettings{10, 3, 800};
    case 2:
      return LevelSettings{6, 4, 1200};
    case 3:
      return LevelSettings{5, 5, 2000};
    case 4:
      return LevelSettings{4, 6, 5000};
    case 5:
      return LevelSettings{3, 8, 8000};
    default:
      return std::nullopt;
  }
}

SlotOrder shuffledSlotOrder(platform::Random& random) {
  SlotOrder order{};
  for (int k = 1; k <= kSlotCount; ++k) {
    order[k] = static_cast<qint16>(k);
  }
  for (int i = 0; i < kShuffleSwaps; ++i) {
    const int a = random.below(kSlotCount) + 1;
    const int b = random.below(kSlotCount) + 1;
    std::swap(order[a], order[b]);
  }
  return order;
}

int elapsedSecondsBetween(std::int64_t startMs, std::int64_t nowMs) {
  // nearbyint rounds halves to even in the default rounding mode.
  return static_cast<int>(std::nearbyint(static_cast<double>(nowMs - startMs) / 1000.0));
}

std::bitset<kLampCount> redLampsOut(int elapsed, int targetTime, int minimumTime) {
  std::bitset<kLampCount> out;
  if (targetTime >= elapsed) {
    const int last = std::min(kLampCount - 1, kLampCount - 1 - (targetTime - elapsed));
    for (int j = 0; j <= last; ++j) {
      out.set(static_cast<std::size_t>(j));
    }
  }
  if (minimumTime >= elapsed) {
    const int j = kLampCount - 1 - (minimumTime - elapsed);
    if (j >= 0 && j < kLampCount) {
      out.set(static_cast<std::size_t>(j));
    }
  }
  return out;
}

int displayPoints(int drillTime, int targetTime) {
  const int t = drillTime;
  const int target = targetTime;
  if (t > kNoResultAbove || target <= 0 || t < 0) {
    return 0;
  }
  if (t <= target) {
    const double share = static_cast<double>(target - t) / target;
    return static_cast<int>(std::floor(share * share * share * 50 + 5));
  }
  if (t < 2 * target) {
    return 4;
  }
  if (t < 10 * target) {
    return 1;
  }
  return 0;
}

int factoredPoints(int points, float factor) {
  return static_cast<int>(std::floor(static_cast<float>(points) * factor));
}

QString factorText(float factor) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), factor);
  return QString::fromLatin1(buffer.data(), static_cast<qsizetype>(result.ptr - buffer.data()));
}

QString pointsText(int drillTime, int targetTime, float factor) {
  const int p = displayPoints(drillTime, targetTime);
  return QStringLiteral("獲得ポイント：%1点×%2→%3点")
      .arg(p)
      .arg(factorText(factor))
      .arg(factoredPoints(p, factor));
}

QString timeText(int drillTime) {
  if (drillTime > kNoResultAbove) {
    return QStringLiteral("今の成績：記録なし");
  }
  return QStringLiteral("今の成績：%1秒").arg(drillTime);
}

qint16 addTries(qint16 total, float count) {
  return static_cast<qint16>(std::nearbyint(static_cast<double>(total) + count));
}

}  // namespace tavelo::drill

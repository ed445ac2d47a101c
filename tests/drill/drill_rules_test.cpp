#include "drill/drill_rules.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tavelo::testing {
namespace {

using namespace tavelo::drill;

TEST(DrillRules, LevelSettingsExistForLevelsOneToFive) {
  struct Row {
    int level, questions, pictures, ms;
  };
  const Row rows[] = {
      {1, 10, 3, 800}, {2, 6, 4, 1200}, {3, 5, 5, 2000}, {4, 4, 6, 5000}, {5, 3, 8, 8000}};
  for (const Row& r : rows) {
    const auto settings = levelSettings(r.level);
    ASSERT_TRUE(settings) << r.level;
    EXPECT_EQ(settings->questions, r.questions);
    EXPECT_EQ(settings->pictures, r.pictures);
    EXPECT_EQ(settings->numbersShownMs, r.ms);
  }
  for (int level : {0, 6, 7, 35}) {
    EXPECT_FALSE(levelSettings(level)) << level;
  }
}

TEST(DrillRules, TheShuffleIsAlwaysAPermutationOfTheThirteenSlots) {
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    SeededRandom random(seed);
    const SlotOrder order = shuffledSlotOrder(random);
    std::array<qint16, kSlotCount> sorted{};
    std::copy(order.begin() + 1, order.begin() + 1 + kSlotCount, sorted.begin());
    std::sort(sorted.begin(), sorted.end());
    for (int k = 0; k < kSlotCount; ++k) {
      ASSERT_EQ(sorted[static_cast<std::size_t>(k)], k + 1) << "seed " << seed;
    }
    EXPECT_EQ(order[0], 0);
    EXPECT_EQ(order[14], 0);
  }
}

TEST(DrillRules, ElapsedSecondsRoundToTheNearestWithTiesToEven) {
  const std::pair<std::int64_t, int> rows[] = {{0, 0},         {499, 0},      {500, 0},  {501, 1},
                                               {1500, 2},      {2500, 2},     {2501, 3}, {3500, 4},
                                               {299'499, 299}, {300'000, 300}};
  for (const auto& [ms, seconds] : rows) {
    EXPECT_EQ(elapsedSecondsBetween(1'000'000, 1'000'000 + ms), seconds) << ms;
  }
}

TEST(DrillRules, RedLampsCountDownToTheTargetAndMarkTheMinimum) {
  struct Row {
    int elapsed, target, minimum;
    const char* out;  // lamp 0 first
  };
  const Row rows[] = {
      {30, 40, 200, "0000000000"},
      {31, 40, 200, "1000000000"},
      {35, 40, 200, "1111100000"},
      {40, 40, 200, "1111111111"},
      {41, 40, 200, "0000000000"},
      {0, 5, 200, "1111100000"},
      // Rule B alone (target already passed): the single lamp 9 - (minimum - elapsed).
      {51, 40, 60, "1000000000"},
      {55, 40, 60, "0000100000"},
      {60, 40, 60, "0000000001"},
      {61, 40, 60, "0000000000"},
  };
  for (const Row& r : rows) {
    const auto out = redLampsOut(r.elapsed, r.target, r.minimum);
    std::string text;
    for (int j = 0; j < kLampCount; ++j) text += out.test(static_cast<std::size_t>(j)) ? '1' : '0';
    EXPECT_EQ(text, r.out) << r.elapsed << " s, target " << r.target << ", minimum " << r.minimum;
  }
}

TEST(DrillRules, DisplayPointsFollowTheDrillTimeAgainstTheTarget) {
  const std::pair<int, int> target60[] = {{60, 5},    {30, 11},   {0, 55},  {61, 4},
                                          {119, 4},   {120, 1},   {599, 1}, {600, 0},
                                          {99999, 0}, {99998, 0}, {45, 5},  {15, 26}};
  for (const auto& [t, points] : target60) {
    EXPECT_EQ(displayPoints(t, 60), points) << t;
  }
  // A level without a target time gives nothing, not a division by zero.
  EXPECT_EQ(displayPoints(0, 0), 0);
  EXPECT_EQ(displayPoints(10, 0), 0);
  // The completion screen counts drills of 1000 s and more by their time, not their key.
  EXPECT_EQ(displayPoints(1500, 2000), 5);
}

TEST(DrillRules, PointsTextShowsTheFactorInItsShortestForm) {
  EXPECT_EQ(factoredPoints(5, 1.5F), 7);
  EXPECT_EQ(factoredPoints(11, 1.5F), 16);
  EXPECT_EQ(factoredPoints(10, 0.7F), 7);
  EXPECT_EQ(factorText(1.0F), QStringLiteral("1"));
  EXPECT_EQ(factorText(1.5F), QStringLiteral("1.5"));
  EXPECT_EQ(factorText(1.2F), QStringLiteral("1.2"));
  EXPECT_EQ(factorText(0.0F), QStringLiteral("0"));
  EXPECT_EQ(pointsText(30, 60, 1.0F), QStringLiteral("獲得ポイント：11点×1→11点"));
  EXPECT_EQ(pointsText(30, 60, 1.5F), QStringLiteral("獲得ポイント：11点×1.5→16点"));
  EXPECT_EQ(timeText(30), QStringLiteral("今の成績：30秒"));
  EXPECT_EQ(timeText(99998), QStringLiteral("今の成績：記録なし"));
  EXPECT_EQ(timeText(99997), QStringLiteral("今の成績：99997秒"));
}

}  // namespace
}  // namespace tavelo::testing

#include "storage/statistics.h"
#include "results_fixture.h"

namespace tavelo::storage {
namespace {

class Statistics : public testing::ResultsFixture {
 protected:
  void SetUp() override {
    ResultsFixture::SetUp();
    state->criteriaTargetTime[1] = 60;
    state->criteriaPointFactor[1] = 1;
    state->criteriaClearCount[1] = 2;
    state->criteriaClearPoints[1] = 10;
    state->criteriaPassDays[1] = AnyValue(QStringLiteral("7"));
    state->criteriaOverdoDays[1] = AnyValue(QStringLiteral("1"));
  }
  void compute() { ASSERT_FALSE(computeStatistics(*state, fakes.services).has_value()); }
};

TEST_F(Statistics, PointsAndTimeKeys) {
  struct Case {
    int time;
    float factor;
    int points;
  };
  const Case cases[] = {{60, 1, 5},    {30, 1, 11},   {0, 1, 55},  {61, 1, 4},    {119, 1, 4},
                        {120, 1, 1},   {599, 1, 1},   {600, 1, 0}, {99998, 1, 0}, {99999, 1, 0},
                        {60, 1.5F, 7}, {0, 1.5F, 82}, {30, 2, 22}};
  for (const Case& c : cases) {
    state->criteriaPointFactor[1] = c.factor;
    EXPECT_EQ(recordPoints(*state, c.time, 1), c.points) << c.time << " x" << c.factor;
  }
  state->criteriaTargetTime[2] = 0;
  state->criteriaPointFactor[2] = 1;
  EXPECT_EQ(recordPoints(*state, 5, 2), 0);  // a zero target gives nothing for real times
  EXPECT_EQ(recordPoints(*state, 0, 2), 5);

  const std::pair<int, int> keys[] = {{45, 45}, {999, 999}, {1000, 100}, {1500, 150}, {99999, 999}};
  for (const auto& [time, key] : keys) EXPECT_EQ(timeKey(time), key) << time;
}

TEST_F(Statistics, WindowsCountFromToday) {
  struct Case {
    int daysAgo;
    int passCount;
    int overdoCount;
    int todayCount;
  };
  const Case cases[] = {{0, 1, 1, 1}, {1, 1, 0, 0}, {6, 1, 0, 0}, {7, 0, 0, 0}, {30, 0, 0, 0}};
  for (const Case& c : cases) {
    writeFile(encodeRecord(record(kToday - c.daysAgo, 1, 1, 30)));
    compute();
    EXPECT_EQ(state->passWindowCount(1, 1), c.passCount) << c.daysAgo;
    EXPECT_EQ(state->passWindowPoints(1, 1), 11 * c.passCount) << c.daysAgo;
    EXPECT_EQ(state->overdoWindowCount(1, 1), c.overdoCount) << c.daysAgo;
    EXPECT_EQ(state->todayCount(1, 1), c.todayCount) << c.daysAgo;
    EXPECT_EQ(state->completedCount(1, 1), 1);
  }
  state->criteriaPassDays[1] = AnyValue(QString());  // an empty window holds nothing
  writeFile(encodeRecord(record(kToday, 1, 1, 30)));
  compute();
  EXPECT_EQ(state->passWindowCount(1, 1), 0);
}

TEST_F(Statistics, TimedOutDrillsRaiseTheAverage) {
  appendRecords({record(kToday, 3, 1, 40), record(kToday, 3, 1, 50), record(kToday, 3, 1, 99999)});
  compute();
  EXPECT_EQ(state->completedCount(3, 1), 2);
  EXPECT_EQ(state->timeSum(3, 1), 40 + 50 + 999);
  EXPECT_EQ(state->averageTime(3, 1), 545);
  EXPECT_EQ(state->todayAverageTime(3, 1), 545);
  EXPECT_EQ(state->totalPoints(3, 1), recordPoints(*state, 40, 1) + recordPoints(*state, 50, 1));
  // A second rebuild starts from zero.
  compute();
  EXPECT_EQ(state->completedCount(3, 1), 2);
}

TEST_F(Statistics, RecordingFlags) {
  state->studentIndex = 5;
  state->levelIndex = 1;
  compute();

  struct Step {
    int time;
    int alreadyCleared;
    int personalBest;
    int levelBest;
  };
  // Clear count 2 and 10 points: the second drill reaches it, but only the third finds the
  // level already cleared, because the statistics are those from before each drill.
  const Step steps[] = {{30, 0, 1, 1}, {30, 0, 0, 0}, {20, 1, 1, 1}, {99999, 1, 0, 0}};
  for (const Step& s : steps) {
    state->drillTime = s.time;
    ASSERT_FALSE(recordDrillResult(*state, fakes.services).has_value());
    EXPECT_EQ(state->alreadyCleared, s.alreadyCleared) << s.time;
    EXPECT_EQ(state->newPersonalBest, s.personalBest) << s.time;
    EXPECT_EQ(state->newLevelBest, s.levelBest) << s.time;
    compute();
  }
  EXPECT_EQ(state->loadedResults.size(), 4U);
  EXPECT_EQ(state->bestTime(5, 1), 20);
}

TEST_F(Statistics, AFailedAppendClaimsNoRecord) {
  state->studentIndex = 5;
  state->levelIndex = 1;
  compute();
  state->drillTime = 30;
  fakes.locker.busyAnswers = 1'000'000;
  const Status status = recordDrillResult(*state, fakes.services);
  ASSERT_TRUE(status.has_value());
  EXPECT_TRUE(status->message.contains(path()));
  EXPECT_EQ(state->newPersonalBest, 0);
  EXPECT_EQ(state->newLevelBest, 0);
  EXPECT_EQ(state->bestTime(5, 1), 99999);
  EXPECT_TRUE(fileBytes().isEmpty());
}

}  // namespace
}  // namespace tavelo::storage

#include "results_fixture.h"

#include "platform/calendar.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <cstring>
#include <set>

namespace tavelo::storage {
namespace {

using Results = testing::ResultsFixture;

// The record as the other programs of the installation lay it out, built byte by byte.
QByteArray handMadeRecord(double date, double time, qint16 student, qint16 level, qint32 drill,
                          const char* site) {
  QByteArray b(44, '\0');
  std::memcpy(b.data() + 0, &date, 8);  // little-endian host, as the file is
  std::memcpy(b.data() + 8, &time, 8);
  std::memcpy(b.data() + 16, &student, 2);
  std::memcpy(b.data() + 18, &level, 2);
  std::memcpy(b.data() + 20, &drill, 4);
  std::memcpy(b.data() + 24, site, 5);
  std::memcpy(b.data() + 29, "     ", 5);
  std::memcpy(b.data() + 34, "0    ", 5);
  return b;  // bytes 39..43 stay zero
}

TEST_F(Results, AppendWritesTheDocumentedBytes) {
  fakes.clock.set(QDateTime(QDate(2026, 12, 10), QTime(18, 0)));
  state->studentIndex = 17;
  state->levelIndex = 3;
  state->drillTime = 42;
  ASSERT_FALSE(appendResult(*state, fakes.services).has_value());
  state->siteCode.clear();
  state->drillTime = 99999;
  ASSERT_FALSE(appendResult(*state, fakes.services).has_value());
  EXPECT_EQ(fileBytes(), handMadeRecord(kToday, 0.75, 17, 3, 42, "12345") +
                             handMadeRecord(kToday, 0.75, 17, 3, 99999, "     "));
}

TEST_F(Results, LoadReadsAHandWrittenFileFieldForField) {
  writeFile(handMadeRecord(46000, 0.25, 12, 2, 37, "ABCDE") +
            handMadeRecord(46001, 0.5, 4999, 35, 99999, "     "));
  ASSERT_FALSE(loadResults(*state, fakes.services).has_value());
  ASSERT_EQ(state->loadedResults.size(), 2U);
  const LoadedResult& a = state->loadedResults[0];
  EXPECT_EQ(a.date, 46000);
  EXPECT_EQ(a.timeOfDay, 0.25);
  EXPECT_EQ(a.student, 12);
  EXPECT_EQ(a.level, 2);
  EXPECT_EQ(a.drillTime, 37);
  EXPECT_EQ(state->loadedResults[1].student, 4999);
  EXPECT_EQ(state->bestTime(12, 2), 37);
  EXPECT_EQ(state->bestTime(4999, 35), 99999);
  const ResultRecord r = decodeRecord(handMadeRecord(1, 0, 1, 1, 1, "ABCDE").constData());
  EXPECT_EQ(std::string(r.siteCode.data(), 5), "ABCDE");
}

TEST_F(Results, TextFieldsAreCutBetweenCharactersAndPadded) {
  EXPECT_EQ(std::string(textField(QStringLiteral("12")).data(), 5), "12   ");
  EXPECT_EQ(std::string(textField(QStringLiteral("1234567")).data(), 5), "12345");
  // Three double-byte characters do not fit in five bytes: the third is left out whole.
  EXPECT_EQ(std::string(textField(QStringLiteral("教室名")).data(), 5), "\x8b\xb3\x8e\xba ");
}

TEST_F(Results, BestTimesAndWhichRecordsAreKept) {
  appendRecords({record(kToday, 1, 1, 50), record(-3, 1, 1, 20),  // counts for the best only
                 record(kToday, 0, 1, 10),                        // student 0: ignored
                 record(kToday, 2, 0, 10),                        // level 0: ignored
                 record(kToday, 2, 2, 99999),                     // timed out
                 record(kToday, 1500, 4, 5), record(kToday, 900, 4, 30)});
  ASSERT_FALSE(loadResults(*state, fakes.services).has_value());
  EXPECT_EQ(state->loadedResults.size(), 4U);
  EXPECT_EQ(state->bestTime(1, 1), 20);
  EXPECT_EQ(state->bestTime(2, 2), 99999);
  EXPECT_EQ(state->bestTime(1500, 4), 5);
  EXPECT_EQ(state->levelBestTime[1], 20);
  EXPECT_EQ(state->levelBestTime[4], 30);  // students above 1000 do not count
  EXPECT_EQ(state->levelBestTime[2], 99999);
  EXPECT_TRUE(state->resultsWarning.isEmpty());
}

TEST_F(Results, MissingFileIsCreatedEmpty) {
  ASSERT_FALSE(loadResults(*state, fakes.services).has_value());
  EXPECT_TRUE(QFile::exists(path()));
  EXPECT_TRUE(state->loadedResults.empty());
  EXPECT_EQ(state->bestTime(1, 1), 99999);
  EXPECT_EQ(fakes.events.waitedMs, 0);
}

TEST_F(Results, MissingFolderFailsAfterFourTriesWithAMessage) {
  state->programDataFolder = dir.path() + QStringLiteral("/nowhere/");
  const Status status = loadResults(*state, fakes.services);
  ASSERT_TRUE(status.has_value());
  EXPECT_TRUE(status->message.startsWith(QStringLiteral("ファイルがありません")));
  EXPECT_TRUE(status->message.contains(path()));
  EXPECT_EQ(fakes.events.waitedMs, 3 * 5000);
  EXPECT_TRUE(appendResult(*state, fakes.services).has_value());
}

TEST_F(Results, OutOfRangeRecordsAreLeftOutWithOneWarning) {
  appendRecords({record(kToday, 1, 1, 40), record(kToday, 5001, 1, 30), record(kToday, -2, 1, 30),
                 record(kToday, 2, 36, 30), record(kToday, 2, -1, 30), record(kToday, 3, 2, 45)});
  const QByteArray before = fileBytes();
  ASSERT_FALSE(loadResults(*state, fakes.services).has_value());
  EXPECT_EQ(state->loadedResults.size(), 2U);
  EXPECT_TRUE(state->resultsWarning.startsWith(QStringLiteral("成績ランダムファイル表示")));
  EXPECT_TRUE(state->resultsWarning.contains(QStringLiteral(" 4 件")));
  const QString first = state->resultsWarning;
  ASSERT_FALSE(loadResults(*state, fakes.services).has_value());
  EXPECT_EQ(state->resultsWarning, first);
  EXPECT_EQ(fileBytes(), before);
}

TEST_F(Results, LargeFilesLoadTheNewest20000Records) {
  QByteArray bytes;
  for (int i = 1; i <= 25000; ++i) bytes += encodeRecord(record(kToday, 1 + i % 100, 1, i));
  writeFile(bytes);
  ASSERT_FALSE(loadResults(*state, fakes.services).has_value());
  ASSERT_EQ(state->loadedResults.size(), 20000U);
  EXPECT_EQ(state->loadedResults.front().drillTime, 5001);
  EXPECT_EQ(state->loadedResults.back().drillTime, 25000);
}

TEST_F(Results, PartialTailIsOverwrittenByTheNextAppend) {
  appendRecords({record(kToday, 1, 1, 40)});
  writeFile(fileBytes() + QByteArray(20, 'x'));
  ASSERT_FALSE(loadResults(*state, fakes.services).has_value());
  EXPECT_EQ(state->loadedResults.size(), 1U);
  state->studentIndex = 2;
  state->levelIndex = 1;
  state->drillTime = 33;
  ASSERT_FALSE(appendResult(*state, fakes.services).has_value());
  EXPECT_EQ(fileBytes().size(), 88);
  ASSERT_FALSE(loadResults(*state, fakes.services).has_value());
  EXPECT_EQ(state->loadedResults.back().drillTime, 33);
}

TEST_F(Results, AppendWaitsForALockHeldElsewhere) {
  state->studentIndex = 1;
  state->levelIndex = 1;
  state->drillTime = 40;
  fakes.locker.busyAnswers = 8;  // two seconds of another computer writing
  ASSERT_FALSE(appendResult(*state, fakes.services).has_value());
  EXPECT_EQ(fakes.events.waitedMs, 2000);
  EXPECT_EQ(fileBytes().size(), 44);

  fakes.locker.busyAnswers = 1'000'000;  // never released
  const Status status = appendResult(*state, fakes.services);
  ASSERT_TRUE(status.has_value());
  EXPECT_TRUE(status->message.contains(path()));
  EXPECT_GE(fakes.events.waitedMs, 2000 + kAppendLockWaitMs);
  EXPECT_LE(fakes.events.waitedMs, 2000 + kAppendLockWaitMs + 250);
  EXPECT_EQ(fileBytes().size(), 44);
}

TEST_F(Results, DamagedFilesNeverCrash) {
  QRandomGenerator random(1234);
  const auto randomBytes = [&random](int n) {
    QByteArray b(n, '\0');
    for (char& c : b) c = static_cast<char>(random.bounded(256));
    return b;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const QByteArray cases[] = {
      {},
      QByteArray(43, '\xff'),
      randomBytes(44 * 500 + 17),
      encodeRecord(record(nan, 1, 1, 40)) + encodeRecord(record(inf, 1, 1, 40)) +
          encodeRecord(record(1e300, 1, 1, 40)) +
          encodeRecord(record(kToday, 1, 1, -2147483647 - 1)) +
          encodeRecord(record(kToday, 1, 1, 2147483647)),
  };
  for (const QByteArray& bytes : cases) {
    writeFile(bytes);
    EXPECT_FALSE(loadResults(*state, fakes.services).has_value());
    EXPECT_LE(state->loadedResults.size(), 20000U);
  }
}

// Eight processes appending at once through real whole-file locks.
TEST_F(Results, ConcurrentAppendsLoseAndDuplicateNothing) {
  constexpr int kWorkers = 8;
  constexpr int kEach = 250;
  std::vector<std::unique_ptr<QProcess>> workers;
  for (int w = 1; w <= kWorkers; ++w) {
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(TAVELO_APPEND_WORKER),
                   {path(), QString::number(w), QString::number(kEach)});
    workers.push_back(std::move(process));
  }
  for (auto& process : workers) {
    ASSERT_TRUE(process->waitForFinished(120'000));
    EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
  }
  const QByteArray bytes = fileBytes();
  ASSERT_EQ(bytes.size(), kWorkers * kEach * 44);
  std::set<std::pair<int, int>> seen;
  for (int i = 0; i < kWorkers * kEach; ++i) {
    const ResultRecord r = decodeRecord(bytes.constData() + i * 44);
    EXPECT_EQ(r.level, 3);
    EXPECT_EQ(std::string(r.siteCode.data(), 5), "54321");
    EXPECT_EQ(std::string(r.pointsText.data(), 5), "0    ");
    EXPECT_TRUE(seen.insert({r.student, r.drillTime}).second) << "duplicate";
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kWorkers * kEach));
  EXPECT_EQ(seen.begin()->first, 1);
  EXPECT_EQ(seen.rbegin()->first, kWorkers);
}

TEST_F(Results, AWriterKilledMidwayLeavesOnlyWholeRecords) {
  QProcess worker;
  worker.start(QStringLiteral(TAVELO_APPEND_WORKER),
               {path(), QStringLiteral("9"), QStringLiteral("1000000")});
  ASSERT_TRUE(worker.waitForStarted());
  ASSERT_TRUE(QTest::qWaitFor([&] { return fileBytes().size() >= 44 * 50; }, 60'000));
  ::kill(static_cast<pid_t>(worker.processId()), SIGKILL);
  worker.waitForFinished();
  const QByteArray bytes = fileBytes();
  const qsizetype whole = bytes.size() / 44;
  for (qsizetype i = 0; i < whole; ++i) {
    const ResultRecord r = decodeRecord(bytes.constData() + i * 44);
    ASSERT_EQ(r.student, 9);
    ASSERT_EQ(r.drillTime, i + 1) << "record " << i;
  }
  state->studentIndex = 10;
  state->levelIndex = 3;
  state->drillTime = 77;
  ASSERT_FALSE(appendResult(*state, fakes.services).has_value());
  EXPECT_EQ(fileBytes().size(), (whole + 1) * 44);
  EXPECT_EQ(decodeRecord(fileBytes().constData() + whole * 44).drillTime, 77);
}

}  // namespace
}  // namespace tavelo::storage

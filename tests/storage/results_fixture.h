#pragma once

#include "core/shared_state.h"
#include "fakes.h"
#include "storage/results_file.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace tavelo::testing {

// A program data folder in a temporary directory, shared state pointing at it, and fakes.
class ResultsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    state->programDataFolder = dir.path() + u'/';
    state->siteCode = QStringLiteral("12345");
  }
  QString path() const { return storage::resultsFilePath(*state); }
  QByteArray fileBytes() const {
    QFile f(path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void writeFile(const QByteArray& bytes) const {
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  static storage::ResultRecord record(double date, int student, int level, int time) {
    storage::ResultRecord r;
    r.date = date;
    r.timeOfDay = 0.5;
    r.student = static_cast<qint16>(student);
    r.level = static_cast<qint16>(level);
    r.drillTime = time;
    return r;
  }
  void appendRecords(std::initializer_list<storage::ResultRecord> records) const {
    QByteArray bytes = fileBytes();
    for (const auto& r : records) bytes += storage::encodeRecord(r);
    writeFile(bytes);
  }

  QTemporaryDir dir;
  std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
  FakeServices fakes;
  static constexpr double kToday = 46366;  // 2026-12-10, the fake clock's date
};

}  // namespace tavelo::testing

#pragma once

#include "core/catalogue.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "fakes.h"
#include "platform/calendar.h"
#include "storage/configuration.h"
#include "storage/results_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace tavelo::testing {

// Counts what the screens ask of the application.
class RecordingNavigator final : public Navigator {
 public:
  void showNameSelection() override { ++nameSelectionShown; }
  void showLevelHub() override { ++hubShown; }
  void showGameScreen() override { ++gameShown; }
  void endProgram(int status) override { endStatus = status; }
  int nameSelectionShown = 0;
  int hubShown = 0;
  int gameShown = 0;
  int endStatus = -1;  // -1: the program was not ended
};

// A demo installation in a temporary folder, its configuration loaded, with the fake clock
// on 10 December 2026 at 10:00.
class DemoFixture : public ::testing::Test {
 protected:
  static constexpr double kToday = 46366;  // 2026-12-10

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_FALSE(demo::createDemoInstallation(dir.path(), {}, QDate(2026, 12, 10)).has_value());
    layout = demo::demoLayout(dir.path());
    ASSERT_FALSE(storage::loadConfiguration(*state, layout.programFolder).has_value());
    state->seasonColour = QColor(192, 255, 192);
  }

  // Appends records of drills: (days ago, student, level, seconds).
  struct Drill {
    int daysAgo;
    int student;
    int level;
    int seconds;
  };
  void appendDrills(std::initializer_list<Drill> drills) const {
    QFile file(storage::resultsFilePath(*state));
    ASSERT_TRUE(file.open(QIODevice::Append));
    for (const Drill& d : drills) {
      storage::ResultRecord r;
      r.date = kToday - d.daysAgo;
      r.timeOfDay = 0.375;
      r.student = static_cast<qint16>(d.student);
      r.level = static_cast<qint16>(d.level);
      r.drillTime = d.seconds;
      file.write(storage::encodeRecord(r));
    }
  }

  // Puts a folder where the results file should be, so that it cannot be read.
  void breakResultsFile() const {
    const QString path = storage::resultsFilePath(*state);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkpath(path));
  }

  QTemporaryDir dir;
  demo::DemoLayout layout;
  std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
  FakeServices fakes;
  RecordingNavigator navigator;
};

}  // namespace tavelo::testing

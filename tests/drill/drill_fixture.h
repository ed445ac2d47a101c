#pragma once

#include "core/catalogue.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "drill/completion_screen.h"
#include "drill/game_screen.h"
#include "drill/waiting_screen.h"
#include "fakes.h"
#include "platform/calendar.h"
#include "storage/configuration.h"
#include "storage/results_file.h"
#include "storage/statistics.h"

#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tavelo::testing {

// Records what the drill asks of the rest of the program; makes game screens as the
// application does.
class FakeNavigator final : public Navigator {
 public:
  FakeNavigator(SharedState& state, platform::Services& services, drill::WaitingScreen& waiting)
      : state_(state), services_(services), waiting_(waiting) {}
  void showNameSelection() override { ++nameSelections; }
  void showLevelHub() override { ++hubShows; }
  void showGameScreen() override {
    ++gameScreens;
    auto* screen = new drill::MainFrm(state_, services_, *this, waiting_);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    game = screen;
    screen->show();
    screen->activate();
  }
  void endProgram(int status) override { endedWith = status; }

  int nameSelections = 0;
  int hubShows = 0;
  int gameScreens = 0;
  int endedWith = -1;
  QPointer<drill::MainFrm> game;

 private:
  SharedState& state_;
  platform::Services& services_;
  drill::WaitingScreen& waiting_;
};

// A demo installation loaded into a fresh state, with one student chosen.
class DrillFixture : public ::testing::Test {
 protected:
  static constexpr int kStudent = 3;

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_FALSE(demo::createDemoInstallation(dir.path(), {}, fakes.clock.now().date()));
    ASSERT_FALSE(storage::loadConfiguration(state, demo::demoLayout(dir.path()).programFolder));
    buildLevelCatalogue(state);
    state.studentIndex = kStudent;
    state.studentName = QStringLiteral("  上野　そうた  ");
    state.studentStartSeconds = platform::secondsSinceMidnight(fakes.clock.now().time()) - 600;
    refreshStatistics();
  }

  void TearDown() override {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
      delete window;
    }
  }

  void refreshStatistics() { ASSERT_FALSE(storage::computeStatistics(state, fakes.services)); }

  // Adds a drill to the results file as if recorded daysAgo days before today.
  void addRecord(int level, int drillTime, int daysAgo = 0, int student = kStudent) {
    storage::ResultRecord record;
    record.date = platform::daySerial(fakes.clock.now().date()) - daysAgo;
    record.timeOfDay = 0.25;
    record.student = static_cast<qint16>(student);
    record.level = static_cast<qint16>(level);
    record.drillTime = drillTime;
    QFile file(storage::resultsFilePath(state));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(storage::encodeRecord(record));
  }

  [[nodiscard]] std::vector<storage::ResultRecord> records() const {
    QFile file(storage::resultsFilePath(state));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    std::vector<storage::ResultRecord> result;
    for (qsizetype at = 0; at + storage::kRecordSize <= bytes.size(); at += storage::kRecordSize) {
      result.push_back(storage::decodeRecord(bytes.constData() + at));
    }
    return result;
  }

  [[nodiscard]] QString soundPath(const char* stem) const {
    return state.soundFolder + QString::fromUtf8(stem) + QStringLiteral(".wav");
  }

  // Starts a drill the way the level hub does and returns its game screen.
  drill::MainFrm* start(int level) {
    state.levelIndex = static_cast<qint16>(level);
    startDrill(state, navigator, fakes.events);
    return navigator.game;
  }

  template <typename T = QWidget>
  static T* child(const QWidget* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }

  static QLabel* slot(const drill::MainFrm* screen, int n) {
    return child<QLabel>(screen, QStringLiteral("Image1_%1").arg(n));
  }
  static QLabel* number(const drill::MainFrm* screen, int n) {
    return child<QLabel>(screen, QStringLiteral("Label1_%1").arg(n));
  }
  static QString text(const QWidget* parent, const char* name) {
    const auto* label = child<QLabel>(parent, QString::fromLatin1(name));
    return label != nullptr ? label->text() : QString();
  }

  // The slot that carries order number k in the current question.
  static int slotNumbered(const drill::MainFrm* screen, int k) {
    return screen->slotOrder()[static_cast<std::size_t>(k)];
  }

  // Clicks the slot that carries order number k, as the student does.
  static void clickNumbered(drill::MainFrm* screen, int k) {
    QTest::mouseClick(slot(screen, slotNumbered(screen, k)), Qt::LeftButton);
  }

  // Answers the current question right, taking stepMs per click.
  void answer(drill::MainFrm* screen, int stepMs = 1000) {
    const int pictures = screen->picturesPerQuestion();
    for (int k = 1; k <= pictures; ++k) {
      fakes.clock.advanceMs(stepMs);
      clickNumbered(screen, k);
    }
  }

  // Delivers one tick of a running timer through its own timeout connection.
  static void fire(QTimer* timer) {
    ASSERT_TRUE(timer->isActive());
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
  }

  // The close request of the window's own close button (a spontaneous close event).
  static bool closeByWindowButton(QWidget* window) {
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(window, &event);  // keeps it spontaneous
    return event.isAccepted();
  }

  [[nodiscard]] static drill::FrmSyuuryou* completionScreen() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* screen = qobject_cast<drill::FrmSyuuryou*>(window);
          screen != nullptr && screen->isVisible()) {
        return screen;
      }
    }
    return nullptr;
  }

  QTemporaryDir dir;
  FakeServices fakes;
  std::unique_ptr<SharedState> statePtr = std::make_unique<SharedState>();
  SharedState& state = *statePtr;
  drill::WaitingScreen waiting;
  FakeNavigator navigator{state, fakes.services, waiting};
};

}  // namespace tavelo::testing

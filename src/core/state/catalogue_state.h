#pragma once

#include "core/state/tables.h"

#include <QString>

namespace tavelo {

// Program identity, level catalogue, current student and level, and the drill in progress.
struct CatalogueState {
  QString programTitle;
  LevelTable<QString> levelNames{};
  LevelTable<qint16> levelRecorded{};
  qint16 levelCount = 0;
  qint16 goalLevel = 0;
  qint16 hubPrintSwitch = 0;
  qint16 hubLevelSwitch = 0;
};

struct CurrentStudentState {
  QString studentName;
  qint16 studentIndex = 0;
  QString studentGrade;
  qint32 studentStartSeconds = 0;
  qint16 levelIndex = 0;
};

struct DrillState {
  qint16 questionCount = 0;
  qint32 correctCount = 0;
  qint16 judgement = 0;  // 0 none, 1 correct, 2 wrong
  // Start of the drill on the monotonic clock, in milliseconds; a time penalty moves it
  // 10 seconds earlier. The monotonic clock keeps drills that cross midnight correct.
  qint64 drillStartMs = 0;
  qint32 elapsedSeconds = 0;
  qint32 drillTime = 0;
  qint16 drillFinished = 0;
  qint16 endingStarted = 0;
  qint16 timedOut = 0;
  qint32 timeBarMax = 0;
  double timeBarScale = 0;
  qint16 totalTries = 0;
};

}  // namespace tavelo

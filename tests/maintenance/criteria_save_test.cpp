#include "maintenance/criteria_save.h"
#include "core/shared_state.h"
#include "storage/backup.h"
#include "storage/criteria.h"
#include "storage/file_names.h"
#include "storage/sjis.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace tavelo::maintenance {
namespace {

using namespace Qt::Literals::StringLiterals;

QByteArray readBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The two grids the worker alternates, as the file holds them.
QByteArray gridBytes(int target) {
  QString text = u"目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\r\n"_s;
  for (int level = 1; level <= 35; ++level) {
    text += u"%1,60,40,5,1.5,15,200,14,1,,,レベル%2のメモ\r\n"_s.arg(level == 1 ? target : 25)
                .arg(level);
  }
  return storage::encodeSjis(text);
}

class CriteriaSaveRules : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    state->programDataFolder = dir.path() + u'/';
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(gridBytes(30));
  }
  QString path() const { return state->programDataFolder + storage::criteriaFileName(); }

  QTemporaryDir dir;
  std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
  const QDateTime now{QDate(2026, 12, 10), QTime(10, 0)};
};

TEST_F(CriteriaSaveRules, RefusedGridsWriteNothing) {
  const auto rows = [](int count, const QString& cell = u"1"_s) {
    std::vector<QStringList> r(static_cast<std::size_t>(count), QStringList(12, u"25"_s));
    r.back()[3] = cell;
    return r;
  };
  struct Case {
    std::vector<QStringList> rows;
    QString says;  // empty: accepted
  };
  const Case cases[] = {
      {rows(35), {}},
      {rows(36), u"36 行"_s},
      {rows(4, u"5,5"_s), u"レベル4 の 4列目「ｸﾘｱ回数」"_s},
      {rows(2, u"\"5"_s), u"レベル2 の 4列目"_s},
      {rows(3, u"5\n"_s), u"レベル3 の 4列目"_s},
      {rows(3, u"5\r"_s), u"レベル3 の 4列目"_s},
      {rows(1, u"☃"_s), u"レベル1 の 4列目"_s},
      {rows(1, u"　五回 "_s), {}},  // text, blanks and full-width characters are saved as typed
  };
  for (const Case& c : cases) {
    EXPECT_EQ(criteriaRowsRefusal(c.rows).isEmpty(), c.says.isEmpty()) << c.says.toStdString();
    EXPECT_TRUE(criteriaRowsRefusal(c.rows).contains(c.says))
        << criteriaRowsRefusal(c.rows).toStdString();
  }
  const QByteArray before = readBytes(path());
  const CriteriaSave refused = saveCriteriaRows(*state, now, rows(2, u"1,2"_s));
  EXPECT_FALSE(refused.written);
  EXPECT_TRUE(refused.message.contains(u"何も記録していません"_s));
  EXPECT_EQ(readBytes(path()), before);
  EXPECT_FALSE(QDir(storage::backupFolder(state->programDataFolder)).exists());
}

TEST_F(CriteriaSaveRules, SavingReloadsOnlyTheEntriesOfTheFile) {
  state->criteriaTargetTime[36 - 1] = 0;
  state->criteriaTargetTime[12] = 99;
  std::vector<QStringList> rows(10, QStringList{u"70"_s,
                                                u"140"_s,
                                                u"30"_s,
                                                u"3"_s,
                                                u"2.5"_s,
                                                u"5"_s,
                                                u"50"_s,
                                                u"7"_s,
                                                u"1"_s,
                                                {},
                                                {},
                                                {}});
  const CriteriaSave saved = saveCriteriaRows(*state, now, rows);
  EXPECT_TRUE(saved.written);
  EXPECT_TRUE(saved.message.isEmpty()) << saved.message.toStdString();
  EXPECT_EQ(state->criteriaTargetTime[10], 70);
  EXPECT_FLOAT_EQ(state->criteriaPointFactor[1], 2.5F);
  EXPECT_EQ(state->criteriaTargetTime[12], 99);                // beyond the file's last line
  EXPECT_EQ(state->criteriaOverdoCount[0].text(), u"禁回"_s);  // the header line
  auto back = storage::readCriteriaRows(path());
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, rows);
}

// A save killed at any moment leaves the old file or the new one, whole.
TEST_F(CriteriaSaveRules, ASaveKilledMidwayLeavesTheOldFileOrTheNewOne) {
  const QByteArray a = gridBytes(30);
  const QByteArray b = gridBytes(40);
  int sawA = 0;
  int sawB = 0;
  for (int run = 0; run < 100; ++run) {
    QProcess worker;
    worker.start(QStringLiteral(TAVELO_CRITERIA_SAVE_WORKER),
                 {state->programDataFolder, QString::number(run * 10'000)});
    ASSERT_TRUE(worker.waitForStarted());
    // Kill it somewhere inside a later save, after at least one has finished.
    ASSERT_TRUE(worker.waitForReadyRead(30'000)) << worker.readAllStandardError().toStdString();
    QThread::usleep(QRandomGenerator::global()->bounded(80'000));
    ::kill(static_cast<pid_t>(worker.processId()), SIGKILL);
    worker.waitForFinished();
    const QByteArray bytes = readBytes(path());
    ASSERT_TRUE(bytes == a || bytes == b) << "run " << run << ": " << bytes.size() << " bytes";
    (bytes == a ? sawA : sawB)++;
    auto rows = storage::readCriteriaRows(path());
    ASSERT_TRUE(rows) << rows.error().message.toStdString();
    EXPECT_EQ(rows->size(), 35U);
  }
  EXPECT_GT(sawA, 0);
  EXPECT_GT(sawB, 0);
  // The next save after the crashes works and keeps the newest 20 copies; every copy in the
  // backup folder is whole.
  std::vector<QStringList> rows = *storage::readCriteriaRows(path());
  rows[0][0] = u"50"_s;
  const CriteriaSave saved = saveCriteriaRows(*state, now.addYears(1), rows);
  EXPECT_TRUE(saved.written && saved.message.isEmpty()) << saved.message.toStdString();
  const QDir backups(storage::backupFolder(state->programDataFolder));
  const QStringList copies = backups.entryList({u"タイム回数データ_*.txt"_s}, QDir::Files);
  EXPECT_LE(copies.size(), storage::kBackupsKept);
  for (const QString& name : copies) {
    const QByteArray copy = readBytes(backups.filePath(name));
    EXPECT_TRUE(copy == a || copy == b) << name.toStdString();
  }
}

}  // namespace
}  // namespace tavelo::maintenance

#include "storage/configuration.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "storage/criteria.h"
#include "storage/file_names.h"
#include "storage/sjis.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace tavelo::storage {
namespace {

QByteArray readBytes(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
  return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  f.write(bytes);
}

// Every file below root with its bytes, to show that loading writes nothing.
QMap<QString, QByteArray> snapshot(const QString& root) {
  QMap<QString, QByteArray> files;
  QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    files.insert(path, readBytes(path));
  }
  return files;
}

class Configuration : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    layout = demo::demoLayout(dir.path());
    ASSERT_FALSE(demo::createDemoInstallation(dir.path(), {}, QDate(2026, 12, 10)).has_value());
  }
  QString criteriaPath() const { return layout.programDataFolder + criteriaFileName(); }

  QTemporaryDir dir;
  demo::DemoLayout layout;
  std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
};

TEST_F(Configuration, LoadsTheDemoInstallation) {
  ASSERT_FALSE(loadConfiguration(*state, layout.programFolder).has_value());
  EXPECT_EQ(state->programFolder, layout.programFolder + u'/');
  EXPECT_EQ(state->dataRoot, layout.dataRoot);
  EXPECT_EQ(state->programFolderName, QStringLiteral("tavelo"));
  EXPECT_EQ(state->programDataFolder, layout.dataRoot + QStringLiteral("tavelo/"));
  EXPECT_EQ(state->soundFolder, layout.dataRoot + QStringLiteral("音フォルダ/"));
  EXPECT_EQ(state->siteCode, QStringLiteral("12345"));
  EXPECT_EQ(state->siteName, QStringLiteral("みどり教室"));
  EXPECT_EQ(state->schoolYearStartMonth.toInt(), 4);
  EXPECT_EQ(state->dataPassword.text(), QStringLiteral("1234"));
  EXPECT_EQ(state->programTitle, QStringLiteral("Tavelo"));
  EXPECT_EQ(state->criteriaTargetTime[1], 25);
  EXPECT_EQ(state->criteriaMinimumTime[5], 120);
  EXPECT_FLOAT_EQ(state->criteriaPointFactor[5], 1.5F);
  EXPECT_EQ(state->criteriaPassDays[1].toInt(), 14);
  EXPECT_EQ(state->criteriaOverdoCount[0].text(), QStringLiteral("禁回"));
  EXPECT_EQ(state->criteriaTargetTime[0], 0);
  EXPECT_EQ(state->soundStemCount[2], 2);
  EXPECT_EQ(state->soundStems[2][2], QStringLiteral("せいかい"));
  EXPECT_EQ(state->soundKindNames[10], QStringLiteral("不合格音1"));
}

TEST_F(Configuration, DataRootWithoutSeparatorGetsOne) {
  QString items = layout.dataRoot;
  items.chop(1);
  writeBytes(layout.root + u'/' + pathFileName(),
             encodeSjis(items + QStringLiteral(",,,,,,,,,\r\n")));
  ASSERT_FALSE(loadConfiguration(*state, layout.programFolder).has_value());
  EXPECT_EQ(state->dataRoot, layout.dataRoot);
  EXPECT_EQ(state->criteriaTargetTime[1], 25);
}

TEST(SiteItem, Splits) {
  struct Case {
    const char* item;
    const char* code;
    const char* name;
  };
  const Case cases[] = {{"12345ABC教室", "12345", "ABC教室"},
                        {"00000ABC", "", "00000ABC"},
                        {"12345", "12345", ""},
                        {"みどり教室", "", "みどり教室"}};
  for (const Case& c : cases) {
    QString code, name;
    splitSiteItem(QString::fromUtf8(c.item), code, name);
    EXPECT_EQ(code, QString::fromUtf8(c.code)) << c.item;
    EXPECT_EQ(name, QString::fromUtf8(c.name)) << c.item;
  }
}

TEST_F(Configuration, FailuresNameTheFileAndWriteNothing) {
  struct Case {
    const char* name;
    std::function<void()> damage;
    QString file;
    const char* says;
  };
  const QString pathFile = layout.root + u'/' + pathFileName();
  const QString configFile = layout.dataRoot + sharedConfigFileName();
  const QString soundTable = layout.dataRoot + QStringLiteral("音フォルダ/") + soundTableFileName();
  const Case cases[] = {
      {"missing path file", [&] { QFile::remove(pathFile); }, pathFile, "ありません"},
      {"path file with only the data root",
       [&] { writeBytes(pathFile, encodeSjis(layout.dataRoot + QStringLiteral("\r\n"))); },
       pathFile, "足りません"},
      {"missing shared configuration", [&] { QFile::remove(configFile); }, configFile,
       "ありません"},
      {"short shared configuration", [&] { writeBytes(configFile, "4\r\nx\r\n0\r\n"); }, configFile,
       "3 個しか"},
      {"missing criteria", [&] { QFile::remove(criteriaPath()); }, criteriaPath(), "ありません"},
      {"criteria with a short line",
       [&] { writeBytes(criteriaPath(), readBytes(criteriaPath()) + "1,2,3\r\n"); }, criteriaPath(),
       "7 行目"},
      {"criteria with 37 lines",
       [&] {
         QByteArray bytes = readBytes(criteriaPath());
         for (int i = 6; i <= 36; ++i) bytes += "1,2,3,4,5,6,7,8,9,,,\r\n";
         writeBytes(criteriaPath(), bytes);
       },
       criteriaPath(), "37 行目"},
      {"missing sound table", [&] { QFile::remove(soundTable); }, soundTable, "ありません"},
  };
  for (const Case& c : cases) {
    SetUp();
    c.damage();
    const auto before = snapshot(dir.path());
    auto fresh = std::make_unique<SharedState>();
    const Status status = loadConfiguration(*fresh, layout.programFolder);
    ASSERT_TRUE(status.has_value()) << c.name;
    EXPECT_TRUE(status->message.contains(c.file))
        << c.name << ": " << status->message.toStdString();
    EXPECT_TRUE(status->message.contains(QString::fromUtf8(c.says)))
        << c.name << ": " << status->message.toStdString();
    EXPECT_EQ(snapshot(dir.path()), before) << c.name;
  }
}

TEST_F(Configuration, CriteriaSaveIsByteForByte) {
  ASSERT_FALSE(loadCriteria(*state, criteriaPath()).has_value());
  const QByteArray original = readBytes(criteriaPath());
  const QString copy = dir.path() + QStringLiteral("/copy.txt");
  ASSERT_FALSE(saveCriteria(*state, copy, 5).has_value());
  EXPECT_EQ(readBytes(copy), original);
}

TEST_F(Configuration, CriteriaReloadKeepsEntriesBeyondTheLastLine) {
  ASSERT_FALSE(loadCriteria(*state, criteriaPath()).has_value());
  writeBytes(criteriaPath(),
             encodeSjis(QStringLiteral(
                 "目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\r\n"
                 "70,140,30,3,1.5,5,50,7,1,,,\r\n")));
  ASSERT_FALSE(loadCriteria(*state, criteriaPath()).has_value());
  EXPECT_EQ(state->criteriaTargetTime[1], 70);
  EXPECT_FLOAT_EQ(state->criteriaPointFactor[1], 1.5F);
  EXPECT_EQ(state->criteriaTargetTime[2], 25);  // from the earlier load
  EXPECT_EQ(state->criteriaTargetTime[6], 0);   // never had a line
}

}  // namespace
}  // namespace tavelo::storage

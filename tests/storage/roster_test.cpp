#include "storage/roster.h"
#include "core/shared_state.h"
#include "storage/sjis.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavelo::storage {
namespace {

class Roster : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    state->dataRoot = dir.path() + u'/';
    state->schoolYearStartMonth = AnyValue(QStringLiteral("4"));
  }
  void writeRoster(const QString& text) {
    QFile f(state->dataRoot + QStringLiteral("新名簿.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(encodeSjis(text));
  }
  QTemporaryDir dir;
  std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
};

TEST_F(Roster, GradesFollowTheSchoolYear) {
  writeRoster(QStringLiteral("1,1996,0,0,青木　はると,0,,\r\n2,1997,0,0,石田　ゆい,0,,\r\n"));
  struct Case {
    QDate today;
    int schoolYear;
    const char* label1;
    const char* label2;
  };
  const Case cases[] = {{QDate(2004, 2, 10), 2003, "小１", "幼３"},
                        {QDate(2004, 3, 31), 2003, "小１", "幼３"},
                        {QDate(2004, 4, 1), 2004, "小２", "小１"}};
  for (const Case& c : cases) {
    ASSERT_FALSE(loadRoster(*state, c.today).has_value());
    EXPECT_EQ(state->schoolYear, c.schoolYear);
    EXPECT_EQ(state->rosterGradeLabels[1], QString::fromUtf8(c.label1));
    EXPECT_EQ(state->rosterGradeLabels[2], QString::fromUtf8(c.label2));
  }
  EXPECT_EQ(gradeNumber(*state, 1), 2);
}

TEST_F(Roster, ListedEntriesAndPerNumberTables) {
  const QString text = QStringLiteral(
      "10,2016,0,0,上野　そうた,0,,\r\n"
      "11,2016,0,0,大川　さくら,1,,\r\n"
      "12,2016,0,0,加藤　れん,2,,\r\n"
      "13,2016,0,0,\"木村, ひなた\",0,,\r\n"
      "14,2016,0,0,とても長い名前の生徒さんがここにいますよ,0,,\r\n");
  writeRoster(text);
  for (const char* listed : {"0", "1"}) {
    state->rosterStatus2Listed = AnyValue(QString::fromUtf8(listed));
    ASSERT_FALSE(loadRoster(*state, QDate(2026, 12, 10)).has_value());
    const bool status2 = QByteArray(listed) == "1";
    ASSERT_EQ(state->rosterCount(), status2 ? 4 : 3);
    EXPECT_EQ(state->roster[0].number, 10);
    EXPECT_EQ(state->roster[1].number, status2 ? 12 : 13);
    EXPECT_EQ(state->rosterNames[11], QStringLiteral("大川　さくら").leftJustified(20, u' '));
    EXPECT_EQ(state->rosterGradeLabels[11], QStringLiteral("小４"));
    EXPECT_EQ(state->rosterNames[13].trimmed(), QStringLiteral("木村, ひなた"));
    EXPECT_EQ(state->rosterNames[14],
              QStringLiteral("とても長い名前の生徒さんがここにいますよ").left(20));
    EXPECT_EQ(state->rosterNames[14].size(), 20);
  }
}

TEST_F(Roster, BadLinesAreReportedWithFileAndLine) {
  struct Case {
    const char* text;
    const char* says;
  };
  const Case cases[] = {
      {"1,2016,0,0,a,0,,\r\n2,2016,0,0,b,0,\r\n3,2016,0,0,c,0,,\r\n", "2 行目"},
      {"1,2016,0,0,a,0,,\r\nx1,2016,0,0,b,0,,\r\n", "2 行目"},
      {"1,2016,0,0,a,0,,\r\n6000,2016,0,0,b,0,,\r\n", "6000"},
      {"1,20x6,0,0,a,0,,\r\n", "1 行目"},
  };
  for (const Case& c : cases) {
    writeRoster(QString::fromUtf8(c.text));
    const Status status = loadRoster(*state, QDate(2026, 12, 10));
    ASSERT_TRUE(status.has_value()) << c.text;
    EXPECT_TRUE(status->message.contains(QStringLiteral("新名簿.txt")))
        << status->message.toStdString();
    EXPECT_TRUE(status->message.contains(QString::fromUtf8(c.says)))
        << status->message.toStdString();
  }
  QFile::remove(state->dataRoot + QStringLiteral("新名簿.txt"));
  EXPECT_TRUE(loadRoster(*state, QDate(2026, 12, 10)).has_value());
}

TEST(Grades, FilterLabelsAndMarks) {
  struct Filter {
    const char* filter;
    int grade;
    bool shown;
  };
  const Filter filters[] = {
      {"全学年", -3, true},      {"家族", 15, true},       {"小学生全体", 1, true},
      {"小学生全体", 0, false},  {"小学生全体", 7, false}, {"中学生全体", 9, true},
      {"中学生全体", 10, false}, {"小３", 3, true},        {"小３", 4, false},
      {"中１", 7, true},         {"高１", 10, false},      {"", 1, false}};
  for (const Filter& f : filters) {
    EXPECT_EQ(gradeMatches(QString::fromUtf8(f.filter), f.grade), f.shown) << f.filter << f.grade;
  }
  const std::pair<int, const char*> codes[] = {{-5, "幼-"}, {-2, "幼1"}, {-1, "幼2"}, {0, "幼3"},
                                               {1, "小1"},  {6, "小6"},  {7, "中1"},  {9, "中3"},
                                               {10, "高1"}, {12, "高3"}, {13, "大+"}};
  for (const auto& [grade, code] : codes) EXPECT_EQ(gradeShortCode(grade), QString::fromUtf8(code));
  EXPECT_EQ(gradeLabel(0), QStringLiteral("幼３"));
  EXPECT_EQ(gradeLabel(10), QStringLiteral("高１"));
  EXPECT_TRUE(gradeLabel(11).isEmpty());
  EXPECT_TRUE(gradeLabel(-1).isEmpty());
  const std::pair<int, const char*> marks[] = {{1, "①"}, {6, "⑥"},   {7, "Ⅰ"},
                                               {9, "Ⅲ"}, {10, "　"}, {0, "　"}};
  for (const auto& [n, mark] : marks) EXPECT_EQ(numberMark(n), QString::fromUtf8(mark));
}

}  // namespace
}  // namespace tavelo::storage

#include "../hub/demo_fixture.h"
#include "printing/print_screen.h"
#include "printing/print_settings_screen.h"

#include <QCheckBox>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tavelo {
namespace {

using namespace Qt::Literals::StringLiterals;

// The print settings screen on the demo installation, whose source has sixteen proverbs
// on each level.
class PrintScreens : public testing::DemoFixture {
 protected:
  void SetUp() override {
    DemoFixture::SetUp();
    settings = std::make_unique<FormPrint0>(*state, fakes.services);
    settings->show();
    settings->Form_Load();
  }
  template <typename T>
  T* find(QWidget* screen, const QString& name) const {
    auto* child = screen->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  void click(const QString& name) const {
    QTest::mouseClick(find<QAbstractButton>(settings.get(), name), Qt::LeftButton, {},
                      QPoint(8, 8));
  }
  QString cell(int row, int column) const { return state->printTable(row, column); }
  // The demo's first sixteen lines are level 1; the meanings of rows 1..15.
  QStringList meanings() const {
    QStringList list;
    for (int row = 1; row <= 15; ++row) list.append(cell(row, 2));
    return list;
  }
  QString source() const { return layout.programFolder + u"/プロト.csv"_s; }
  std::unique_ptr<FormPrint0> settings;
};

TEST_F(PrintScreens, OpensOnLevelOneShuffledAndEveryChangePreparesFromTheFile) {
  EXPECT_EQ(settings->windowTitle(), u"印刷設定"_s);
  auto* list = find<QListWidget>(settings.get(), u"List1"_s);
  ASSERT_EQ(list->count(), 8);
  EXPECT_EQ(list->selectedItems().size(), 1);
  EXPECT_TRUE(find<QCheckBox>(settings.get(), u"Check1"_s)->isChecked());
  EXPECT_TRUE(find<QRadioButton>(settings.get(), u"Option1_1"_s)->isChecked());
  EXPECT_EQ(state->printColumnCount, 4);
  EXPECT_EQ(cell(1, 1), u"①"_s);

  click(u"Option1_5"_s);
  EXPECT_EQ(state->printColumnCount, 6);
  for (int row = 1; row <= 15; ++row) {
    EXPECT_TRUE(cell(row, 3).isEmpty() && cell(row, 4).isEmpty()) << row;
    EXPECT_FALSE(cell(row, 5).isEmpty() || cell(row, 6).isEmpty()) << row;
  }
  // Another mode starts again from the file: nothing stays blank.
  click(u"Option1_1"_s);
  for (int row = 1; row <= 15; ++row) {
    for (int column = 2; column <= 4; ++column) EXPECT_FALSE(cell(row, column).isEmpty());
  }
  click(u"Check1"_s);  // unshuffled: the first fifteen of level 1 in file order
  const QStringList ordered = meanings();
  EXPECT_EQ(ordered.first(), u"何かをすると思わぬ災難や幸運に出会う"_s);
  click(u"Command3"_s);
  EXPECT_EQ(meanings(), ordered);
  click(u"Check1"_s);
  EXPECT_NE(meanings(), ordered);

  // Levels 2 and 5 together.
  list->clearSelection();
  list->item(1)->setSelected(true);
  list->item(4)->setSelected(true);
  click(u"Check1"_s);
  EXPECT_EQ(cell(1, 2), u"いくら言い聞かせても効き目がない"_s);
  EXPECT_EQ(cell(15, 2), u"不運の上にさらに不運が重なる"_s);  // level 2 comes first
  EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(PrintScreens, AFaultySourceIsShownAndLeavesTheTableAndTheScreenAsTheyWere) {
  click(u"Check1"_s);
  const QStringList before = meanings();
  ASSERT_TRUE(QFile::rename(source(), source() + u".bak"_s));
  click(u"Option1_2"_s);
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_TRUE(fakes.dialogs.messages[0].text.contains(source()));
  EXPECT_EQ(meanings(), before);
  EXPECT_EQ(state->printColumnCount, 4);

  QFile bad(source());
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("1,a,b,c,,,,,\r\n12,a,b,c,,,,,\r\n");
  bad.close();
  click(u"Command3"_s);
  ASSERT_EQ(fakes.dialogs.messages.size(), 2U);
  EXPECT_TRUE(fakes.dialogs.messages[1].text.contains(u"2 行目"_s));
  EXPECT_EQ(meanings(), before);

  ASSERT_TRUE(QFile::remove(source()));
  ASSERT_TRUE(QFile::rename(source() + u".bak"_s, source()));
  click(u"Command3"_s);
  EXPECT_EQ(fakes.dialogs.messages.size(), 2U);
  EXPECT_EQ(state->printColumnCount, 5);
}

// The pages of a PDF rendered to an image, for comparing two print jobs.
QByteArray rendered(const QString& pdf) {
  QProcess process;
  process.start(u"pdftoppm"_s, {u"-r"_s, u"40"_s, u"-gray"_s, pdf});
  process.waitForFinished(30000);
  return process.readAllStandardOutput();
}

TEST_F(PrintScreens, PrintingTwiceGivesTwoIdenticalPagesAndTheSamePreview) {
  click(u"Command1"_s);
  auto* print = qobject_cast<frmPrint*>(settings->printScreen());
  ASSERT_NE(print, nullptr);
  EXPECT_TRUE(print->isVisible());
  EXPECT_TRUE(settings->isVisible());
  const QImage preview = print->preview();
  EXPECT_EQ(preview.width(), qRound(11906 * 0.63 * 1.03 / 15));

  auto* command9 = find<QPushButton>(print, u"Command9"_s);
  QTest::mouseClick(command9, Qt::LeftButton);
  const QString first = fakes.printer.lastPdf;
  QTest::mouseClick(command9, Qt::LeftButton);
  const QString second = fakes.printer.lastPdf;
  ASSERT_FALSE(first.isEmpty());
  ASSERT_NE(first, second);
  EXPECT_EQ(testing::pdfPageCount(first), 1);
  EXPECT_EQ(testing::pdfPageCount(second), 1);
  const QByteArray page = rendered(first);
  EXPECT_FALSE(page.isEmpty());
  EXPECT_EQ(page, rendered(second));
  const QString text = testing::pdfText(first);
  EXPECT_TRUE(text.contains(u"１列目"_s.normalized(QString::NormalizationForm_KC)));
  EXPECT_TRUE(text.contains(state->printTable(15, 3).normalized(QString::NormalizationForm_KC)));
  EXPECT_EQ(print->preview(), preview);
  EXPECT_FALSE(find<QCheckBox>(print, u"Check1"_s)->isChecked());
  EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(PrintScreens, ACancelledOrFailedPrintKeepsThePreviewAndLeavingDropsTheJob) {
  settings->Command1_Click();
  auto* print = qobject_cast<frmPrint*>(settings->printScreen());
  ASSERT_NE(print, nullptr);
  const QImage preview = print->preview();
  fakes.printer.cancel = true;
  print->Command9_Click();
  EXPECT_TRUE(fakes.printer.lastPdf.isEmpty());
  fakes.printer.cancel = false;
  fakes.printer.failBegin = true;
  print->Command9_Click();
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_EQ(print->preview(), preview);

  // A job still running when the screen closes is abandoned: no file is left.
  fakes.printer.failBegin = false;
  auto job = fakes.printer.begin(nullptr, u"途中"_s, platform::PageOrientation::Portrait);
  ASSERT_TRUE(job.ok());
  QTest::mouseClick(find<QPushButton>(print, u"Command8"_s), Qt::LeftButton);
  QTest::qWait(0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(settings->printScreen(), nullptr);
  EXPECT_TRUE(fakes.printer.lastPdf.isEmpty());
  EXPECT_TRUE(QDir(fakes.printer.folder.path()).entryList(QDir::Files).isEmpty());
  EXPECT_TRUE(settings->isVisible());
}

}  // namespace
}  // namespace tavelo

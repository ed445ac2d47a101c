#pragma once

#include "hub/results_graph.h"

#include <QImage>
#include <QObject>

#include <functional>

class QListWidget;
class QPushButton;
class QWidget;

namespace tavelo {
struct SharedState;
namespace platform {
struct Services;
}
}  // namespace tavelo

namespace tavelo::hub {

// The results graph panel of the hub (Picture11): the student and level choosers, drawing
// on the surface Picture12 and printing on A4. It works the controls that the hub placed
// in the panel, found by their names.
class GraphPanel : public QObject {
 public:
  struct Hooks {
    std::function<QString()> gradeFilter;  // the hub's grade filter
    // The ranking figures of a student on a level, from the hub's rankings.
    std::function<RankFigures(int level, int student)> ranks;
  };

  GraphPanel(QWidget& picture11, SharedState& state, platform::Services& services, Hooks hooks);

  // Fills the student chooser from the loaded roster and the level chooser with 1..levelCount.
  void fillChoosers();

  void Command17_Click();
  void Command25_Click();
  void List2_Click();
  void List3_Click();
  void Command24_Click(int k);
  void Command18_Click();

  // Draws the chosen levels of graphStudent: k = 0 on the screen, 1 on the printer.
  void draw(int k);

  // The bands of the chosen levels for graphStudent (stops at a level above levelCount).
  [[nodiscard]] std::vector<GraphBand> chosenBands() const;
  [[nodiscard]] const QImage& surfaceImage() const { return surface_; }

  int graphStudent = 0;
  int graphLevelOffset = 1;
  int graphBaseFontSize = 6;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void print();

  QWidget& picture11_;
  QWidget* picture12_ = nullptr;
  QListWidget* list2_ = nullptr;
  QListWidget* list3_ = nullptr;
  QPushButton* command25_ = nullptr;
  SharedState& state_;
  platform::Services& services_;
  Hooks hooks_;
  QImage surface_;
};

}  // namespace tavelo::hub

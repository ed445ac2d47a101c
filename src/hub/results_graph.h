#pragma once

#include "hub/list_fields.h"
#include "platform/result.h"

#include <QColor>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;

namespace tavelo {
struct SharedState;
}

namespace tavelo::hub {

// Drills this long or longer are not counted in the graph's figures.
inline constexpr int kGraphCountedBelow = 1800;

struct GraphDrill {
  qint32 time = 0;
  double date = 0;  // day serial
};

// The ranking figures of one student on one level, read from the level's rankings.
struct RankFigures {
  QString timeRank;   // as the time ranking shows it, 3 characters ("---": no record)
  QString pointRank;  // as the point ranking shows it, 3 characters
  qint64 ownPoints = 0;
  int rankedWithPoints = 0;  // students of the ranking with points above 0
  qint64 pointsSum = 0;      // and the sum of their points
};

// The figures the graph takes from a level's rankings (entries of the point ranking and
// of the time ranking): the student's ranks and points, and the count and sum of the
// listed students with points so far. A student without a line keeps empty ranks.
RankFigures rankFigures(const ListEntries& pointEntries, const ListEntries& timeEntries,
                        int student);

// Everything one band of the graph shows.
struct BandFigures {
  int count = 0;  // the student's drills below kGraphCountedBelow
  qint64 ownSum = 0;
  qint32 ownSlowest = 0;
  int groupCount = 0;  // every student's drills below kGraphCountedBelow
  qint64 groupSum = 0;
  qint32 groupFastest = 0;
  std::vector<GraphDrill> own;  // the student's drills in file order (none when filtered out)
  RankFigures ranks;
};

// The band figures of student on level from the loaded results (drills of the last 3650
// days before now, levels up to levelCount). gradePasses: the student's grade passes the
// hub's grade filter; otherwise no drill of theirs is plotted.
BandFigures bandFigures(const SharedState& state, int level, int student, bool gradePasses,
                        double nowSerial);

// A point of the plot, in device coordinates of the target.
struct PlottedPoint {
  QPointF at;
  bool best = false;     // a personal best: red, joined by the line of bests
  bool clipped = false;  // beyond the scale top: drawn at the top of the plot with a marker
};

// Indexes of the personal bests among drills: the first counted drill, then every counted
// drill faster than the last best before it.
std::vector<std::size_t> personalBests(const std::vector<GraphDrill>& drills);

// Scale top of a band: 10 above the slowest counted drill, in tens, at most 1000.
int scaleTop(const BandFigures& figures);

// The points of a band whose top is bandTop on a target of size.
std::vector<PlottedPoint> plotPoints(const BandFigures& figures, QSizeF size, double bandTop);

inline const QColor kBestColour{255, 0, 0};
inline const QColor kDrillColour{0, 0, 255};

struct GraphBand {
  QString studentName;
  QString title;  // the program title and the level's title
  BandFigures figures;
};

// Where a graph is drawn: the screen's surface or a print job's page.
struct GraphSurface {
  QPainter& painter;
  QSizeF size;  // device pixels
  bool toPrinter = false;
  int baseFontSize = 6;
  // Clears the screen surface or starts a new page; an Error ends the drawing.
  std::function<Status()> nextPage;
};

// Draws the bands, three to a page, each with its plot and its figures block. Returns the
// error of a failed page change.
Status drawGraph(GraphSurface& surface, const std::vector<GraphBand>& bands);

// Tops of the bands of a graph of bandCount bands (a new page starts where the top falls
// back); the same rule drawGraph follows.
std::vector<double> bandTops(int bandCount, double height);

// One line of the figures block, at step lines below the block's top.
struct FigureLine {
  double step = 0;
  QString text;
};
std::vector<FigureLine> figureLines(const BandFigures& figures);

}  // namespace tavelo::hub

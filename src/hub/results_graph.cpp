#include "hub/results_graph.h"

#include "core/screen_style.h"
#include "core/shared_state.h"
#include "platform/calendar.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace tavelo::hub {

namespace {

// The number pattern of the figures: a whole number, nothing for 0.
QString pattern(qint64 value) {
  return value == 0 ? QString() : QString::number(value);
}

// A rank text as the pattern shows it: its number, or the text itself when it is none.
QString rankPattern(const QString& rank) {
  bool ok = false;
  const qint64 n = rank.trimmed().toLongLong(&ok);
  return ok ? pattern(n) : rank.trimmed();
}

// Right-aligned in width characters: blanks in front, the last width characters kept.
QString right(const QString& text, int width) {
  return (QString(width, QLatin1Char(' ')) + text).right(width);
}

QString timeText(qint32 seconds) {
  return QString::number(seconds) + QStringLiteral("秒");
}

QString dateText(double serial) {
  return platform::shortDateText(platform::dateFromSerial(serial));
}

}  // namespace

RankFigures rankFigures(const ListEntries& pointEntries, const ListEntries& timeEntries,
                        int student) {
  RankFigures r;
  for (const ListEntry& e : pointEntries) {
    if (e.points > 0) {
      ++r.rankedWithPoints;
      r.pointsSum += e.points;
    }
    if (e.student == student && r.pointRank.isEmpty()) {
      r.pointRank = QString::number(e.rank);
      r.ownPoints = e.points;
    }
  }
  for (const ListEntry& e : timeEntries) {
    if (e.student != student) continue;
    const bool noRecord = e.time == kTimedOut || e.time == -kTimedOut;
    r.timeRank = noRecord ? QStringLiteral("---") : QString::number(e.rank);
    break;
  }
  return r;
}

BandFigures bandFigures(const SharedState& state, int level, int student, bool gradePasses,
                        double nowSerial) {
  BandFigures f;
  const double since = nowSerial - 3650;
  for (const LoadedResult& r : state.loadedResults) {
    if (r.level != level || r.level > state.levelCount || r.date + r.timeOfDay <= since) {
      continue;
    }
    const bool counted = r.drillTime < kGraphCountedBelow;
    if (counted) {
      f.groupSum += r.drillTime;
      f.groupFastest = f.groupCount == 0 ? r.drillTime : std::min(f.groupFastest, r.drillTime);
      ++f.groupCount;
    }
    if (r.student != student) continue;
    if (counted) {
      ++f.count;
      f.ownSum += r.drillTime;
      f.ownSlowest = std::max(f.ownSlowest, r.drillTime);
    }
    if (gradePasses) f.own.push_back({r.drillTime, r.date});
  }
  return f;
}

std::vector<std::size_t> personalBests(const std::vector<GraphDrill>& drills) {
  std::vector<std::size_t> bests;
  for (std::size_t k = 0; k < drills.size(); ++k) {
    const qint32 t = drills[k].time;
    if (t < kGraphCountedBelow && (bests.empty() || t < drills[bests.back()].time)) {
      bests.push_back(k);
    }
  }
  return bests;
}

int scaleTop(const BandFigures& figures) {
  return std::min(10 * (figures.ownSlowest / 10 + 1), 1000);
}

std::vector<PlottedPoint> plotPoints(const BandFigures& figures, QSizeF size, double bandTop) {
  const double f = size.width() / 2;
  const double c = size.height() / 3;
  const double ymax = scaleTop(figures);
  const double plotTop = 0.1 * c;
  std::vector<PlottedPoint> points;
  int i = 0;
  const std::vector<std::size_t> bests = personalBests(figures.own);
  auto nextBest = bests.begin();
  for (std::size_t k = 0; k < figures.own.size(); ++k) {
    const GraphDrill& d = figures.own[k];
    const bool counted = d.time < kGraphCountedBelow;
    if (counted) ++i;
    // Without counted drills the points stand on the vertical axis.
    const double x = f * (0.2 + (figures.count > 0 ? 0.7 * i / figures.count : 0));
    double h = c * (0.8 - 0.7 * d.time / ymax);
    PlottedPoint p;
    p.best = nextBest != bests.end() && *nextBest == k;
    if (p.best) ++nextBest;
    if (!counted || h < plotTop) {
      p.clipped = true;
      h = plotTop;
    }
    p.at = QPointF(x, bandTop + h);
    points.push_back(p);
  }
  return points;
}

std::vector<double> bandTops(int bandCount, double height) {
  std::vector<double> tops;
  double top = 0.05 * height - 0.3 * height;
  for (int j = 0; j < bandCount; ++j) {
    top += 0.3 * height;
    if (top > 0.9 * height) top = 0.05 * height;
    tops.push_back(top);
  }
  return tops;
}

std::vector<FigureLine> figureLines(const BandFigures& f) {
  std::vector<FigureLine> lines;
  double step = 0;
  const auto add = [&](QString text) { lines.push_back({step++, std::move(text)}); };
  add(QStringLiteral("回数　　　　　　　") + right(pattern(f.count), 3) + QStringLiteral("回"));
  add(QStringLiteral("タイム  　　 　    本人 / 塾全体"));
  add(QStringLiteral("　　順位　　　　") + right(rankPattern(f.ranks.timeRank.left(3)), 5) +
      QStringLiteral("位"));
  const std::vector<std::size_t> bests = personalBests(f.own);
  const QString best = bests.empty() ? QString() : timeText(f.own[bests.back()].time);
  add(QStringLiteral("　　最高　　　　") + right(best, 6) + QStringLiteral(" /") +
      right(pattern(f.groupFastest), 5) + QStringLiteral("秒"));
  if (f.count != 0) {
    const qint64 groupAverage =
        f.groupCount == 0 ? 0 : std::llround(static_cast<double>(f.groupSum) / f.groupCount);
    add(QStringLiteral("　　平均　　　　") + right(pattern(f.ownSum / f.count), 5) +
        QStringLiteral("秒") + QStringLiteral(" /") + right(pattern(groupAverage), 5) +
        QStringLiteral("秒"));
  }
  add(QStringLiteral("ポイント  　　　"));
  add(QStringLiteral("　　順位　　　　") + right(rankPattern(f.ranks.pointRank.left(3)), 5) +
      QStringLiteral("位"));
  add(QStringLiteral("　　獲得ポイント") + right(pattern(f.ranks.ownPoints), 5) +
      QStringLiteral("点"));
  if (f.ranks.rankedWithPoints != 0) {
    const qint64 average =
        std::llround(static_cast<double>(f.ranks.pointsSum) / f.ranks.rankedWithPoints);
    add(QStringLiteral("　　　　　　　　　　　　/") + right(pattern(average), 5) +
        QStringLiteral("点"));
  }
  // The note goes on a line of its own: half a step lower would overlap the averages.
  add(QStringLiteral("　　　　　　　　　　　　 (塾平均)"));
  return lines;
}

namespace {

class BandPainter {
 public:
  BandPainter(GraphSurface& surface) : s_(surface), p_(surface.painter) {
    baseWidth_ = s_.toPrinter ? 30 : 5;
    baseFont_ = s_.toPrinter ? 6 : s_.baseFontSize;
  }

  void draw(const GraphBand& band, double y) {
    const double w = s_.size.width();
    const double f = w / 2;
    const double c = s_.size.height() / 3;
    const BandFigures& fig = band.figures;

    if (y < 0.08 * s_.size.height()) {
      text(QPointF(0.01 * f, 0.02 * c), band.studentName, 3 * baseFont_);
    }
    line(QPointF(0, y), QPointF(w, y), 2);
    line(QPointF(0, y + 0.09 * c), QPointF(w, y + 0.09 * c), 2);
    // The title stops short of the figures block: a long title is set smaller.
    double titleSize = (s_.toPrinter ? 3 : 2) * baseFont_;
    const double room = 0.525 * w - 0.7 * f - 0.01 * w;
    while (titleSize > baseFont_ &&
           QFontMetricsF(font(titleSize), p_.device()).horizontalAdvance(band.title) > room) {
      titleSize -= 0.5;
    }
    text(QPointF(0.7 * f, y + 0.01 * c), band.title, titleSize);

    const QPointF origin(0.2 * f, y + 0.8 * c);
    line(origin, QPointF(0.9 * f, y + 0.8 * c), 2);
    line(origin, QPointF(0.2 * f, y + 0.1 * c), 2);

    const std::vector<PlottedPoint> points = plotPoints(fig, s_.size, y);
    std::vector<std::size_t> bests;
    for (std::size_t k = 0; k < points.size(); ++k) {
      const PlottedPoint& pt = points[k];
      const QColor colour = pt.best ? kBestColour : kDrillColour;
      dot(pt.at, colour);
      if (pt.clipped) marker(pt.at, colour, c);
      if (pt.best) bests.push_back(k);
    }

    const double step = (s_.toPrinter ? 0.06 : 0.08) * c;
    for (const FigureLine& l : figureLines(fig)) {
      text(QPointF(0.525 * w, y + 0.05 * c + l.step * step), l.text, 1.5 * baseFont_);
    }

    if (bests.empty()) return;
    const double under = y + 0.82 * c;
    text(QPointF(points.back().at.x(), under), dateText(fig.own.back().date), baseFont_);
    for (std::size_t k = 1; k < bests.size(); ++k) {
      line(points[bests[k - 1]].at, points[bests[k]].at, 3, kBestColour);
    }
    const double fontHeight = QFontMetricsF(font(baseFont_), p_.device()).height();
    text(QPointF(0.1 * f, y + 0.8 * c - fontHeight / 2), QStringLiteral("0秒"), baseFont_);
    text(QPointF(0.1 * f, y + 0.1 * c - fontHeight / 2), timeText(scaleTop(fig)), baseFont_);
    const PlottedPoint& first = points[bests.front()];
    text(QPointF(0.02 * f, first.at.y() - fontHeight / 2), timeText(fig.own[bests.front()].time),
         baseFont_);
    text(QPointF(first.at.x(), under + fontHeight), dateText(fig.own[bests.front()].date),
         baseFont_);
    if (bests.size() > 5) {
      for (std::size_t k = 1; k + 2 < bests.size(); k += 3) {
        const std::size_t at = bests[k];
        text(QPointF(points[at].at.x(), under + (k % 2 == 1 ? 0 : fontHeight)),
             dateText(fig.own[at].date), baseFont_);
      }
    }
  }

 private:
  QFont font(double points) const {
    // Fixed pitch, so that the figures' columns line up as their blanks intend.
    return listFont(points);
  }
  void text(QPointF at, const QString& s, double points) {
    p_.setFont(font(points));
    p_.setPen(Qt::black);
    p_.drawText(QRectF(at, QSizeF(0, 0)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, s);
  }
  void line(QPointF a, QPointF b, int width, const QColor& colour = Qt::black) {
    p_.setPen(QPen(colour, width));
    p_.drawLine(a, b);
  }
  void dot(QPointF at, const QColor& colour) {
    p_.setPen(QPen(colour, baseWidth_, Qt::SolidLine, Qt::RoundCap));
    p_.drawPoint(at);
  }
  // A small upward arrowhead above a point that the plot cannot hold.
  void marker(QPointF at, const QColor& colour, double c) {
    const double size = std::max(0.03 * c, 1.5 * baseWidth_);
    const double tip = at.y() - baseWidth_ / 2.0 - size;
    const QPolygonF arrow{QPointF(at.x() - size / 2, tip + size), QPointF(at.x(), tip),
                          QPointF(at.x() + size / 2, tip + size)};
    p_.setPen(Qt::NoPen);
    p_.setBrush(colour);
    p_.drawPolygon(arrow);
    p_.setBrush(Qt::NoBrush);
  }

  GraphSurface& s_;
  QPainter& p_;
  int baseWidth_ = 5;
  int baseFont_ = 6;
};

}  // namespace

Status drawGraph(GraphSurface& surface, const std::vector<GraphBand>& bands) {
  surface.painter.setRenderHint(QPainter::Antialiasing);
  const std::vector<double> tops = bandTops(static_cast<int>(bands.size()), surface.size.height());
  BandPainter painter(surface);
  for (std::size_t j = 0; j < bands.size(); ++j) {
    if (j > 0 && tops[j] < tops[j - 1] && surface.nextPage) {
      if (Status s = surface.nextPage()) return s;
    }
    painter.draw(bands[j], tops[j]);
  }
  return std::nullopt;
}

}  // namespace tavelo::hub

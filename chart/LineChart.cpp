// The chart drawn with QPainter. The curve is clipped to the plotting area
// by computation before it reaches the painter, so that values far outside
// the axes never become huge device coordinates; many points are reduced to
// the first, lowest, highest and last point of each pixel column (the chart
// model's ColumnExtremes), which draws the same picture at a cost bounded by
// the width. The curve is broken where the model marks a gap, and the x left
// out as undefined are named in a line under the axis title. The chart tells its model its pixel columns, so that a model
// that keeps only column extremes keeps what this drawing shows.
#include "chart/LineChart.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QSvgGenerator>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "engine/Cp1254.h"
#include "engine/NumberText.h"
#include "engine/Platform.h"
#include "ui/Look.h"

namespace velsira {

namespace {

const QColor kTitleColour(0, 0, 255);
const QColor kGridColour(226, 226, 226);
const QColor kAxisColour(96, 96, 96);
const QColor kTextColour(0, 0, 0);
const QColor kNoteColour(160, 0, 0);
// A tooltip names a point at most this many pixels from the mouse.
constexpr double kNear = 12;

QString fromEngine(std::string_view cp1254) { return QString::fromStdString(cp1254ToUtf8(cp1254)); }
QString numberText(double v) { return QString::fromStdString(FloatToText(v)); }

struct Tick {
  double value;
  QString text;
};

// Ticks at a round step (1, 2 or 5 times a power of ten) inside min .. max,
// about one per spacing pixels.
std::vector<Tick> ticksFor(double min, double max, double pixels, double spacing) {
  if (!(max > min)) return {{min, numberText(min)}};
  const double target = std::max(2.0, pixels / spacing);
  const double raw = (max - min) / target;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  const double norm = raw / magnitude;
  const double step = (norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 5 ? 5 : 10) * magnitude;
  const long long first = static_cast<long long>(std::ceil(min / step - 1e-9));
  const long long last = static_cast<long long>(std::floor(max / step + 1e-9));
  std::vector<Tick> ticks;
  for (long long k = first; k <= last; ++k) {
    double v = static_cast<double>(k) * step;
    if (std::fabs(v) < step * 1e-9) v = 0;
    ticks.push_back({v, numberText(v)});
  }
  return ticks;
}

// Maps an axis value to a device coordinate between from (at min) and to
// (at max), as the chart model maps its pixel columns.
struct AxisMap : ColumnMap {
  double operator()(double v) const { return Position(v); }
  double inverse(double p) const { return to == from ? min : min + (p - from) / (to - from) * (max - min); }
};

// Cuts the segment a-b to the rectangle r (Liang-Barsky); false when none of
// it lies inside.
bool clipSegment(const QRectF& r, QPointF& a, QPointF& b) {
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const QPointF start = a;
  a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
  b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
  return true;
}

// Appends the curve from p to q, the device places of two neighbouring
// points, as segments through a value sampled at every pixel column between
// them within the area a; where the sampler has no value the curve breaks.
void appendSampled(std::vector<QLineF>& lines, const QRectF& a, const AxisMap& xm, const AxisMap& ym,
                   const ChartModel::Sampler& sample, QPointF p, QPointF q) {
  auto append = [&](QPointF from, QPointF to) {
    if (clipSegment(a, from, to)) lines.emplace_back(from, to);
  };
  std::optional<QPointF> last = p;
  const double first = std::max(std::floor(p.x()) + 1, std::floor(a.left()) - 1);
  const double end = std::min(q.x(), a.right() + 1);
  for (double px = first; px < end; ++px) {
    const std::optional<double> y = sample(xm.inverse(px));
    if (!y) {
      last.reset();
      continue;
    }
    const QPointF at(px, ym(*y));
    // A jump from beyond one edge to beyond the other is a pole: no line.
    const bool pole = last && ((last->y() < a.top() && at.y() > a.bottom()) ||
                               (last->y() > a.bottom() && at.y() < a.top()));
    if (last && !pole) append(*last, at);
    last = at;
  }
  if (last) append(*last, q);
}

QColor colourOf(uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

}  // namespace

struct LineChart::Layout {
  QFont titleFont, axisTitleFont, tickFont;
  QRectF title;
  QRectF note;  // the line naming the undefined x, under the axis title; empty when none
  QRectF area;
  std::vector<Tick> xTicks, yTicks;
  AxisMap x, y;
};

LineChart::Layout LineChart::layoutFor(QSize size) const {
  Layout l;
  l.titleFont = look::arial(16);
  l.axisTitleFont = look::arial(12);
  l.tickFont = look::arial(11);
  const QFontMetricsF titleMetrics(l.titleFont), axisMetrics(l.axisTitleFont), tickMetrics(l.tickFont);
  const ChartAxis& bottom = model_.BottomAxis();
  const ChartAxis& left = model_.LeftAxis();
  const double w = size.width(), h = size.height();

  l.title = QRectF(0, 6, w, titleMetrics.height());
  const double top = std::ceil(l.title.bottom() + 10);
  const double noteHeight = model_.Note().empty() ? 0 : tickMetrics.height() + 2;
  if (noteHeight > 0) l.note = QRectF(6, h - 4 - tickMetrics.height(), w - 12, tickMetrics.height());
  const double bottomEdge =
      std::floor(h - (6 + axisMetrics.height() + 4 + tickMetrics.height() + 6 + noteHeight));
  l.yTicks = ticksFor(left.min, left.max, bottomEdge - top, 40);
  double labelWidth = 0;
  for (const Tick& t : l.yTicks) labelWidth = std::max(labelWidth, tickMetrics.horizontalAdvance(t.text));
  const double leftEdge = std::ceil(6 + axisMetrics.height() + 6 + labelWidth + 6);
  // Room on the right for half of the last label under the axis.
  const double lastLabel = tickMetrics.horizontalAdvance(numberText(bottom.max));
  const double rightEdge = std::floor(w - std::max(16.0, lastLabel / 2 + 6));
  l.area = QRectF(QPointF(leftEdge, top), QPointF(std::max(leftEdge + 1, rightEdge), std::max(top + 1, bottomEdge)));
  l.xTicks = ticksFor(bottom.min, bottom.max, l.area.width(), 80);
  l.x = {{bottom.min, bottom.max, l.area.left(), l.area.right()}};
  l.y = {{left.min, left.max, l.area.bottom(), l.area.top()}};
  return l;
}

QRectF LineChart::plotArea(QSize size) const { return layoutFor(size).area; }

LineChart::LineChart(ChartModel& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      save_(new QAction(QStringLiteral("Resmi Kaydet..."), this)),
      copy_(new QAction(QStringLiteral("Panoya Kopyala"), this)),
      fit_(new QAction(QStringLiteral("Y eksenini sığdır"), this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  save_->setObjectName(QStringLiteral("SaveImage"));
  save_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  save_->setShortcutContext(Qt::WindowShortcut);
  copy_->setObjectName(QStringLiteral("CopyImage"));
  copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  copy_->setShortcutContext(Qt::WindowShortcut);
  fit_->setObjectName(QStringLiteral("FitYAxis"));
  fit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  fit_->setShortcutContext(Qt::WindowShortcut);
  addAction(save_);
  addAction(copy_);
  addAction(fit_);
  connect(fit_, &QAction::triggered, this, [this] { model_.FitLeftRange(); });
  connect(save_, &QAction::triggered, this, &LineChart::saveImage);
  connect(copy_, &QAction::triggered, this, &LineChart::copyToClipboard);
  model_.onChanged = [this] {
    syncColumns(false);
    update();
  };
  syncColumns(true);
}

void LineChart::syncColumns(bool always) {
  const ChartAxis& bottom = model_.BottomAxis();
  const ChartAxis& left = model_.LeftAxis();
  const std::array<double, 7> key = {bottom.min, bottom.max, left.min, left.max,
                                    static_cast<double>(width()), static_cast<double>(height()),
                                    model_.Note().empty() ? 0.0 : 1.0};
  if (!always && key == columnsFor_) return;
  columnsFor_ = key;
  const QRectF area = plotArea(size());
  model_.SetColumns(area.left(), area.right());
}

void LineChart::resizeEvent(QResizeEvent* event) {
  syncColumns(true);
  QWidget::resizeEvent(event);
}

LineChart::~LineChart() { model_.onChanged = nullptr; }

void LineChart::render(QPainter& painter, QSize size) const {
  const Layout l = layoutFor(size);
  painter.save();
  painter.fillRect(QRectF(0, 0, size.width(), size.height()), Qt::white);
  drawTitle(painter, l);
  drawGrid(painter, l);
  drawAxisTitles(painter, l, size);
  drawCurve(painter, l);
  painter.restore();
}

void LineChart::drawTitle(QPainter& painter, const Layout& l) const {
  painter.setFont(l.titleFont);
  painter.setPen(kTitleColour);
  painter.drawText(l.title, Qt::AlignHCenter | Qt::AlignTop, fromEngine(model_.Title()));
}

void LineChart::drawGrid(QPainter& painter, const Layout& l) const {
  const QRectF& a = l.area;
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setFont(l.tickFont);
  const QFontMetricsF tickMetrics(l.tickFont);
  for (const Tick& t : l.xTicks) {
    const double px = std::round(l.x(t.value));
    painter.setPen(kGridColour);
    painter.drawLine(QPointF(px, a.top()), QPointF(px, a.bottom()));
    painter.setPen(kAxisColour);
    painter.drawLine(QPointF(px, a.bottom()), QPointF(px, a.bottom() + 4));
    painter.setPen(kTextColour);
    const double width = tickMetrics.horizontalAdvance(t.text);
    painter.drawText(QRectF(px - width / 2 - 2, a.bottom() + 6, width + 4, tickMetrics.height()), Qt::AlignCenter,
                     t.text);
  }
  for (const Tick& t : l.yTicks) {
    const double py = std::round(l.y(t.value));
    painter.setPen(kGridColour);
    painter.drawLine(QPointF(a.left(), py), QPointF(a.right(), py));
    painter.setPen(kAxisColour);
    painter.drawLine(QPointF(a.left() - 4, py), QPointF(a.left(), py));
    painter.setPen(kTextColour);
    painter.drawText(QRectF(0, py - tickMetrics.height() / 2, a.left() - 6, tickMetrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, t.text);
  }
  // The axes meet at the corner of the plotting area, which is framed.
  painter.setPen(kAxisColour);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(a);
}

void LineChart::drawAxisTitles(QPainter& painter, const Layout& l, QSize size) const {
  const QRectF& a = l.area;
  painter.setFont(l.axisTitleFont);
  painter.setPen(kTextColour);
  const QFontMetricsF axisMetrics(l.axisTitleFont);
  const double below = l.note.isEmpty() ? 0 : l.note.height() + 2;
  painter.drawText(
      QRectF(a.left(), size.height() - 6 - below - axisMetrics.height(), a.width(), axisMetrics.height()),
      Qt::AlignCenter, fromEngine(model_.BottomAxis().title));
  if (!l.note.isEmpty()) {
    painter.setFont(l.tickFont);
    painter.setPen(kNoteColour);
    painter.drawText(l.note, Qt::AlignLeft | Qt::AlignVCenter, fromEngine(model_.Note()));
  }
  painter.save();
  painter.translate(6, a.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-a.height() / 2, 0, a.height(), axisMetrics.height()), Qt::AlignCenter,
                   fromEngine(model_.LeftAxis().title));
  painter.restore();
}

std::vector<size_t> LineChart::shownPoints(const Layout& l) const {
  // Many more points than columns: the column extremes draw the same curve.
  const std::vector<ChartPoint>& points = model_.Points();
  if (points.size() > 4 * static_cast<size_t>(std::max(1.0, l.area.width()))) return ColumnExtremes(points, l.x);
  std::vector<size_t> shown(points.size());
  for (size_t k = 0; k < points.size(); ++k) shown[k] = k;
  return shown;
}

void LineChart::drawCurve(QPainter& painter, const Layout& l) const {
  const QRectF& a = l.area;
  const std::vector<ChartPoint>& points = model_.Points();
  const std::vector<size_t> shown = shownPoints(l);
  painter.setClipRect(a);
  painter.setRenderHint(QPainter::Antialiasing, true);
  auto penOf = [](uint32_t colour) {
    QPen pen(colourOf(colour), 1.5);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
  };
  // A piece of one point, alone or between two breaks, is drawn as a dot.
  auto brokenBefore = [&](size_t k) {
    return k == 0 || k == shown.size() || GapBetween(points, shown[k - 1], shown[k]);
  };
  for (size_t k = 0; k < shown.size(); ++k) {
    if (!brokenBefore(k) || !brokenBefore(k + 1)) continue;
    const QPointF p(l.x(points[shown[k]].x), l.y(points[shown[k]].y));
    if (!a.contains(p)) continue;
    QPen pen = penOf(points[shown[k]].color);
    pen.setWidthF(3);
    painter.setPen(pen);
    painter.drawPoint(p);
  }
  const ChartModel::Sampler& sample = model_.CurveSampler();
  // Segments of one colour are drawn together.
  std::vector<QLineF> lines;
  uint32_t colour = 0;
  auto flush = [&] {
    if (lines.empty()) return;
    painter.setPen(penOf(colour));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    lines.clear();
  };
  for (size_t k = 1; k < shown.size(); ++k) {
    const ChartPoint& from = points[shown[k - 1]];
    const ChartPoint& to = points[shown[k]];
    if (brokenBefore(k)) continue;
    QPointF p(l.x(from.x), l.y(from.y)), q(l.x(to.x), l.y(to.y));
    if (to.color != colour) {
      flush();
      colour = to.color;
    }
    // Points more than a pixel column apart: the curve between them is
    // sampled, so that it is drawn smooth.
    if (sample && q.x() - p.x() > 1.5 && q.x() >= a.left() && p.x() <= a.right()) {
      appendSampled(lines, a, l.x, l.y, sample, p, q);
      continue;
    }
    if (!clipSegment(a, p, q)) continue;
    lines.emplace_back(p, q);
  }
  flush();
}

void LineChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  render(painter, size());
}

QImage LineChart::toImage() const {
  QImage image(size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  render(painter, size());
  return image;
}

bool LineChart::saveTo(const QString& fileName) const {
  QString name = fileName;
  const QString suffix = QFileInfo(name).suffix().toLower();
  if (suffix == QStringLiteral("svg")) {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size());
    svg.setViewBox(QRect(QPoint(0, 0), size()));
    svg.setTitle(fromEngine(model_.Title()));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    render(painter, size());
    painter.end();
    return file.error() == QFileDevice::NoError;
  }
  if (suffix.isEmpty()) name += QStringLiteral(".png");
  return toImage().save(name, "PNG");
}

void LineChart::saveImage() {
  if (!fileDialog_) return;
  const QString name = fileDialog_->AskSaveFileName(this, QStringLiteral("Resmi Kaydet"),
                                                    QStringLiteral("PNG resmi (*.png);;SVG çizimi (*.svg)"));
  if (name.isEmpty()) return;
  if (!saveTo(name))
    QMessageBox::warning(this, QString::fromUtf8(kApplicationTitle),
                         QStringLiteral("Resim kaydedilemedi: %1").arg(QDir::toNativeSeparators(name)));
}

void LineChart::copyToClipboard() const { QGuiApplication::clipboard()->setImage(toImage()); }

QString LineChart::toolTipAt(QPointF pos) const {
  const Layout l = layoutFor(size());
  if (!l.area.contains(pos)) return {};
  const std::vector<ChartPoint>& points = model_.Points();
  // Only the points whose column lies near the mouse can be near it.
  auto begin = points.begin(), end = points.end();
  if (l.x.max > l.x.min) {
    const double lo = l.x.inverse(pos.x() - kNear), hi = l.x.inverse(pos.x() + kNear);
    begin = std::lower_bound(points.begin(), points.end(), lo,
                             [](const ChartPoint& p, double v) { return p.x < v; });
    end = std::upper_bound(begin, points.end(), hi, [](double v, const ChartPoint& p) { return v < p.x; });
  }
  const ChartPoint* nearest = nullptr;
  double best = kNear;
  for (auto it = begin; it != end; ++it) {
    const double d = std::hypot(l.x(it->x) - pos.x(), l.y(it->y) - pos.y());
    if (d <= best) {
      best = d;
      nearest = &*it;
    }
  }
  if (!nearest) return {};
  return QStringLiteral("x = %1, y = %2").arg(numberText(nearest->x), numberText(nearest->y));
}

void LineChart::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(save_);
  menu.addAction(copy_);
  menu.addSeparator();
  menu.addAction(fit_);
  menu.exec(event->globalPos());
}

bool LineChart::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
  }
  return QWidget::event(event);
}

QString QtImageFileDialog::AskSaveFileName(QWidget* parent, const QString& caption, const QString& filters) {
  QString selected;
  QString name = QFileDialog::getSaveFileName(parent, caption, QStringLiteral("grafik.png"), filters, &selected);
  // The filter chosen decides the format of a name typed without a suffix.
  if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
    name += selected.contains(QStringLiteral("svg")) ? QStringLiteral(".svg") : QStringLiteral(".png");
  return name;
}

}  // namespace velsira

// Drawing of the pad pictures: a serif italic x with its exponent, and the
// radical sign over x for the roots.
#include "ui/PadPictures.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/Look.h"

namespace velsira {

namespace {

constexpr int kW = kPadPictureSize.width();
constexpr int kH = kPadPictureSize.height();

// x, with an exponent when one is given, centred in the picture.
void drawPower(QPainter& p, const QString& exponent) {
  const QFont base = look::pictureFont(18);
  QFont small = look::pictureFont(11);
  small.setItalic(exponent == QStringLiteral("n"));
  const QFontMetrics fb(base), fs(small);
  const int wx = fb.horizontalAdvance(u'x');
  const int we = exponent.isEmpty() ? 0 : fs.horizontalAdvance(exponent) + 1;
  const int left = (kW - wx - we) / 2;
  const int baseline = kH - 5;
  p.setFont(base);
  p.drawText(left, baseline, QStringLiteral("x"));
  if (!exponent.isEmpty()) {
    p.setFont(small);
    p.drawText(left + wx + 1, baseline - 8, exponent);
  }
}

// The radical sign over x, with a small index n when nth is set.
void drawRoot(QPainter& p, bool nth) {
  QPainterPath sign;
  const qreal top = 2.5, bottom = kH - 2.5;
  sign.moveTo(3, kH / 2.0 + 1);
  sign.lineTo(6, kH / 2.0 - 0.5);
  sign.lineTo(9.5, bottom);
  sign.lineTo(13, top);
  sign.lineTo(kW - 2, top);
  p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.drawPath(sign);
  p.setFont(look::pictureFont(15));
  p.drawText(QRect(13, 3, kW - 15, kH - 4), Qt::AlignCenter, QStringLiteral("x"));
  if (nth) {
    QFont index = look::pictureFont(9);
    p.setFont(index);
    p.drawText(QPointF(1.5, kH / 2.0 - 2), QStringLiteral("n"));
  }
}

}  // namespace

QPixmap padPicture(std::string_view name) {
  QPixmap pm(kPadPictureSize);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(Qt::black);
  if (name == "SpeedButton6") {
    drawPower(p, {});
  } else if (name == "SpeedButton1") {
    drawPower(p, QStringLiteral("2"));
  } else if (name == "SpeedButton2") {
    drawPower(p, QStringLiteral("3"));
  } else if (name == "SpeedButton3") {
    drawPower(p, QStringLiteral("n"));
  } else if (name == "SpeedButton4") {
    drawRoot(p, true);
  } else if (name == "SpeedButton5") {
    drawRoot(p, false);
  } else {
    p.end();
    return {};
  }
  return pm;
}

}  // namespace velsira

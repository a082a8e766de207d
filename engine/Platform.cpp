// The progress bar model and the line of a stopped scan.
#include "engine/Platform.h"

#include <algorithm>

#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"

namespace velsira {

void ProgressBar::SetRange(long min, long max) {
  // The bar refuses a range whose maximum is below its minimum.
  if (max < min) raiseMessage(Message::ProgressRange);
  min_ = min;
  max_ = max;
  position_ = std::clamp(position_, min_, max_);
  if (onChanged) onChanged();
}

void ProgressBar::SetPosition(long position) {
  position_ = std::clamp(position, min_, max_);
  if (onChanged) onChanged();
}

std::string StoppedLine(long long lastX) {
  return std::string("Durduruldu: son taranan değer x = "_cp) + IntToText(lastX);
}

}  // namespace velsira

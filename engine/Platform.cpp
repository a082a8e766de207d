// The progress bar model.
#include "engine/Platform.h"

#include <algorithm>

#include "engine/Errors.h"

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

}  // namespace velsira

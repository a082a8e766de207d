// The pictures of the pad's six picture buttons, drawn at run time.
#pragma once

#include <QPixmap>
#include <QSize>
#include <string_view>

namespace velsira {

// The size of every pad picture; it fits a 33 x 25 button.
inline constexpr QSize kPadPictureSize{27, 21};

// The picture of the pad button named name: "SpeedButton6" italic x,
// "SpeedButton1" x², "SpeedButton2" x³, "SpeedButton3" x to the n,
// "SpeedButton4" the n-th root of x, "SpeedButton5" the square root of x.
// A null pixmap for any other name.
QPixmap padPicture(std::string_view name);

}  // namespace velsira

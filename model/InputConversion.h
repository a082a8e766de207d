// When an operation refuses the text of the input box, the main window may
// run it on the text converted from ordinary notation instead. This decides
// it without showing anything: the operation is first tried on a scratch
// copy of the main window (its dialogs answered as Cancel, its message
// boxes recorded), so the user sees neither the refused attempt's messages
// nor its error. A text the operation accepts is never touched.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "model/Form1.h"

namespace velsira {

// A click handler of the main window.
using Click = void (TForm1::*)();

// The converted text (code page 1254, CR LF) for the operation, or nullopt
// when the text cannot be read or converted.
using InputConverter = std::function<std::optional<std::string>()>;

// The error click leaves on a scratch copy of form whose input box holds
// text, or nullopt when it ends without one. Dialogs answer Cancel; the
// root scan and the plot try the single point x = 0.
std::optional<std::string> TryOnCopy(const TForm1& form, Click click, const std::string& text);

// Whether an error says the engine could not read the text, as opposed to a
// fault of the arithmetic on a text it read (a division by zero, an
// overflow, a refused range).
bool RefusesText(const std::string& error);

// The text the operation should run on instead of the input box's: the
// converted text, when click refuses the box's text, convert gives a text
// that differs in more than blanks and line breaks, and click does not
// refuse that one. nullopt leaves everything as it is.
std::optional<std::string> ConvertedInput(const TForm1& form, Click click, const InputConverter& convert);

}  // namespace velsira

#pragma once

#include "base/color.h"

#include <optional>

class QWidget;

// The one place where the program asks the user for a colour: the desktop's colour picker,
// opened modally with initial preselected. Gives nothing when the user cancels.
std::optional<Color> pickColor(Color initial, QWidget *parent);

#pragma once

#include "widgets/kitcolor.h"

#include <optional>

class QWidget;

// The one place where the program asks the user for a colour: the desktop's colour picker,
// opened modally with initial preselected. Gives nothing when the user cancels.
std::optional<TColor> pickColor(TColor initial, QWidget *parent);

// The system's modal colour chooser.
#pragma once

#include "base/yExport.h"
#include "draw/yColor.h"

// Starts from the colour's red, green and blue. Returns the chosen colour,
// opaque; a cancelled choice gives opaque black, not the starting colour.
Y_EXPORT yColor8 SystemColorPicker(yColor8 start);
// The same, starting from opaque red.
Y_EXPORT yColor8 SystemColorPicker();

// The three icon groups' images, in the 16 standard VGA colours.
#pragma once

#include "tools/artgen/IcoFile.h"

// A mobile phone; size 32 or 16.
IconImage PhoneIcon(int size);

// Nothing at all: every pixel shows the screen through.
IconImage EmptyIcon(int size);

// A telephone handset crossed out in red.
IconImage HangUpIcon(int size);

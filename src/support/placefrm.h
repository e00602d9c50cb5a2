#pragma once

#include "platform/WindowApi.h"

// The offset that puts a window at `fraction` of the free space: free * fraction rounded to
// the nearest integer, a half going to the even neighbour. Negative when free is.
int FractionOfFreeSpace(int freeSpace, double fraction);

// Moves the window to FractionX, FractionY of the screen space that it leaves free.
void PlaceForm(WindowId form, double fractionX, double fractionY);

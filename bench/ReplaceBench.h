#pragma once
// The literal replacement loop against the program's linear ReplaceAll, and the exchange
// file's parse against the size of its body.

struct ReplaceRatios {
    double replace = 0;   // ReplaceAll of CR LF, literal time over linear time
    double unindent = 0;  // UnindentPGPMarkers, the same
};

// On a mail text of `lines` lines of about 50 bytes; ends the program when the two forms
// give different results.
ReplaceRatios CompareReplacements(int lines);

// Prints the parse time per megabyte of body for bodies of 1 to 10 MB.
void ParseScaling();

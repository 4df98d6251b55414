#pragma once
// Ids of the resources in res/tallyline.rc. The resource compiler reads this
// file too, so it holds nothing but #define.

// The program's icon; the lowest id, so it is also the file's icon.
#define TALLYLINE_ICON 1

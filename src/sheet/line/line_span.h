#pragma once
// The searches by which the worksheet's commands find the ends of a line
// around a position, and the character before a position.
#include <cstddef>

#include "sheet/seams/edit_box.h"

namespace tl::sheet {

// Just after the last line feed that ends at or before `position`; 0 when
// there is none.
std::size_t AfterLineFeedBefore(EditBox& box, std::size_t position);

// The first carriage return at or after `position`; the end of the text when
// there is none.
std::size_t CarriageReturnFrom(EditBox& box, std::size_t position);

// The start of the character that ends at `position` (a character start):
// position − 2 behind a two-byte character, position − 1 otherwise, 0 at 0.
std::size_t CharacterBefore(EditBox& box, std::size_t position);

}  // namespace tl::sheet

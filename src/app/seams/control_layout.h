#pragma once
// What a replacement costs the EDIT control. After every replacement the
// control lays out again each line the replaced range touches, each one
// whole, and measures it several times more to place the caret and repaint.
// Under Wine that measuring (Uniscribe's itemizing) grows with the square of
// a line's length for digits and operators: behind a 25,000-character line
// one Enter takes about half a second, behind a 100,000-character one ten
// seconds. Many short lines cost by their total length.
#include <cstddef>
#include <string_view>

namespace tl::app {

// Whether the control is likely to take half a second or more once `text`
// has replaced the bytes [from, to) of what it holds: `from` and `to` are
// the replacement's ends in `text`.
bool ControlLayoutLooksSlow(std::string_view text, std::size_t from, std::size_t to);

}  // namespace tl::app

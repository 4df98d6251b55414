#pragma once
// What the number conversion window "数值转大写" starts with.
#include <string>

#include "engine/engine.h"
#include "sheet/edit_box.h"

namespace tl::sheet {

// The selected text; with nothing selected, the result the caret's line
// shows behind its last "=" ("541,196"), empty when the line shows none. A
// fraction, a mixed number or a "×10^" form is given as the number it stands
// for ("2∟3" as 0.6666666666667), so that the field reads all of it.
std::string NumberFieldStart(EditBox& box, engine::ThousandsSeparator grouping);

}  // namespace tl::sheet

#include "sheet/seams/edit_box.h"

#include <algorithm>

namespace tl::sheet {

std::string_view EditBox::Slice(std::size_t begin, std::size_t end) {
  const std::string_view text = Text();
  begin = std::min(begin, text.size());
  end = std::clamp(end, begin, text.size());
  return text.substr(begin, end - begin);
}

std::size_t EditBox::FindBytes(std::string_view needle, std::size_t from) {
  return Text().find(needle, from);
}

std::size_t EditBox::RFindBytes(std::string_view needle, std::size_t end) {
  const std::string_view text = Text();
  if (end > text.size()) end = text.size();
  if (needle.size() > end) return std::string_view::npos;
  return text.substr(0, end).rfind(needle);
}

}  // namespace tl::sheet

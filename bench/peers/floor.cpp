// The floor of the comparison: the least any batch evaluator has to do. It
// reads the whole file, reads every number of every line with strtod, and
// prints one value a line (the sum of the line's numbers), so that the cost of
// reading, number parsing and printing is known apart from any evaluation.

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: floor FILE\n");
    return 2;
  }
  std::FILE* input = std::fopen(argv[1], "rb");
  if (!input) {
    std::fprintf(stderr, "floor: cannot open %s\n", argv[1]);
    return 1;
  }
  std::string text;
  char chunk[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, input)) > 0) text.append(chunk, got);
  std::fclose(input);

  static char outputBuffer[1 << 16];
  std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
  const char* cursor = text.c_str();  // NUL-terminated, so strtod stops at the end
  const char* const end = cursor + text.size();
  while (cursor < end) {
    double sum = 0;
    while (cursor < end && *cursor != '\n') {
      if (std::isdigit(static_cast<unsigned char>(*cursor)) || *cursor == '.') {
        char* after = nullptr;
        sum += std::strtod(cursor, &after);
        cursor = after > cursor ? after : cursor + 1;
      } else {
        ++cursor;
      }
    }
    std::printf("%.17g\n", sum);
    if (cursor < end) ++cursor;
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}

// The muparser peer: reads expressions one a line from FILE (or standard
// input), has muparser parse each line afresh and evaluate it, and prints one
// value a line ("nan" where muparser reports an error), as a program built on
// the library would when it is handed a list of different expressions.

#include <muParser.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  std::FILE* input = argc > 1 ? std::fopen(argv[1], "rb") : stdin;
  if (!input) {
    std::fprintf(stderr, "muparser_driver: cannot open %s\n", argv[1]);
    return 1;
  }
  static char outputBuffer[1 << 16];
  std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

  mu::Parser parser;
  char* line = nullptr;
  std::size_t capacity = 0;
  ssize_t length = 0;
  while ((length = getline(&line, &capacity, input)) >= 0) {
    while (length > 0 && (line[length - 1] == '\n' || line[length - 1] == '\r')) --length;
    // muparser reports failures only by throwing.
    try {
      parser.SetExpr(std::string(line, static_cast<std::size_t>(length)));
      std::printf("%.17g\n", parser.Eval());
    } catch (const mu::Parser::exception_type&) {
      std::printf("nan\n");
    }
  }
  std::free(line);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

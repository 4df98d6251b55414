// Writes the corpora of the peer comparison: the same N arithmetic expressions
// in each tool's spelling, and their values worked out in extended precision.
//
//   generate N PREFIX   writes  PREFIX.peers.txt      sqrt(...), LF lines: bc -l, calc, qalc,
//                                                     the muparser driver
//                               PREFIX.tallyline.txt  sqr(...), CR LF lines: tallyline-cli run
//                               PREFIX.expected.txt   one value a line, 18 significant digits
//
// Every line holds 12 positive decimal numbers joined by + - * /, brackets
// nested at most 4 deep, small integer powers and now and then a square root;
// there is no unary minus (bc binds it differently from the others). The seed
// is fixed, so the first 1,000 lines of every corpus are the same.
//
// A line whose value is sensitive to rounding (cancellation, a small divisor)
// is drawn again: each tool rounds differently (bc truncates at 20 decimals,
// tallyline keeps 13 significant digits after every operation, the others use
// binary doubles), and on the lines kept they must all agree to 10 significant
// digits, so that a disagreement is a fault of a tool and not of the line.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr std::uint64_t kSeed = 0x7a11'1e5e'ed00'2024;
constexpr int kNumbersPerLine = 12;
constexpr int kMaxNesting = 4;
constexpr std::size_t kMinLength = 64;
constexpr std::size_t kMaxLength = 80;
// Bound on the rounding error of the whole line in units of the rounding of
// one operation. Tallyline's 13 significant digits round by up to 5e-13, so
// 20 units stay below 1e-11, well inside 10 significant digits.
constexpr long double kMaxErrorUnits = 20;
constexpr long double kMinResult = 0.01;  // 12 shown decimals still carry 10 digits
constexpr long double kMaxResult = 1e12;
constexpr long double kMaxIntermediate = 1e15;
constexpr long double kMinQuotient = 1e-6;  // bc's 20 decimals still carry 14 digits

// splitmix64: small, fast, and the same sequence on every platform.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    state_ += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  std::uint64_t state_;
};

// A piece of an expression with its value and a first-order bound on its
// rounding error, in units of one rounding relative to the value rounded.
struct Piece {
  std::string text;
  long double value = 0;
  long double error = 0;
  int nesting = 0;  // deepest bracket nesting inside the text
  char op = 0;      // top-level operator, 0 for a number or a bracketed group
  bool sound = true;
};

bool IsSum(char op) {
  return op == '+' || op == '-';
}
bool IsProduct(char op) {
  return op == '*' || op == '/';
}

Piece MakeNumber(Random& random) {
  static constexpr int kIntegerDigitsPercent[] = {15, 40, 30, 15};  // "0.", 1, 2, 3 digits
  int pick = random.Below(100);
  int integerDigits = 0;
  while (pick >= kIntegerDigitsPercent[integerDigits])
    pick -= kIntegerDigitsPercent[integerDigits++];
  int decimals = integerDigits == 0 ? 1 + random.Below(2) : random.Below(3);

  Piece number;
  if (integerDigits == 0) number.text = "0";
  for (int i = 0; i < integerDigits; ++i)
    number.text += static_cast<char>('0' + (i == 0 ? 1 + random.Below(9) : random.Below(10)));
  if (decimals > 0) number.text += '.';
  for (int i = 0; i < decimals; ++i)
    number.text +=
        static_cast<char>('0' + (i + 1 == decimals ? 1 + random.Below(9) : random.Below(10)));
  number.value = std::strtold(number.text.c_str(), nullptr);
  number.error = number.value;
  return number;
}

Piece Bracket(Piece inner, const char* opening) {
  inner.text = opening + inner.text + ")";
  inner.nesting += 1;
  inner.op = 0;
  return inner;
}

Piece SquareRoot(Piece radicand) {
  Piece root = Bracket(radicand, "sqrt(");
  root.sound = radicand.sound && radicand.value > kMinQuotient;
  if (!root.sound) return root;
  root.value = std::sqrt(radicand.value);
  root.error = radicand.error / (2 * root.value) + root.value;
  return root;
}

Piece Raise(Piece base, int exponent) {
  Piece power = base.op == 0 ? base : Bracket(base, "(");
  power.text += '^';
  power.text += static_cast<char>('0' + exponent);
  power.value = std::pow(base.value, exponent);
  power.error = exponent * std::pow(std::fabs(base.value), exponent - 1) * base.error +
                std::fabs(power.value);
  power.sound = base.sound && std::fabs(power.value) <= kMaxIntermediate;
  return power;
}

// Joins two pieces, bracketing an operand where the precedence rules of every
// tool (powers before products before sums, all left-associative) need it.
Piece Combine(Piece left, char op, Piece right) {
  if (IsProduct(op) && IsSum(left.op)) left = Bracket(left, "(");
  if ((IsProduct(op) && IsSum(right.op)) || (op == '-' && IsSum(right.op)) ||
      (op == '/' && IsProduct(right.op)))
    right = Bracket(right, "(");

  Piece joined;
  joined.text = left.text + op + right.text;
  joined.nesting = std::max(left.nesting, right.nesting);
  joined.op = op;
  joined.sound = left.sound && right.sound;
  const long double a = left.value;
  const long double b = right.value;
  switch (op) {
    case '+':
    case '-':
      joined.value = op == '+' ? a + b : a - b;
      joined.error = left.error + right.error;
      break;
    case '*':
      joined.value = a * b;
      joined.error = std::fabs(a) * right.error + std::fabs(b) * left.error;
      break;
    default:
      if (b == 0) {
        joined.sound = false;
        return joined;
      }
      joined.value = a / b;
      joined.error = left.error / std::fabs(b) + std::fabs(a) * right.error / (b * b);
      joined.sound = joined.sound && std::fabs(joined.value) >= kMinQuotient;
  }
  joined.error += std::fabs(joined.value);
  joined.sound = joined.sound && std::fabs(joined.value) <= kMaxIntermediate;
  return joined;
}

char PickOperator(Random& random) {
  const int pick = random.Below(100);
  if (pick < 30) return '+';
  if (pick < 55) return '-';
  if (pick < 82) return '*';
  return '/';
}

// An expression of `numbers` numbers; the recursion is bounded by the count
// of numbers of a line.
Piece MakeExpression(Random& random, int numbers) {
  if (numbers == 1) {
    Piece number = MakeNumber(random);
    return random.Chance(8) ? Raise(number, 2 + random.Below(2)) : number;
  }
  const int leftNumbers = 1 + random.Below(numbers - 1);
  Piece left = MakeExpression(random, leftNumbers);
  const char op = PickOperator(random);
  Piece right = MakeExpression(random, numbers - leftNumbers);
  Piece joined = Combine(std::move(left), op, std::move(right));

  if (random.Chance(3) && joined.value > 0) return SquareRoot(std::move(joined));
  if (numbers <= 3 && random.Chance(6)) return Raise(std::move(joined), 2 + random.Below(2));
  if (IsSum(joined.op) && random.Chance(12)) return Bracket(std::move(joined), "(");
  return joined;
}

bool Acceptable(const Piece& line) {
  const long double magnitude = std::fabs(line.value);
  return line.sound && line.nesting <= kMaxNesting && line.text.size() >= kMinLength &&
         line.text.size() <= kMaxLength && magnitude >= kMinResult && magnitude < kMaxResult &&
         line.error <= kMaxErrorUnits * magnitude;
}

// Tallyline spells the square root "sqr".
std::string TallylineSpelling(const std::string& text) {
  std::string spelled;
  spelled.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 5, "sqrt(") == 0) {
      spelled += "sqr(";
      i += 4;
    } else {
      spelled += text[i];
    }
  }
  return spelled;
}

class Output {
 public:
  explicit Output(const std::string& path) : file_(std::fopen(path.c_str(), "wb")), path_(path) {}
  ~Output() {
    if (file_) std::fclose(file_);
  }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  void Write(const std::string& text) {
    if (file_ && std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
  }
  bool Close() {
    const bool closed = file_ && std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed || failed_) std::fprintf(stderr, "generate: cannot write %s\n", path_.c_str());
    return closed && !failed_;
  }

 private:
  std::FILE* file_;
  std::string path_;
  bool failed_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  char* end = nullptr;
  const long count = argc == 3 ? std::strtol(argv[1], &end, 10) : 0;
  if (argc != 3 || *end != '\0' || count <= 0) {
    std::fprintf(stderr, "usage: generate N PREFIX\n");
    return 2;
  }
  const std::string prefix = argv[2];
  Output peers(prefix + ".peers.txt");
  Output tallyline(prefix + ".tallyline.txt");
  Output expected(prefix + ".expected.txt");
  if (!peers.IsOpen() || !tallyline.IsOpen() || !expected.IsOpen()) {
    std::fprintf(stderr, "generate: cannot create %s.*.txt\n", prefix.c_str());
    return 1;
  }

  Random random(kSeed);
  for (long written = 0; written < count;) {
    const Piece line = MakeExpression(random, kNumbersPerLine);
    if (!Acceptable(line)) continue;
    peers.Write(line.text + "\n");
    tallyline.Write(TallylineSpelling(line.text) + "\r\n");
    char value[64];
    std::snprintf(value, sizeof value, "%.18Lg\n", line.value);
    expected.Write(value);
    ++written;
  }
  const bool peersClosed = peers.Close();
  const bool tallylineClosed = tallyline.Close();
  const bool expectedClosed = expected.Close();
  return peersClosed && tallylineClosed && expectedClosed ? 0 : 1;
}

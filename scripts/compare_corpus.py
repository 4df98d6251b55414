#!/usr/bin/env python3
"""Writes the inputs scripts/compare_outputs.sh runs through two builds of
tallyline-cli: random worksheet lines under every option set that changes
evaluation, the fuzz corpora's texts as expressions, eval argument lists and
replay scripts of the batch command.

usage: compare_corpus.py OUT_DIR LINES [SEED]

OUT_DIR gets sets.txt (one option set a line: its name, TAB, its --set
arguments separated by spaces), run-NAME-K.txt (UTF-8, CR LF) and
fuzz-NAME.txt (GBK, CR LF) for `run`, eval-NAME.txt (NUL-separated
expressions, UTF-8) for `eval`, and replay-NAME.txt for `replay`. LINES random
lines in all are shared out over the option sets.
"""
import os
import random
import sys

# Every setting that changes what a line evaluates to or how its result is
# written, with its values.
FRACTION = ["0", "1", "2"]  # 分数类型
ANGLE = ["0", "1", "2"]  # 角度制选中
GROUPING = ["0", "1", "2"]  # 逗号千分割
IGNORE_GROUPING = ["假", "真"]  # 忽略千分符
DROP_ZEROS = ["真", "假"]  # 小数类型
PRECISION = [str(p) for p in range(16)]  # 运算精度设置


def option_sets():
    """Every value of every setting several times, in changing combinations
    (every precision at least once), a quarter of them with 空格分式, and the
    defaults."""
    sets = []
    for i in range(18):
        fraction = FRACTION[i % 3]
        angle = ANGLE[(i // 3) % 3]
        grouping = GROUPING[(i + i // 3) % 3]
        ignore = IGNORE_GROUPING[(i // 9 + i) % 2]
        zeros = DROP_ZEROS[(i // 2) % 2]
        precision = PRECISION[i % 16] if i < 16 else PRECISION[(i * 7) % 16]
        spaced = "真" if i % 4 == 3 else "假"
        args = [
            f"分数类型={fraction}",
            f"角度制选中={angle}",
            f"逗号千分割={grouping}",
            f"忽略千分符={ignore}",
            f"小数类型={zeros}",
            f"运算精度设置={precision}",
            f"空格分式={spaced}",
        ]
        sets.append((f"s{i:02d}", args, spaced == "真"))
    sets.append(("default", [], False))
    return sets


FUNCTIONS = ["sin", "cos", "tan", "sqr", "asin", "acos", "atan", "sinh", "cosh", "tanh",
             "abs", "exp", "int", "ln", "lg"]
LIST_FUNCTIONS = ["log", "max", "min", "sum", "if", "tjfx"]
BINARY = ["+", "-", "*", "/", "^", "×", "÷", "\\", "+", "-", "*", "/"]
POSTFIX = ["!", "%", "‰"]
OPEN_CLOSE = [("(", ")"), ("(", ")"), ("(", ")"), ("[", "]"), ("{", "}"), ("（", "）")]
NOISE = [" ", " ", "  ", "=", "a", "x", "X", "元", "个", "加", "\t", "..", "()", "(", ")",
         "]", "[", "~", "～", "☆", "★", "∟", ",", ";", "，", "；", "π", "pi", "e", "√",
         "１", "２", "．", "＋", "－", "＊", "／", "（", "）", "0", "00", "/", "//", "E", "'",
         "#", "?", "sin", "max(", "%", "!", "‰", "^", "^^", "-", "--", "+-", "*-", "１２３"]


def number(rng):
    kind = rng.random()
    digits = lambda n: "".join(rng.choice("0123456789") for _ in range(n))
    if kind < 0.25:
        return str(rng.randint(0, 999))
    if kind < 0.45:
        return f"{rng.randint(0, 9999)}.{digits(rng.randint(1, 6))}"
    if kind < 0.52:
        return f"{rng.randint(0, 99)}/{rng.randint(0, 99)}"
    if kind < 0.57:
        return "∟".join(str(rng.randint(0, 20)) for _ in range(rng.randint(2, 3)))
    if kind < 0.63:
        sep = rng.choice([",", ";"])
        return str(rng.randint(1, 999)) + "".join(sep + digits(3) for _ in range(rng.randint(1, 3)))
    if kind < 0.64:
        return digits(rng.randint(12, 20)).lstrip("0") or "0"
    if kind < 0.67:
        return "0." + "0" * rng.randint(3, 14) + digits(rng.randint(1, 4))
    if kind < 0.73:
        return rng.choice([".5", "5.", "1.2.3", "0", "00", "1e5", "2E3", "0/0", "3//4"])
    if kind < 0.78:
        return rng.choice(["pi", "π", "e"])
    if kind < 0.82:
        return "".join("０１２３４５６７８９"[int(c)] for c in digits(rng.randint(1, 3)))
    if kind < 0.86:
        return f"{digits(rng.randint(1, 13))}.{digits(rng.randint(1, 13))}"
    return str(rng.randint(1, 12))


def expression(rng, depth):
    parts = [term(rng, depth)]
    for _ in range(rng.choice([0, 1, 1, 1, 2, 2, 3])):
        parts.append(rng.choice(BINARY))
        parts.append(term(rng, depth))
    return "".join(parts)


def term(rng, depth):
    kind = rng.random()
    if depth > 1 or kind < 0.5:
        text = number(rng)
    elif kind < 0.60:
        o, c = rng.choice(OPEN_CLOSE)
        text = o + expression(rng, depth + 1) + c
    elif kind < 0.75:
        name = rng.choice(FUNCTIONS)
        text = name + ("(" + expression(rng, depth + 1) + ")" if rng.random() < 0.8 else number(rng))
    elif kind < 0.83:
        sep = rng.choice([",", ";"])
        args = [expression(rng, depth + 1) for _ in range(rng.randint(1, 5))]
        text = rng.choice(LIST_FUNCTIONS) + "(" + sep.join(args) + ")"
    elif kind < 0.90:
        text = "-" + term(rng, depth + 1)
    elif kind < 0.95:
        text = "√" + term(rng, depth + 1)
    else:
        text = term(rng, depth + 1) + rng.choice(POSTFIX)
    if rng.random() < 0.05:
        text += rng.choice(POSTFIX)
    return text


def noisy(rng, text):
    """Inserts, deletes or replaces a few characters."""
    chars = list(text)
    for _ in range(rng.randint(1, 3)):
        at = rng.randint(0, len(chars))
        action = rng.random()
        if action < 0.5 or not chars:
            chars.insert(at, rng.choice(NOISE))
        elif action < 0.75:
            del chars[min(at, len(chars) - 1)]
        else:
            chars[min(at, len(chars) - 1)] = rng.choice(NOISE)
    return "".join(chars)


def line(rng):
    kind = rng.random()
    text = expression(rng, 0)
    if kind < 0.55:
        return text
    if kind < 0.75:
        return noisy(rng, text)
    if kind < 0.82:
        return text + "=" + rng.choice(["", "1", number(rng), "3∟1∟2", "-0.5", "1.5×10^-005"])
    if kind < 0.88:
        return " ".join(expression(rng, 2) for _ in range(rng.randint(2, 4)))
    if kind < 0.92:
        return rng.choice(["", " ", "  ", "'note", "总计:", "abc", "=", "=5", "1+", "()"])
    if kind < 0.96:
        return expression(rng, 0) + "=" + expression(rng, 0) + "=" + number(rng)
    return "".join(rng.choice(NOISE) for _ in range(rng.randint(1, 12)))


def fuzz_texts(root):
    """The texts of the fuzz corpora, one expression a line: the engine
    target's input after its two option bytes, every line of the others."""
    texts = []
    corpus = os.path.join(root, "fuzz", "corpus")
    for target in sorted(os.listdir(corpus)):
        for name in sorted(os.listdir(os.path.join(corpus, target))):
            with open(os.path.join(corpus, target, name), "rb") as f:
                data = f.read()
            if target == "engine_fuzz":
                data = data[2:]
            for piece in data.replace(b"\r", b"\n").split(b"\n"):
                texts.append(piece.replace(b"\0", b""))
    return texts


def mutate_bytes(rng, data, pool):
    chars = bytearray(data)
    for _ in range(rng.randint(1, 4)):
        at = rng.randint(0, len(chars))
        chars[at:at] = rng.choice(pool)
    return bytes(chars)


def main():
    out, total = sys.argv[1], int(sys.argv[2])
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 20261207
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    rng = random.Random(seed)
    os.makedirs(out, exist_ok=True)
    sets = option_sets()
    per_set = max(1, total // len(sets))
    pool = [n.encode("gbk") for n in NOISE] + [b"1", b"+", b"2.5", b"/", b"sin("]
    fuzz = fuzz_texts(root)
    with open(os.path.join(out, "sets.txt"), "w", encoding="utf-8") as f:
        for name, args, _ in sets:
            f.write(name + "\t" + " ".join(args) + "\n")
    for name, args, spaced in sets:
        # With 空格分式 a batch stops after 5000 steps: small files.
        chunk = 600 if spaced else per_set
        written = 0
        k = 0
        while written < per_set:
            count = min(chunk, per_set - written)
            lines = [line(rng) for _ in range(count)]
            with open(os.path.join(out, f"run-{name}-{k:03d}.txt"), "wb") as f:
                f.write("".join(t + "\r\n" for t in lines).encode("gbk"))
            written += count
            k += 1
        mutated = fuzz + [mutate_bytes(rng, rng.choice(fuzz), pool) for _ in range(400)]
        with open(os.path.join(out, f"fuzz-{name}.txt"), "wb") as f:
            f.write(b"".join(t + b"\r\n" for t in mutated))
        # eval: every line alone on a fresh sheet, with its status text.
        exprs = [line(rng) for _ in range(max(200, per_set // 20))]
        exprs += [t.decode("gbk", "ignore") for t in fuzz]
        with open(os.path.join(out, f"eval-{name}.txt"), "wb") as f:
            f.write(b"".join(e.encode("utf-8") + b"\0" for e in exprs if e))
        # replay: the batch command on small sheets, with its status text.
        with open(os.path.join(out, f"replay-{name}.txt"), "w", encoding="utf-8") as f:
            for arg in args:
                key, value = arg.split("=", 1)
                f.write(f"set {key} {value}\n")
            for _ in range(60):
                body = "\r\n".join(line(rng) for _ in range(rng.randint(1, 8)))
                if rng.random() < 0.7:
                    body += "\r\n"
                quoted = body.replace("\\", "\\\\").replace('"', '\\"')
                quoted = quoted.replace("\r", "\\r").replace("\n", "\\n").replace("\t", "\\t")
                f.write(f'text "{quoted}"\ncommand "&F.批量运算"\nprint\n')


if __name__ == "__main__":
    main()

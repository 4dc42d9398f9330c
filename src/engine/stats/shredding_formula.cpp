#include "engine/stats/shredding_formula.h"

#include <strings.h>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace mv {
namespace {

using shredding_detail::TNum;
using shredding_detail::TWide;

double AsDouble(const TNum& v) {
    return v.Exact ? static_cast<double>(v.Num) / static_cast<double>(v.Den) : v.Float;
}
TNum FromDouble(double f) {
    TNum v;
    v.Exact = false;
    v.Float = f;
    return v;
}
TNum FromInt(long long n) {
    TNum v;
    v.Num = n;
    return v;
}

TWide Abs(TWide x) {
    return x < 0 ? -x : x;
}

TWide Gcd(TWide a, TWide b) {
    a = Abs(a);
    b = Abs(b);
    while (b != 0) {
        const TWide r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// The smallest magnitude keeps every negation and remainder defined.
constexpr TWide kWideLimit = (TWide{1} << 126);

bool Fits(TWide x) {
    return x < kWideLimit && x > -kWideLimit;
}

// n / d reduced, or false when it does not fit.
bool MakeExact(TWide n, TWide d, TNum& out) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    const TWide g = Gcd(n, d);
    if (g > 1) {
        n /= g;
        d /= g;
    }
    if (!Fits(n) || !Fits(d)) return false;
    out = TNum{};
    out.Num = n;
    out.Den = d;
    return true;
}

bool Mul(TWide a, TWide b, TWide& out) {
    return !__builtin_mul_overflow(a, b, &out) && Fits(out);
}

bool FitsInt64(TWide x) {
    return x >= std::numeric_limits<std::int64_t>::min() &&
           x <= std::numeric_limits<std::int64_t>::max();
}

// The deepest evaluation stack the short way of evaluating keeps on the machine stack.
constexpr int kSimpleDepth = 32;

bool Add(TWide a, TWide b, TWide& out) {
    return !__builtin_add_overflow(a, b, &out) && Fits(out);
}

enum TKind : std::uint8_t {
    kConst,
    kVariable,
    kJoined,
    kNeg,
    kAdd,
    kSub,
    kMul,
    kDiv,
    kPow,
    kFunc,
};

enum TFunction : std::uint8_t {
    fArctan,
    fCos,
    fSin,
    fTan,
    fAbs,
    fExp,
    fLn,
    fLog,
    fSqrt,
    fSqr,
    fInt,
    fFrac,
    fTrunc,
    fRound,
    fArcsin,
    fArccos,
    fSign,
    fNot,
};

// Longer names first where one begins with another (SQRT before SQR).
struct TFunctionName {
    const char* Name;
    TFunction Function;
};
constexpr TFunctionName kFunctions[] = {
    {"ARCTAN", fArctan}, {"ARCSIN", fArcsin}, {"ARCCOS", fArccos}, {"COS", fCos},
    {"SIN", fSin},       {"TAN", fTan},       {"ABS", fAbs},       {"EXP", fExp},
    {"LN", fLn},         {"LOG", fLog},       {"SQRT", fSqrt},     {"SQR", fSqr},
    {"INT", fInt},       {"FRAC", fFrac},     {"TRUNC", fTrunc},   {"ROUND", fRound},
    {"SIGN", fSign},     {"NOT", fNot},
};

// Nesting of parentheses, signs and powers beyond this is refused as malformed.
constexpr int kMaxNesting = 200;

// A decimal text "123", "1.25", ".5" or "7." as a value; false for anything else.
bool ParseDecimal(const std::string& text, TNum& out) {
    if (text.empty()) return false;
    int dots = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == '.') {
            ++dots;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            ++digits;
        } else {
            return false;
        }
    }
    if (dots > 1 || digits == 0) return false;
    TWide num = 0;
    TWide den = 1;
    bool afterDot = false;
    bool exact = true;
    for (const char c : text) {
        if (c == '.') {
            afterDot = true;
            continue;
        }
        if (!Mul(num, 10, num) || !Add(num, c - '0', num) || (afterDot && !Mul(den, 10, den))) {
            exact = false;
            break;
        }
    }
    if (exact && MakeExact(num, den, out)) return true;
    out = FromDouble(std::strtod(text.c_str(), nullptr));
    return std::isfinite(out.Float);
}

bool Finite(TNum& v) {
    return v.Exact || std::isfinite(v.Float);
}

bool Binary(TKind kind, const TNum& a, const TNum& b, TNum& out) {
    if (a.Exact && b.Exact) {
        TWide x = 0;
        TWide y = 0;
        TWide z = 0;
        switch (kind) {
            case kAdd:
            case kSub: {
                const TWide bn = kind == kAdd ? b.Num : -b.Num;
                if (Mul(a.Num, b.Den, x) && Mul(bn, a.Den, y) && Add(x, y, x) &&
                    Mul(a.Den, b.Den, z) && MakeExact(x, z, out)) {
                    return true;
                }
                break;
            }
            case kMul:
                if (Mul(a.Num, b.Num, x) && Mul(a.Den, b.Den, y) && MakeExact(x, y, out)) {
                    return true;
                }
                break;
            case kDiv:
                if (b.Num == 0) return false;
                if (Mul(a.Num, b.Den, x) && Mul(a.Den, b.Num, y) && MakeExact(x, y, out)) {
                    return true;
                }
                break;
            default:
                break;
        }
    }
    const double x = AsDouble(a);
    const double y = AsDouble(b);
    switch (kind) {
        case kAdd:
            out = FromDouble(x + y);
            break;
        case kSub:
            out = FromDouble(x - y);
            break;
        case kMul:
            out = FromDouble(x * y);
            break;
        case kDiv:
            if (y == 0) return false;
            out = FromDouble(x / y);
            break;
        default:
            return false;
    }
    return Finite(out);
}

bool Power(const TNum& base, const TNum& exponent, TNum& out) {
    // Whole exponents of exact values multiply exactly as long as the result fits.
    if (base.Exact && exponent.Exact && exponent.Den == 1 && Abs(exponent.Num) <= 256) {
        const int e = static_cast<int>(Abs(exponent.Num));
        if (base.Num == 0 && exponent.Num < 0) return false;
        TNum result = FromInt(1);
        bool exact = true;
        for (int i = 0; i < e && exact; ++i)
            exact = Binary(kMul, result, base, result) && result.Exact;
        if (exact) {
            if (exponent.Num >= 0) {
                out = result;
                return true;
            }
            return Binary(kDiv, FromInt(1), result, out);
        }
    }
    const double x = AsDouble(base);
    const double y = AsDouble(exponent);
    if (x == 0 && y < 0) return false;
    out = FromDouble(std::pow(x, y));
    return Finite(out);
}

// Whole part toward zero of an exact value.
TWide TruncOf(const TNum& v) {
    return v.Num / v.Den;
}

bool Apply(TFunction f, const TNum& a, TNum& out) {
    const double x = AsDouble(a);
    switch (f) {
        case fAbs:
            if (a.Exact) {
                out = a;
                out.Num = Abs(a.Num);
            } else {
                out = FromDouble(std::fabs(x));
            }
            return true;
        case fSqr:
            return Binary(kMul, a, a, out);
        case fInt:
        case fTrunc:
            if (a.Exact) {
                out = FromInt(0);
                out.Num = TruncOf(a);
            } else {
                out = FromDouble(std::trunc(x));
            }
            return true;
        case fFrac:
            if (a.Exact) return MakeExact(a.Num % a.Den, a.Den, out);
            out = FromDouble(x - std::trunc(x));
            return true;
        case fRound:
            if (a.Exact) {
                // Halves away from zero: trunc(x + sign(x) / 2).
                TNum half;
                MakeExact(a.Num < 0 ? -1 : 1, 2, half);
                TNum shifted;
                if (!Binary(kAdd, a, half, shifted)) return false;
                if (shifted.Exact) {
                    out = FromInt(0);
                    out.Num = TruncOf(shifted);
                    return true;
                }
            }
            out = FromDouble(std::round(x));
            return true;
        case fSign:
            out = FromInt(a.Exact ? (a.Num > 0) - (a.Num < 0) : (x > 0) - (x < 0));
            return true;
        case fNot:
            out = FromInt(a.Exact ? a.Num == 0 : x == 0);
            return true;
        case fArctan:
            out = FromDouble(std::atan(x));
            break;
        case fCos:
            out = FromDouble(std::cos(x));
            break;
        case fSin:
            out = FromDouble(std::sin(x));
            break;
        case fTan:
            out = FromDouble(std::tan(x));
            break;
        case fExp:
            out = FromDouble(std::exp(x));
            break;
        case fLn:
            if (x <= 0) return false;
            out = FromDouble(std::log(x));
            break;
        case fLog:
            if (x <= 0) return false;
            out = FromDouble(std::log10(x));
            break;
        case fSqrt:
            if (x < 0) return false;
            out = FromDouble(std::sqrt(x));
            break;
        case fArcsin:
            if (x < -1 || x > 1) return false;
            out = FromDouble(std::asin(x));
            break;
        case fArccos:
            if (x < -1 || x > 1) return false;
            out = FromDouble(std::acos(x));
            break;
    }
    return Finite(out);
}

// The evaluation stack: on the machine stack for the usual small formulas.
class TStack {
public:
    explicit TStack(int depth) {
        if (depth > static_cast<int>(m_local.size()))
            m_heap.resize(static_cast<std::size_t>(depth));
        m_base = m_heap.empty() ? m_local.data() : m_heap.data();
    }
    void push_back(const TNum& v) { m_base[m_size++] = v; }
    void pop_back() { --m_size; }
    TNum& back() { return m_base[m_size - 1]; }
    std::size_t size() const { return m_size; }

private:
    std::array<TNum, 32> m_local;
    std::vector<TNum> m_heap;
    TNum* m_base = nullptr;
    std::size_t m_size = 0;
};

}  // namespace

// Recursive descent over the text, writing the postfix program. Every level of nesting is
// counted, so no text can recurse deeper than kMaxNesting levels.
class TFormulaCompiler {
public:
    TFormulaCompiler(const std::string& text, TShreddingFormula& formula, std::vector<TNum>& consts)
        : m_text(text), m_formula(formula), m_consts(consts) {}

    bool Compile() {
        if (!Expression(0)) return false;
        SkipSpaces();
        return m_pos == m_text.size();
    }

    int MaxStack() const { return m_maxStack; }

private:
    void SkipSpaces() {
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos]))) {
            ++m_pos;
        }
    }
    bool Peek(char c) {
        SkipSpaces();
        return m_pos < m_text.size() && m_text[m_pos] == c;
    }
    void Emit(std::uint8_t kind, int stackChange, std::uint8_t arg = 0, int part = 0,
              int parts = 0) {
        m_formula.m_program.push_back({.Kind = kind, .Arg = arg, .Part = part, .Parts = parts});
        m_stack += stackChange;
        if (m_stack > m_maxStack) m_maxStack = m_stack;
    }

    bool Expression(int depth) {
        if (depth > kMaxNesting || !Term(depth)) return false;
        for (;;) {
            if (Peek('+') || Peek('-')) {
                const bool plus = m_text[m_pos++] == '+';
                if (!Term(depth)) return false;
                Emit(plus ? kAdd : kSub, -1);
            } else {
                return true;
            }
        }
    }

    bool Term(int depth) {
        if (!Unary(depth)) return false;
        for (;;) {
            if (Peek('*') || Peek('/')) {
                const bool times = m_text[m_pos++] == '*';
                if (!Unary(depth)) return false;
                Emit(times ? kMul : kDiv, -1);
            } else {
                return true;
            }
        }
    }

    bool Unary(int depth) {
        // A run of signs is read in a loop: only their parity matters.
        bool negate = false;
        while (Peek('+') || Peek('-')) negate ^= m_text[m_pos++] == '-';
        if (!Power(depth)) return false;
        if (negate) Emit(kNeg, 0);
        return true;
    }

    bool Power(int depth) {
        if (!Primary(depth)) return false;
        if (!Peek('^')) return true;
        ++m_pos;
        if (depth + 1 > kMaxNesting || !Unary(depth + 1)) return false;
        Emit(kPow, -1);
        return true;
    }

    bool Primary(int depth) {
        SkipSpaces();
        if (m_pos >= m_text.size()) return false;
        const char c = m_text[m_pos];
        if (c == '(') {
            ++m_pos;
            if (!Expression(depth + 1) || !Peek(')')) return false;
            ++m_pos;
            return true;
        }
        if (std::isalpha(static_cast<unsigned char>(c))) {
            for (const TFunctionName& f : kFunctions) {
                const std::size_t n = std::strlen(f.Name);
                if (m_text.size() - m_pos > n && m_text[m_pos + n] == '(' &&
                    strncasecmp(m_text.c_str() + m_pos, f.Name, n) == 0) {
                    m_pos += n + 1;
                    if (!Expression(depth + 1) || !Peek(')')) return false;
                    ++m_pos;
                    Emit(kFunc, 0, static_cast<std::uint8_t>(f.Function));
                    return true;
                }
            }
        }
        return Number();
    }

    // The variable slot (0..14) at m_pos, or -1.
    int VariableAt(std::size_t pos) const {
        if (pos + 1 >= m_text.size()) return -1;
        const char letter =
            static_cast<char>(std::tolower(static_cast<unsigned char>(m_text[pos])));
        const char digit = m_text[pos + 1];
        if (digit < '1' || digit > '5') return -1;
        const int draw = letter == 'n' ? 0 : letter == 'p' ? 1 : letter == 't' ? 2 : -1;
        return draw < 0 ? -1 : draw * 5 + (digit - '1');
    }

    // A run of digits, dots and variables forms one number, as the text with every variable
    // replaced by its number would.
    bool Number() {
        std::vector<TShreddingFormula::TPiece> pieces;
        std::string literal;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            const int slot = VariableAt(m_pos);
            if (slot >= 0) {
                if (!literal.empty()) pieces.push_back({std::move(literal), -1});
                literal.clear();
                pieces.push_back({{}, slot});
                m_pos += 2;
            } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
                literal += c;
                ++m_pos;
            } else {
                break;
            }
        }
        if (!literal.empty()) pieces.push_back({std::move(literal), -1});
        if (pieces.empty()) return false;
        if (pieces.size() == 1 && pieces[0].Slot >= 0) {
            Emit(kVariable, 1, static_cast<std::uint8_t>(pieces[0].Slot));
            return true;
        }
        if (pieces.size() == 1) {
            TNum value;
            if (!ParseDecimal(pieces[0].Text, value)) return false;
            m_consts.push_back(value);
            Emit(kConst, 1, 0, static_cast<int>(m_consts.size() - 1));
            return true;
        }
        const int first = static_cast<int>(m_formula.m_pieces.size());
        for (auto& p : pieces) m_formula.m_pieces.push_back(std::move(p));
        Emit(kJoined, 1, 0, first, static_cast<int>(pieces.size()));
        return true;
    }

    const std::string& m_text;
    std::size_t m_pos = 0;
    TShreddingFormula& m_formula;
    std::vector<TNum>& m_consts;
    int m_stack = 0;
    int m_maxStack = 0;
};

TShreddingFormula::TShreddingFormula(const std::string& text) : m_text(text) {
    TFormulaCompiler compiler(text, *this, m_consts);
    m_valid = compiler.Compile();
    m_stackDepth = compiler.MaxStack();
    if (!m_valid) {
        m_program.clear();
        m_pieces.clear();
        m_consts.clear();
    }
    m_currentOnly =
        m_valid &&
        std::all_of(m_program.begin(), m_program.end(),
                    [](const TOp& op) { return op.Kind != kVariable || op.Arg < 5; }) &&
        std::all_of(m_pieces.begin(), m_pieces.end(), [](const TPiece& p) { return p.Slot < 5; });
    m_simple = m_valid && m_stackDepth <= kSimpleDepth &&
               std::all_of(m_program.begin(), m_program.end(), [this](const TOp& op) {
                   if (op.Kind == kConst) {
                       const TNum& c = m_consts[static_cast<std::size_t>(op.Part)];
                       return c.Exact && FitsInt64(c.Num) && FitsInt64(c.Den);
                   }
                   return op.Kind == kVariable || op.Kind == kNeg || op.Kind == kAdd ||
                          op.Kind == kSub || op.Kind == kMul || op.Kind == kDiv;
               });
}

// Fractions are not reduced on the short way: the value is the same, and trunc(frac(|x|) *
// 10^k) is ((|n| mod d) * 10^k) div d for any n / d of it. Any overflow hands the case to the
// general way, which reduces as it goes; since reduced terms are never larger, whatever the
// short way finishes the general way finishes exactly too, with the same value.
bool TShreddingFormula::ShredSimple(const TDrawNumbers& numbers, int digits,
                                    std::int32_t& out) const {
    struct TFraction {
        std::int64_t Num;
        std::int64_t Den;  // > 0
    };
    std::array<TFraction, kSimpleDepth> stack;
    std::size_t size = 0;
    for (const TOp& op : m_program) {
        switch (op.Kind) {
            case kConst: {
                const TNum& c = m_consts[static_cast<std::size_t>(op.Part)];
                stack[size++] = {static_cast<std::int64_t>(c.Num),
                                 static_cast<std::int64_t>(c.Den)};
                break;
            }
            case kVariable:
                stack[size++] = {numbers[op.Arg / 5][op.Arg % 5], 1};
                break;
            case kNeg:
                if (__builtin_sub_overflow(0, stack[size - 1].Num, &stack[size - 1].Num)) {
                    return false;
                }
                break;
            default: {
                const TFraction b = stack[--size];
                TFraction& a = stack[size - 1];
                std::int64_t x = 0;
                std::int64_t y = 0;
                switch (op.Kind) {
                    case kAdd:
                    case kSub:
                        if (a.Den == b.Den) {
                            if (op.Kind == kAdd ? __builtin_add_overflow(a.Num, b.Num, &a.Num)
                                                : __builtin_sub_overflow(a.Num, b.Num, &a.Num)) {
                                return false;
                            }
                            break;
                        }
                        if (__builtin_mul_overflow(a.Num, b.Den, &x) ||
                            __builtin_mul_overflow(b.Num, a.Den, &y) ||
                            __builtin_mul_overflow(a.Den, b.Den, &a.Den) ||
                            (op.Kind == kAdd ? __builtin_add_overflow(x, y, &a.Num)
                                             : __builtin_sub_overflow(x, y, &a.Num))) {
                            return false;
                        }
                        break;
                    case kMul:
                        if (__builtin_mul_overflow(a.Num, b.Num, &a.Num) ||
                            __builtin_mul_overflow(a.Den, b.Den, &a.Den)) {
                            return false;
                        }
                        break;
                    default:  // kDiv
                        if (b.Num == 0) {
                            out = 0;  // division by zero
                            return true;
                        }
                        if (__builtin_mul_overflow(a.Num, b.Den, &x) ||
                            __builtin_mul_overflow(a.Den, b.Num, &y)) {
                            return false;
                        }
                        if (y < 0 && (__builtin_sub_overflow(0, x, &x) ||
                                      __builtin_sub_overflow(0, y, &y))) {
                            return false;
                        }
                        a = {x, y};
                        break;
                }
                break;
            }
        }
    }
    const TFraction& v = stack[0];
    if (v.Num == std::numeric_limits<std::int64_t>::min()) return false;
    std::int64_t scaled = (v.Num < 0 ? -v.Num : v.Num) % v.Den;
    for (int i = 0; i < digits; ++i) {
        if (__builtin_mul_overflow(scaled, 10, &scaled)) return false;
    }
    out = static_cast<std::int32_t>(scaled / v.Den);
    return true;
}

std::int32_t TShreddingFormula::Shred(const TDrawNumbers& numbers, int digits) const {
    std::int32_t value = 0;
    if (m_simple && ShredSimple(numbers, digits, value)) return value;
    return ShredGeneral(numbers, digits);
}

std::int32_t TShreddingFormula::ShredGeneral(const TDrawNumbers& numbers, int digits) const {
    if (!m_valid) return 0;
    TStack stack(m_stackDepth);
    for (const TOp& op : m_program) {
        switch (op.Kind) {
            case kConst:
                stack.push_back(m_consts[static_cast<std::size_t>(op.Part)]);
                break;
            case kVariable:
                stack.push_back(FromInt(numbers[op.Arg / 5][op.Arg % 5]));
                break;
            case kJoined: {
                std::string text;
                for (int i = 0; i < op.Parts; ++i) {
                    const TPiece& piece = m_pieces[static_cast<std::size_t>(op.Part + i)];
                    text += piece.Slot < 0
                                ? piece.Text
                                : std::to_string(numbers[static_cast<std::size_t>(piece.Slot / 5)]
                                                        [static_cast<std::size_t>(piece.Slot % 5)]);
                }
                TNum v;
                if (!ParseDecimal(text, v)) return 0;
                stack.push_back(v);
                break;
            }
            case kNeg: {
                TNum& v = stack.back();
                if (v.Exact) {
                    v.Num = -v.Num;
                } else {
                    v.Float = -v.Float;
                }
                break;
            }
            case kFunc: {
                TNum out;
                if (!Apply(static_cast<TFunction>(op.Arg), stack.back(), out)) return 0;
                stack.back() = out;
                break;
            }
            default: {
                const TNum b = stack.back();
                stack.pop_back();
                TNum out;
                const bool ok = op.Kind == kPow
                                    ? Power(stack.back(), b, out)
                                    : Binary(static_cast<TKind>(op.Kind), stack.back(), b, out);
                if (!ok) return 0;
                stack.back() = out;
                break;
            }
        }
    }
    if (stack.size() != 1) return 0;
    const TNum& x = stack.back();
    TWide scale = 1;
    for (int i = 0; i < digits; ++i) scale *= 10;
    if (x.Exact) {
        TWide scaled = 0;
        if (Mul(Abs(x.Num) % x.Den, scale, scaled))
            return static_cast<std::int32_t>(scaled / x.Den);
    }
    const double f = std::fabs(AsDouble(x));
    if (!std::isfinite(f)) return 0;
    return static_cast<std::int32_t>(std::trunc((f - std::floor(f)) * static_cast<double>(scale)));
}

}  // namespace mv

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mv {

namespace shredding_detail {

__extension__ typedef __int128 TWide;

// A value: an exact reduced fraction (Den > 0) or, once that could not be kept, a double.
struct TNum {
    bool Exact = true;
    TWide Num = 0;
    TWide Den = 1;
    double Float = 0;
};

}  // namespace shredding_detail

// An arithmetic formula over the numbers of three draws, compiled once and evaluated for
// many draws or combinations.
//
// The text holds decimal numbers, the variables n1..n5 (current draw), p1..p5 (the draw
// before) and t1..t5 (the one before that, all case-insensitive), + - * / ^, unary signs,
// parentheses and the functions ARCTAN COS SIN TAN ABS EXP LN LOG SQRT SQR INT FRAC TRUNC
// ROUND ARCSIN ARCCOS SIGN NOT, each name directly followed by "(". A variable stands for
// the decimal text of its number, so a variable next to digits joins them ("n1" then "0"
// reads as one number). "^" binds tighter than the unary signs and groups to the right;
// LOG is the decimal logarithm, ROUND rounds halves away from zero, NOT gives 1 for 0 and
// 0 otherwise.
//
// Values are exact fractions of 128-bit integers, reduced at every step, so that a value
// with a finite decimal form keeps every digit; an operation whose exact result would not
// fit, and every function without exact results (the roots, logarithms and angles), goes on
// in floating point. A malformed text, a division by zero, a result outside a function's
// domain or any non-finite value makes the whole value invalid. Compiling and evaluating take
// time and memory in proportion to the text, never recursion deeper than a fixed bound.
class TShreddingFormula {
public:
    // The numbers of the current, the previous and the third draw.
    using TDrawNumbers = std::array<std::array<std::uint8_t, 5>, 3>;

    explicit TShreddingFormula(const std::string& text);
    bool Valid() const { return m_valid; }
    // trunc(frac(|x|) * 10^digits) of the formula's value x for the numbers (digits 0..9);
    // 0 when the formula or its value is invalid.
    std::int32_t Shred(const TDrawNumbers& numbers, int digits) const;
    // The same value through the general evaluation only. Shred takes a shorter way for
    // formulas of numbers, variables and the four operations whose fractions fit 64 bits
    // unreduced; both give the same exact value, so the same result.
    std::int32_t ShredGeneral(const TDrawNumbers& numbers, int digits) const;
    // True when the text names no number of the earlier draws (no p1..p5, t1..t5): then the
    // value of a combination is the same whatever draws came before.
    bool CurrentDrawOnly() const { return m_currentOnly; }
    const std::string& Text() const { return m_text; }

    struct TOp {
        std::uint8_t Kind = 0;
        std::uint8_t Arg = 0;   // variable slot, function or operator
        std::int32_t Part = 0;  // first literal piece of a joined number
        std::int32_t Parts = 0;
    };

private:
    std::vector<TOp> m_program;  // postfix
    // The pieces of numbers that join variables and digits: literal text, or a variable slot.
    struct TPiece {
        std::string Text;
        int Slot = -1;
    };
    std::vector<TPiece> m_pieces;
    std::vector<shredding_detail::TNum> m_consts;
    bool m_valid = false;
    int m_stackDepth = 0;
    // The program needs nothing but the four operations on exact 64-bit fractions.
    bool m_simple = false;
    bool m_currentOnly = false;
    std::string m_text;
    // False when the short way cannot tell (a 64-bit overflow): the general one decides.
    bool ShredSimple(const TDrawNumbers& numbers, int digits, std::int32_t& out) const;

    friend class TFormulaCompiler;
};

}  // namespace mv

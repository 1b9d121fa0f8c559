#pragma once

#include <QStringView>

namespace tablicznik::rtf {

enum class TokenKind {
    End,           // the input is used up
    GroupOpen,     // {
    GroupClose,    // }
    ControlWord,   // \word or \word-12: `word` and, when given, `parameter`
    ControlSymbol, // \ followed by one non-letter (\~ \* \\ ...): `parameter` holds the character
    HexByte,       // \'xx: `parameter` holds the byte
    Text,          // a run of plain characters in `word`
};

struct Token {
    TokenKind kind = TokenKind::End;
    QStringView word;
    int parameter = 0;
    bool hasParameter = false;
};

// Splits RTF into tokens. Line breaks and other control characters between
// tokens are dropped (RTF ignores them), a space that ends a control word
// belongs to the word, and a numeric parameter saturates at
// ±kMaxParameter. An incomplete \' escape (fewer than two hex digits) gives
// the control symbol '\'' and swallows the digits it has. The tokeniser
// never looks behind and always moves on, so any input ends in End.
class Tokenizer {
public:
    static constexpr int kMaxParameter = 999'999'999;

    explicit Tokenizer(QStringView input) : m_input(input) {}

    Token next();
    // Passes over `count` characters of raw data (\binN), as far as the input goes.
    void skip(qsizetype count);

private:
    Token controlWord();

    QStringView m_input;
    qsizetype m_pos = 0;
};

} // namespace tablicznik::rtf

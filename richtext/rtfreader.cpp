#include "rtfreader.h"

#include "data/cp1250.h"
#include "rtftokenizer.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace tablicznik {
namespace {

using rtf::Token;
using rtf::TokenKind;

// Deeper groups than this share the formatting of the deepest one held;
// real documents nest a handful of levels.
constexpr std::size_t kMaxDepth = 256;
// Half-points: RTF's default 12 pt, and the largest size RTF allows (1638 pt).
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276;
constexpr qsizetype kMaxFontName = 128;
constexpr int kMaxUnicodeSkip = 16;
constexpr std::size_t kFormatsKept = 16;

enum class Destination { Body, FontTable, ColourTable, Ignored };

enum class Action {
    Bold, Italic, FontSize, Font, DefaultFont, Colour,
    Raise, Lower, Super, Sub, NoSuperSub, Plain,
    Paragraph, Pard, AlignLeft, AlignRight, AlignCentre, AlignJustify,
    SpaceBefore, SpaceAfter, LeftIndent, FirstIndent,
    Character, Unicode, UnicodeSkip, Binary,
    Red, Green, Blue,
    FontTable, ColourTable, Ignore,
};

struct Word {
    std::u16string_view name;
    Action action;
    char16_t character = 0; // for Action::Character
};

// Every control word the reader acts on, sorted by name; all others are
// passed over.
constexpr Word kWords[] = {
    {u"b", Action::Bold},
    {u"bin", Action::Binary},
    {u"blue", Action::Blue},
    {u"bullet", Action::Character, u'\u2022'},
    {u"cell", Action::Character, u'\t'},
    {u"cf", Action::Colour},
    {u"colortbl", Action::ColourTable},
    {u"deff", Action::DefaultFont},
    {u"dn", Action::Lower},
    {u"emdash", Action::Character, u'\u2014'},
    {u"emspace", Action::Character, u'\u2003'},
    {u"endash", Action::Character, u'\u2013'},
    {u"enspace", Action::Character, u'\u2002'},
    {u"f", Action::Font},
    {u"fi", Action::FirstIndent},
    {u"fonttbl", Action::FontTable},
    {u"footer", Action::Ignore},
    {u"footerf", Action::Ignore},
    {u"footerl", Action::Ignore},
    {u"footerr", Action::Ignore},
    {u"footnote", Action::Ignore},
    {u"fs", Action::FontSize},
    {u"green", Action::Green},
    {u"header", Action::Ignore},
    {u"headerf", Action::Ignore},
    {u"headerl", Action::Ignore},
    {u"headerr", Action::Ignore},
    {u"i", Action::Italic},
    {u"info", Action::Ignore},
    {u"ldblquote", Action::Character, u'\u201C'},
    {u"li", Action::LeftIndent},
    {u"line", Action::Character, u'\u2028'},
    {u"listoverridetable", Action::Ignore},
    {u"listtable", Action::Ignore},
    {u"lquote", Action::Character, u'\u2018'},
    {u"nosupersub", Action::NoSuperSub},
    {u"object", Action::Ignore},
    {u"page", Action::Paragraph},
    {u"par", Action::Paragraph},
    {u"pard", Action::Pard},
    {u"pict", Action::Ignore},
    {u"plain", Action::Plain},
    {u"pntext", Action::Ignore},
    {u"pntxta", Action::Ignore},
    {u"pntxtb", Action::Ignore},
    {u"qc", Action::AlignCentre},
    {u"qj", Action::AlignJustify},
    {u"ql", Action::AlignLeft},
    {u"qr", Action::AlignRight},
    {u"rdblquote", Action::Character, u'\u201D'},
    {u"red", Action::Red},
    {u"revtbl", Action::Ignore},
    {u"row", Action::Paragraph},
    {u"rquote", Action::Character, u'\u2019'},
    {u"sa", Action::SpaceAfter},
    {u"sb", Action::SpaceBefore},
    {u"sect", Action::Paragraph},
    {u"stylesheet", Action::Ignore},
    {u"sub", Action::Sub},
    {u"super", Action::Super},
    {u"tab", Action::Character, u'\t'},
    {u"u", Action::Unicode},
    {u"uc", Action::UnicodeSkip},
    {u"up", Action::Raise},
};

constexpr bool wordsSorted()
{
    for (std::size_t i = 1; i < std::size(kWords); ++i)
        if (!(kWords[i - 1].name < kWords[i].name))
            return false;
    return true;
}
static_assert(wordsSorted(), "kWords must stay sorted for the binary search");

const Word *findWord(QStringView name)
{
    const std::u16string_view key(reinterpret_cast<const char16_t *>(name.data()), std::size_t(name.size()));
    const auto it = std::lower_bound(std::begin(kWords), std::end(kWords), key,
                                     [](const Word &word, std::u16string_view k) { return word.name < k; });
    return it != std::end(kWords) && it->name == key ? it : nullptr;
}

enum class Script { Normal, Super, Sub };

struct CharState {
    bool bold = false;
    bool italic = false;
    int halfPoints = kDefaultHalfPoints;
    int font = -1; // -1: the document's default font (\deff)
    int colour = 0;
    Script script = Script::Normal;
    int raise = 0; // half-points, \up positive and \dn negative

    bool operator==(const CharState &) const = default;
};

struct GroupState {
    CharState chars;
    Destination destination = Destination::Body;
    int unicodeSkip = 1; // \uc: fallback characters after each \uN
};

// Writes runs and paragraphs into the document. A paragraph break is held
// back until something follows it, so the \par that ends the last
// paragraph leaves no empty paragraph behind.
class DocumentOutput {
public:
    explicit DocumentOutput(QTextDocument *doc) : m_cursor(doc) {}

    void text(const QString &text, const QTextCharFormat &chars, const QTextBlockFormat &block)
    {
        openBlock(chars, block);
        m_cursor.insertText(text, chars);
    }

    void paragraphEnd(const QTextCharFormat &chars, const QTextBlockFormat &block)
    {
        openBlock(chars, block);
        m_cursor.setBlockFormat(block);
        m_breakPending = true;
    }

    QTextCursor &cursor() { return m_cursor; }

private:
    void openBlock(const QTextCharFormat &chars, const QTextBlockFormat &block)
    {
        if (m_breakPending) {
            m_cursor.insertBlock(block, chars);
            m_breakPending = false;
        } else if (!m_started) {
            m_cursor.setBlockFormat(block);
            m_cursor.setBlockCharFormat(chars);
        }
        m_started = true;
    }

    QTextCursor m_cursor;
    bool m_started = false;
    bool m_breakPending = false;
};

class Reader {
public:
    explicit Reader(QTextDocument *doc) : m_output(doc)
    {
        m_groups.reserve(16);
        m_groups.emplace_back();
        m_colours.emplace_back(); // index 0 stays "automatic" until the table says otherwise
        m_blockFormat.setAlignment(Qt::AlignLeft);
    }

    QTextCursor &cursor() { return m_output.cursor(); }

    void read(QStringView input)
    {
        rtf::Tokenizer tokens(input);
        for (Token token = tokens.next(); token.kind != TokenKind::End; token = tokens.next()) {
            if (token.kind != TokenKind::Text && token.kind != TokenKind::HexByte)
                m_fallbackLeft = 0;
            switch (token.kind) {
            case TokenKind::GroupOpen:
                openGroup();
                break;
            case TokenKind::GroupClose:
                closeGroup();
                break;
            case TokenKind::ControlWord:
                if (const Word *word = findWord(token.word)) {
                    if (word->action == Action::Binary)
                        tokens.skip(token.hasParameter ? token.parameter : 0);
                    else
                        controlWord(*word, token);
                }
                break;
            case TokenKind::ControlSymbol:
                controlSymbol(char16_t(token.parameter));
                break;
            case TokenKind::HexByte:
                if (m_fallbackLeft > 0) {
                    --m_fallbackLeft;
                } else {
                    const char16_t c = cp1250ToUnicode(static_cast<unsigned char>(token.parameter));
                    if (c != 0xFFFD && c >= 0x20)
                        text(QStringView(&c, 1));
                }
                break;
            case TokenKind::Text:
                plainText(token.word);
                break;
            case TokenKind::End:
                break;
            }
        }
        flush();
    }

private:
    GroupState &state() { return m_groups.back(); }

    void openGroup()
    {
        if (m_groups.size() < kMaxDepth)
            m_groups.push_back(m_groups.back());
        else
            ++m_overflow;
    }

    void closeGroup()
    {
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (state().destination == Destination::FontTable)
            commitFont();
        if (m_groups.size() > 1) // a stray closing brace cannot end the outermost state
            m_groups.pop_back();
    }

    void controlSymbol(char16_t c)
    {
        switch (c) {
        case u'\\':
        case u'{':
        case u'}':
            text(QStringView(&c, 1));
            break;
        case u'~': {
            const char16_t space = u'\u00A0';
            text(QStringView(&space, 1));
            break;
        }
        case u'_': {
            const char16_t hyphen = u'\u2011';
            text(QStringView(&hyphen, 1));
            break;
        }
        case u'*':
            state().destination = Destination::Ignored;
            break;
        case u'\r':
        case u'\n':
            if (state().destination == Destination::Body)
                paragraph();
            break;
        default:
            break;
        }
    }

    void controlWord(const Word &word, const Token &token)
    {
        const bool has = token.hasParameter;
        const int value = token.parameter;
        GroupState &group = state();
        CharState &chars = group.chars;
        if (group.destination == Destination::Ignored)
            return;

        // Destinations and the words that only make sense inside the tables.
        switch (word.action) {
        case Action::FontTable:
            group.destination = Destination::FontTable;
            m_fontName.clear();
            return;
        case Action::ColourTable:
            group.destination = Destination::ColourTable;
            m_colours.clear();
            m_red = m_green = m_blue = -1;
            m_formats.clear();
            return;
        case Action::Ignore:
            group.destination = Destination::Ignored;
            return;
        case Action::Red:
            m_red = std::clamp(value, 0, 255);
            return;
        case Action::Green:
            m_green = std::clamp(value, 0, 255);
            return;
        case Action::Blue:
            m_blue = std::clamp(value, 0, 255);
            return;
        case Action::Font:
            if (group.destination == Destination::FontTable) {
                commitFont();
                m_fontNumber = has ? value : 0;
                return;
            }
            break;
        default:
            break;
        }
        if (group.destination != Destination::Body)
            return;

        switch (word.action) {
        case Action::Bold:
            chars.bold = !has || value != 0;
            break;
        case Action::Italic:
            chars.italic = !has || value != 0;
            break;
        case Action::FontSize:
            chars.halfPoints = has && value > 0 ? std::min(value, kMaxHalfPoints) : kDefaultHalfPoints;
            break;
        case Action::Font:
            chars.font = has ? value : 0;
            break;
        case Action::DefaultFont:
            m_defaultFont = has ? value : 0;
            m_formats.clear();
            break;
        case Action::Colour:
            chars.colour = has ? value : 0;
            break;
        case Action::Raise:
            chars.raise = std::clamp(has ? value : 6, -kMaxHalfPoints, kMaxHalfPoints);
            break;
        case Action::Lower:
            chars.raise = -std::clamp(has ? value : 6, -kMaxHalfPoints, kMaxHalfPoints);
            break;
        case Action::Super:
            chars.script = Script::Super;
            break;
        case Action::Sub:
            chars.script = Script::Sub;
            break;
        case Action::NoSuperSub:
            chars.script = Script::Normal;
            break;
        case Action::Plain:
            chars = CharState{};
            break;
        case Action::Paragraph:
            paragraph();
            break;
        case Action::Pard:
            m_blockFormat = QTextBlockFormat();
            setAlignment(Qt::AlignLeft);
            break;
        // Paragraph spacing and indents are given in twips; the document
        // measures in pixels of 1/96 inch.
        case Action::SpaceBefore:
            m_blockFormat.setTopMargin(twipsToPixels(value));
            break;
        case Action::SpaceAfter:
            m_blockFormat.setBottomMargin(twipsToPixels(value));
            break;
        case Action::LeftIndent:
            m_blockFormat.setLeftMargin(twipsToPixels(value));
            break;
        case Action::FirstIndent:
            m_blockFormat.setTextIndent(twipsToPixels(value));
            break;
        case Action::AlignLeft:
            setAlignment(Qt::AlignLeft);
            break;
        case Action::AlignRight:
            setAlignment(Qt::AlignRight);
            break;
        case Action::AlignCentre:
            setAlignment(Qt::AlignHCenter);
            break;
        case Action::AlignJustify:
            setAlignment(Qt::AlignJustify);
            break;
        case Action::Character:
            text(QStringView(&word.character, 1));
            break;
        case Action::Unicode: {
            // \uN: a signed 16-bit value; the next characters are its stand-in
            // for readers that do not know \u.
            int code = has ? value : 0;
            if (code < 0)
                code += 0x10000;
            if (code >= 0x20 && code < 0xFFFE) {
                const char16_t c = char16_t(code);
                text(QStringView(&c, 1));
            }
            m_fallbackLeft = group.unicodeSkip;
            break;
        }
        case Action::UnicodeSkip:
            group.unicodeSkip = std::clamp(has ? value : 1, 0, kMaxUnicodeSkip);
            break;
        default:
            break;
        }
    }

    void plainText(QStringView run)
    {
        if (m_fallbackLeft > 0) {
            const qsizetype skipped = std::min<qsizetype>(m_fallbackLeft, run.size());
            m_fallbackLeft -= int(skipped);
            run = run.sliced(skipped);
        }
        if (!run.isEmpty())
            text(run);
    }

    // Text of any destination: the body shows it, the tables collect names.
    void text(QStringView run)
    {
        switch (state().destination) {
        case Destination::Body:
            if (!m_pending.isEmpty() && !(m_pendingState == state().chars))
                flush();
            if (m_pending.isEmpty())
                m_pendingState = state().chars;
            m_pending += run;
            break;
        case Destination::FontTable:
            for (const QChar c : run) {
                if (c == u';')
                    commitFont();
                else if (m_fontName.size() < kMaxFontName)
                    m_fontName += c;
            }
            break;
        case Destination::ColourTable:
            for (const QChar c : run)
                if (c == u';') {
                    if (m_red < 0 && m_green < 0 && m_blue < 0)
                        m_colours.emplace_back();
                    else
                        m_colours.emplace_back(QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
                    m_red = m_green = m_blue = -1;
                    m_formats.clear();
                }
            break;
        case Destination::Ignored:
            break;
        }
    }

    void paragraph()
    {
        flush();
        m_output.paragraphEnd(charFormat(state().chars), m_blockFormat);
    }

    void flush()
    {
        if (m_pending.isEmpty())
            return;
        m_output.text(m_pending, charFormat(m_pendingState), m_blockFormat);
        m_pending.clear();
    }

    void commitFont()
    {
        const QString name = m_fontName.trimmed();
        if (!name.isEmpty()) {
            m_fonts.insert(m_fontNumber, name);
            m_formats.clear();
        }
        m_fontName.clear();
    }

    static qreal twipsToPixels(int twips) { return std::clamp(twips, -14400, 14400) / 15.0; }

    void setAlignment(Qt::Alignment alignment)
    {
        m_blockFormat.setAlignment(alignment);
    }

    // Documents switch between a few formats again and again (plain text,
    // a subscript, plain text ...), so the last ones built are kept.
    const QTextCharFormat &charFormat(const CharState &chars)
    {
        for (const auto &[state, format] : m_formats)
            if (state == chars)
                return format;
        if (m_formats.size() >= kFormatsKept)
            m_formats.clear();
        m_formats.emplace_back(chars, makeCharFormat(chars));
        return m_formats.back().second;
    }

    QTextCharFormat makeCharFormat(const CharState &chars) const
    {
        QTextCharFormat format;
        format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chars.italic);
        format.setFontPointSize(chars.halfPoints / 2.0);
        const auto family = m_fonts.constFind(chars.font >= 0 ? chars.font : m_defaultFont);
        if (family != m_fonts.constEnd())
            format.setFontFamilies(QStringList{*family});
        if (chars.colour >= 0 && std::size_t(chars.colour) < m_colours.size() && m_colours[chars.colour])
            format.setForeground(*m_colours[chars.colour]);
        if (chars.script == Script::Super)
            format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        else if (chars.script == Script::Sub)
            format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        if (chars.raise != 0)
            format.setBaselineOffset(100.0 * chars.raise / chars.halfPoints);
        return format;
    }

    DocumentOutput m_output;
    std::vector<GroupState> m_groups;
    std::size_t m_overflow = 0; // groups opened beyond kMaxDepth and not yet closed
    int m_fallbackLeft = 0;     // \uN stand-in characters still to pass over

    QString m_pending; // body text not yet written, all in m_pendingState
    CharState m_pendingState;
    QTextBlockFormat m_blockFormat; // of the paragraph being read
    std::vector<std::pair<CharState, QTextCharFormat>> m_formats;

    QHash<int, QString> m_fonts;
    int m_defaultFont = 0;
    int m_fontNumber = 0;
    QString m_fontName;

    std::vector<std::optional<QColor>> m_colours;
    int m_red = -1, m_green = -1, m_blue = -1;
};

} // namespace

void readRtf(QStringView rtf, QTextDocument *doc)
{
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    {
        Reader reader(doc);
        reader.cursor().beginEditBlock();
        reader.read(rtf);
        reader.cursor().endEditBlock();
    }
    doc->setUndoRedoEnabled(undo);
}

} // namespace tablicznik

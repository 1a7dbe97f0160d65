#include "editor/syntaxscanner.h"

#include <QString>

namespace {

// A state packs what the next line needs to know: where the scan stands, what a tag opens when it closes
// (plain text, a style sheet or a script) and, inside a style sheet, whether a rule's braces and a declaration's
// colon are open.
enum Mode : int
{
    Text,
    InTag,
    InDoubleValue,
    InSingleValue,
    InComment,
    Css,
    CssComment,
    Script,
    ScriptComment,
};

enum Opens : int
{
    OpensText,
    OpensCss,
    OpensScript,
};

constexpr int ModeMask = 0xF;
constexpr int OpensShift = 4;
constexpr int InRule = 1 << 6;
constexpr int InDeclarationValue = 1 << 7;

int ModeOf(int state)
{
    return state & ModeMask;
}
int OpensOf(int state)
{
    return (state >> OpensShift) & 3;
}
int Make(int mode, int opens = OpensText, int flags = 0)
{
    return mode | (opens << OpensShift) | flags;
}
// The mode after a tag that opens `opens` has closed.
int AfterTag(int opens)
{
    return opens == OpensCss ? Css : opens == OpensScript ? Script : Text;
}

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char(':') ||
           c == QLatin1Char('.');
}

bool IsIdentStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

bool IsScriptKeyword(QStringView word)
{
    static const char* const words[] = {
        "break", "case",    "catch",  "const",    "continue", "default", "delete",     "do",     "else",
        "false", "finally", "for",    "function", "if",       "in",      "instanceof", "let",    "new",
        "null",  "return",  "switch", "this",     "throw",    "true",    "try",        "typeof", "undefined",
        "var",   "void",    "while",  "with",     "class",    "extends", "of",         "await",  "async"};
    if (word.size() < 2 || word.size() > 10 || !word.at(0).isLower())
        return false;
    for (const char* w : words)
        if (word == QLatin1String(w))
            return true;
    return false;
}

class LineScan
{
public:
    LineScan(QStringView line, QList<SyntaxScanner::Span>* spans) : s_(line), n_(int(line.size())), spans_(spans) {}

    int Run(int state)
    {
        pos_ = 0;
        while (pos_ < n_) {
            switch (ModeOf(state)) {
            case Text:
                state = ScanText(state);
                break;
            case InTag:
                state = ScanTag(state);
                break;
            case InDoubleValue:
            case InSingleValue:
                state = ScanValue(state, ModeOf(state) == InDoubleValue ? u'"' : u'\'');
                break;
            case InComment:
                state = ScanComment(state);
                break;
            case Css:
            case CssComment:
                state = ScanCss(state);
                break;
            case Script:
            case ScriptComment:
                state = ScanScript(state);
                break;
            default:
                state = SyntaxScanner::StartState;
                break;
            }
        }
        return state;
    }

private:
    void Add(int start, int end, SyntaxScanner::Kind kind)
    {
        if (spans_ && end > start) {
            if (!spans_->isEmpty()) {
                SyntaxScanner::Span& last = spans_->last();
                if (last.kind == kind && last.start + last.length == start) {
                    last.length += end - start;
                    return;
                }
            }
            spans_->append({start, end - start, kind});
        }
    }

    bool At(int i, const char* text, Qt::CaseSensitivity cs = Qt::CaseSensitive) const
    {
        const QLatin1String needle(text);
        return i + needle.size() <= n_ && s_.mid(i, needle.size()).compare(needle, cs) == 0;
    }

    // Plain text: only "<" and "&" matter.
    int ScanText(int state)
    {
        while (pos_ < n_) {
            const QChar c = s_.at(pos_);
            if (c == QLatin1Char('<')) {
                if (At(pos_, "<!--")) {
                    const int start = pos_;
                    pos_ += 4;
                    return ContinueComment(start);
                }
                const QChar next = pos_ + 1 < n_ ? s_.at(pos_ + 1) : QChar();
                if (next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!') || next == QLatin1Char('?'))
                    return OpenTag();
                ++pos_;
            } else if (c == QLatin1Char('&')) {
                ScanEntity();
            } else if (!spans_) {
                // Nothing to paint: jump to the next character that matters.
                const qsizetype lt = s_.indexOf(u'<', pos_);
                pos_ = lt < 0 ? n_ : int(lt);
            } else {
                ++pos_;
            }
        }
        return state;
    }

    void ScanEntity()
    {
        int i = pos_ + 1;
        if (i < n_ && s_.at(i) == QLatin1Char('#'))
            ++i;
        const int nameStart = i;
        while (i < n_ && i - pos_ <= 10 && s_.at(i).isLetterOrNumber())
            ++i;
        if (i > nameStart && i < n_ && s_.at(i) == QLatin1Char(';')) {
            Add(pos_, i + 1, SyntaxScanner::Entity);
            pos_ = i + 1;
        } else {
            ++pos_;
        }
    }

    // At "<": the tag's name; a start tag of a style sheet or script opens it when the tag closes.
    int OpenTag()
    {
        const int start = pos_++;
        bool closing = false;
        if (s_.at(pos_) == QLatin1Char('/')) {
            closing = true;
            ++pos_;
        }
        const int nameStart = pos_;
        while (pos_ < n_ &&
               (IsNameChar(s_.at(pos_)) || s_.at(pos_) == QLatin1Char('!') || s_.at(pos_) == QLatin1Char('?')))
            ++pos_;
        Add(start, pos_, SyntaxScanner::Tag);
        const QStringView name = s_.mid(nameStart, pos_ - nameStart);
        int opens = OpensText;
        if (!closing && name.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0)
            opens = OpensCss;
        else if (!closing && name.compare(QLatin1String("script"), Qt::CaseInsensitive) == 0)
            opens = OpensScript;
        return Make(InTag, opens);
    }

    int ScanTag(int state)
    {
        const int opens = OpensOf(state);
        bool afterEquals = false;
        while (pos_ < n_) {
            const QChar c = s_.at(pos_);
            if (c.isSpace()) {
                ++pos_;
                continue;
            }
            if (c == QLatin1Char('>')) {
                Add(pos_, pos_ + 1, SyntaxScanner::Tag);
                ++pos_;
                return Make(AfterTag(opens));
            }
            if (c == QLatin1Char('/') && pos_ + 1 < n_ && s_.at(pos_ + 1) == QLatin1Char('>')) {
                Add(pos_, pos_ + 2, SyntaxScanner::Tag);
                pos_ += 2;
                return Make(Text); // a tag closed on itself opens nothing
            }
            if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                const int start = pos_++;
                return CloseValue(start, opens, c.unicode());
            }
            if (c == QLatin1Char('=')) {
                afterEquals = true;
                ++pos_;
                continue;
            }
            if (c == QLatin1Char('<')) // a tag left open: the next one starts here
                return Make(Text);
            const int start = pos_;
            while (pos_ < n_ && !s_.at(pos_).isSpace() && s_.at(pos_) != QLatin1Char('>') &&
                   s_.at(pos_) != QLatin1Char('=') && (afterEquals || s_.at(pos_) != QLatin1Char('/')))
                ++pos_;
            if (pos_ == start) // a lone "/"
                ++pos_;
            Add(start, pos_, afterEquals ? SyntaxScanner::Value : SyntaxScanner::Attribute);
            afterEquals = false;
        }
        return state;
    }

    // From just after an opening quote at `start`: the value runs to the closing quote or on to the next line.
    int CloseValue(int start, int opens, char16_t quote)
    {
        const qsizetype end = s_.indexOf(quote, pos_);
        if (end < 0) {
            pos_ = n_;
            Add(start, n_, SyntaxScanner::Value);
            return Make(quote == u'"' ? InDoubleValue : InSingleValue, opens);
        }
        pos_ = int(end) + 1;
        Add(start, pos_, SyntaxScanner::Value);
        return Make(InTag, opens);
    }

    int ScanValue(int state, char16_t quote) { return CloseValue(pos_, OpensOf(state), quote); }

    int ContinueComment(int start)
    {
        const qsizetype end = s_.indexOf(u"-->", pos_);
        pos_ = end < 0 ? n_ : int(end) + 3;
        Add(start, pos_, SyntaxScanner::Comment);
        return Make(end < 0 ? InComment : Text);
    }

    int ScanComment(int) { return ContinueComment(pos_); }

    // The end tag of a style sheet or script ends it wherever it stands.
    int EndTagAt(const char* name) const
    {
        const qsizetype at = s_.indexOf(QLatin1String(name), pos_, Qt::CaseInsensitive);
        return at < 0 ? n_ : int(at);
    }

    // A "/*" comment in style or script, ending before `end`.
    bool OpensBlockComment(int end) const
    {
        return s_.at(pos_) == QLatin1Char('/') && pos_ + 1 < end && s_.at(pos_ + 1) == QLatin1Char('*');
    }
    // Marks the "/*" at the scan position; the comment is open from then on.
    bool OpenBlockComment()
    {
        Add(pos_, pos_ + 2, SyntaxScanner::Comment);
        pos_ += 2;
        return true;
    }
    // Marks an open comment up to its "*/" or to `end`; whether it is still open there.
    bool ContinueBlockComment(int end)
    {
        const qsizetype close = s_.mid(0, end).indexOf(u"*/", pos_);
        const int stop = close < 0 ? end : int(close) + 2;
        Add(pos_, stop, SyntaxScanner::Comment);
        pos_ = stop;
        return close < 0;
    }

    int ScanCss(int state)
    {
        const int end = EndTagAt("</style");
        int flags = state & (InRule | InDeclarationValue);
        bool inComment = ModeOf(state) == CssComment;
        while (pos_ < end) {
            if (inComment) {
                inComment = ContinueBlockComment(end);
                continue;
            }
            const QChar c = s_.at(pos_);
            if (OpensBlockComment(end)) {
                inComment = OpenBlockComment();
            } else if (c == QLatin1Char('{')) {
                flags = InRule;
                ++pos_;
            } else if (c == QLatin1Char('}')) {
                flags = 0;
                ++pos_;
            } else if (c == QLatin1Char(';') && (flags & InRule)) {
                flags = InRule;
                ++pos_;
            } else if (c == QLatin1Char(':') && (flags & InRule) && !(flags & InDeclarationValue)) {
                flags |= InDeclarationValue;
                ++pos_;
            } else if (c.isSpace()) {
                ++pos_;
            } else {
                const int start = pos_;
                SyntaxScanner::Kind kind = SyntaxScanner::Selector;
                if (flags & InDeclarationValue) {
                    kind = SyntaxScanner::CssValue;
                    while (pos_ < end && s_.at(pos_) != QLatin1Char(';') && s_.at(pos_) != QLatin1Char('}') &&
                           !At(pos_, "/*"))
                        ++pos_;
                    // The blanks before ";" are not part of the value.
                    int stop = pos_;
                    while (stop > start && s_.at(stop - 1).isSpace())
                        --stop;
                    Add(start, stop, kind);
                    continue;
                }
                if (flags & InRule) {
                    kind = SyntaxScanner::Property;
                    while (pos_ < end && !s_.at(pos_).isSpace() && s_.at(pos_) != QLatin1Char(':') &&
                           s_.at(pos_) != QLatin1Char(';') && s_.at(pos_) != QLatin1Char('}') && !At(pos_, "/*"))
                        ++pos_;
                } else {
                    while (pos_ < end && !s_.at(pos_).isSpace() && s_.at(pos_) != QLatin1Char('{') && !At(pos_, "/*"))
                        ++pos_;
                }
                if (pos_ == start)
                    ++pos_;
                Add(start, pos_, kind);
            }
        }
        if (end < n_) {
            pos_ = end;
            return OpenTag();
        }
        return Make(inComment ? CssComment : Css, OpensText, flags);
    }

    int ScanScript(int state)
    {
        const int end = EndTagAt("</script");
        bool inComment = ModeOf(state) == ScriptComment;
        while (pos_ < end) {
            if (inComment) {
                inComment = ContinueBlockComment(end);
                continue;
            }
            const QChar c = s_.at(pos_);
            const QChar next = pos_ + 1 < end ? s_.at(pos_ + 1) : QChar();
            if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
                Add(pos_, end, SyntaxScanner::Comment);
                pos_ = end;
            } else if (OpensBlockComment(end)) {
                inComment = OpenBlockComment();
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('`')) {
                // A string ends at its quote (not one escaped) or at the end of the line.
                const int start = pos_++;
                while (pos_ < end && s_.at(pos_) != c) {
                    if (s_.at(pos_) == QLatin1Char('\\'))
                        ++pos_;
                    ++pos_;
                }
                pos_ = qMin(end, pos_ + 1);
                Add(start, pos_, SyntaxScanner::String);
            } else if (IsIdentStart(c)) {
                const int start = pos_;
                while (pos_ < end && (s_.at(pos_).isLetterOrNumber() || s_.at(pos_) == QLatin1Char('_') ||
                                      s_.at(pos_) == QLatin1Char('$')))
                    ++pos_;
                if (spans_ && IsScriptKeyword(s_.mid(start, pos_ - start)))
                    Add(start, pos_, SyntaxScanner::Keyword);
            } else if (c.isDigit()) {
                const int start = pos_;
                while (pos_ < end && (s_.at(pos_).isLetterOrNumber() || s_.at(pos_) == QLatin1Char('.')))
                    ++pos_;
                Add(start, pos_, SyntaxScanner::Number);
            } else {
                ++pos_;
            }
        }
        if (end < n_) {
            pos_ = end;
            return OpenTag();
        }
        return Make(inComment ? ScriptComment : Script);
    }

    QStringView s_;
    int n_;
    int pos_ = 0;
    QList<SyntaxScanner::Span>* spans_;
};

} // namespace

int SyntaxScanner::ScanLine(QStringView line, int state, QList<Span>* spans)
{
    return LineScan(line, spans).Run(state);
}

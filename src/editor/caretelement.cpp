#include "editor/caretelement.h"

#include <algorithm>

namespace {
bool OneOf(const QString& name, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&name](const char* n) { return name == QLatin1String(n); });
}

// Elements that never hold anything: no end tag follows.
bool Empty(const QString& name)
{
    return OneOf(name,
                 {"area",  "base",    "basefont", "bgsound", "br",   "col",   "embed",  "frame", "hr",  "img",
                  "input", "isindex", "keygen",   "link",    "meta", "param", "source", "track", "wbr", "spacer"});
}

// Elements whose text is read up to their end tag with no markup inside.
bool Raw(const QString& name)
{
    return OneOf(name, {"script", "style", "title", "textarea", "xmp", "plaintext"});
}

// A start tag of `next` ends an open `top` that has no end tag written (a list item the next one, a paragraph
// a block).
bool Ends(const QString& top, const QString& next)
{
    if (top == QLatin1String("p"))
        return OneOf(next, {"p", "div", "table", "ul", "ol", "dl", "h1", "h2", "h3", "h4", "h5", "h6", "pre", "form",
                            "blockquote", "hr", "address", "center"});
    if (OneOf(top, {"li"}))
        return next == QLatin1String("li");
    if (OneOf(top, {"dt", "dd"}))
        return OneOf(next, {"dt", "dd"});
    if (OneOf(top, {"td", "th"}))
        return OneOf(next, {"td", "th", "tr"});
    if (top == QLatin1String("tr"))
        return next == QLatin1String("tr");
    if (top == QLatin1String("option"))
        return OneOf(next, {"option", "optgroup"});
    return false;
}

bool NameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char(':') || c == QLatin1Char('_');
}
} // namespace

void CaretElement::Feed(QStringView text)
{
    for (const QChar c : text) {
        switch (state_) {
        case State::Text:
            if (c == QLatin1Char('<'))
                state_ = State::TagOpen;
            break;
        case State::TagOpen:
            name_.clear();
            if (c.isLetter()) {
                name_ += c.toLower();
                state_ = State::TagName;
            } else if (c == QLatin1Char('/')) {
                state_ = State::EndName;
            } else if (c == QLatin1Char('!') || c == QLatin1Char('?')) {
                state_ = State::Comment;
                bang_ = true;
                recent_ = QStringLiteral("!");
            } else if (c != QLatin1Char('<')) {
                state_ = State::Text;
            }
            break;
        case State::TagName:
            if (NameChar(c)) {
                name_ += c.toLower();
            } else if (c == QLatin1Char('>')) {
                StartTagDone(false);
            } else {
                state_ = State::Attributes;
                last_ = c;
            }
            break;
        case State::Attributes:
            if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                quote_ = c;
                state_ = State::Quoted;
            } else if (c == QLatin1Char('>')) {
                StartTagDone(last_ == QLatin1Char('/'));
            } else if (!c.isSpace()) {
                last_ = c; // the last character before ">" tells a "/>"
            }
            break;
        case State::Quoted:
            if (c == quote_) {
                last_ = c;
                state_ = State::Attributes;
            }
            break;
        case State::EndName:
            if (c == QLatin1Char('>'))
                EndTagDone();
            else if (NameChar(c))
                name_ += c.toLower();
            break;
        case State::Comment:
            recent_ = QString(recent_ + c).right(3);
            if (bang_ && recent_ == QLatin1String("!--")) {
                bang_ = false; // a real comment: it ends at "-->" only
                recent_.clear();
            } else if (c == QLatin1Char('>') && (bang_ || recent_ == QLatin1String("-->"))) {
                state_ = State::Text;
            }
            break;
        case State::RawText:
            RawTextChar(c);
            break;
        }
    }
}

void CaretElement::RawTextChar(QChar c)
{
    recent_ += c.toLower();
    if (recent_.size() > rawEnd_.size())
        recent_.remove(0, recent_.size() - rawEnd_.size());
    if (recent_ == rawEnd_) {
        // The end tag's name is read as any other's.
        name_ = rawEnd_.mid(2);
        state_ = State::EndName;
    }
}

void CaretElement::StartTagDone(bool selfClosing)
{
    state_ = State::Text;
    const int index = seen_[name_]++;
    if (Empty(name_) || selfClosing)
        return;
    while (!open_.empty() && Ends(open_.back().name, name_))
        open_.pop_back();
    open_.push_back({name_, index});
    if (Raw(name_)) {
        rawEnd_ = QStringLiteral("</") + name_;
        recent_.clear();
        state_ = State::RawText;
    }
}

void CaretElement::EndTagDone()
{
    state_ = State::Text;
    for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
        if (it->name == name_) {
            open_.erase(std::next(it).base(), open_.end());
            return;
        }
    }
}

CaretElement::Found CaretElement::Result() const
{
    std::vector<Open> open = open_;
    if ((state_ == State::TagName || state_ == State::Attributes || state_ == State::Quoted) && !name_.isEmpty() &&
        !Empty(name_))
        open.push_back({name_, seen_.value(name_)}); // a start tag being written
    const bool inHead =
        std::any_of(open.cbegin(), open.cend(), [](const Open& o) { return o.name == QLatin1String("head"); });
    // Elements the page does not show lead to the one holding them.
    while (!open.empty() && OneOf(open.back().name, {"script", "style", "noscript", "template"}))
        open.pop_back();
    if (inHead || open.empty() || OneOf(open.back().name, {"html", "body", "frameset"}))
        return {};
    return {open.back().name, open.back().index};
}

QString CaretElement::ScrollScript(const Found& found)
{
    if (found.name.isEmpty())
        return QString();
    // The name holds letters, digits and "-:_" only (see NameChar), so it goes into the script as it is.
    return QStringLiteral("(function(){var e=document.getElementsByTagName('%1')[%2];if(!e)return;"
                          "if(e.scrollIntoViewIfNeeded)e.scrollIntoViewIfNeeded(true);else e.scrollIntoView();})();")
        .arg(found.name)
        .arg(found.index);
}

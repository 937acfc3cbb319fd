#include "toolkit/reader.h"

#include "toolkit/visitor.h"

#include <iterator>

namespace tk {

namespace {

// A caption as it is read: its blanks, leading, trailing and repeated, mean nothing aloud.
void add_words(std::string& out, std::string_view text)
{
    bool blank = !out.empty();
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\t' || c == '\r') {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += c;
    }
}

// Every label and picture of a window, back to front, with what a screen reader makes of it.
struct Gather final : ControlVisitor {
    struct Seen {
        std::string_view name;
        int index;
        const Label* label;
        const Picture* picture;
    };
    std::vector<Seen> seen;
    void visit(std::string_view n, int i, Label& c) override { seen.push_back({n, i, &c, nullptr}); }
    void visit(std::string_view n, int i, Picture& c) override { seen.push_back({n, i, nullptr, &c}); }
    void visit(std::string_view, int, Shape&) override { }
    void visit(std::string_view, int, Line&) override { }

    const Label* label(std::string_view name, int index) const
    {
        for (const Seen& s : seen)
            if (s.label && s.name == name && s.index == index)
                return s.label;
        return nullptr;
    }

    // A label read aloud: the words before it, its caption, and the label it is read with
    // ("Risposta A: Roma", "A: 45%"). Nothing while it is hidden.
    std::string words(const Seen& s) const
    {
        const Label& c = *s.label;
        std::string out;
        if (!c.Visible)
            return out;
        add_words(out, c.AccessibleName);
        add_words(out, c.Caption);
        const Label* with = c.ReadWith.empty() ? nullptr : label(c.ReadWith, s.index);
        if (with && with->Visible && !out.empty()) {
            std::string after;
            add_words(after, with->Caption);
            if (!after.empty())
                out += (out.back() == ':' ? " " : ": ") + after;
        }
        return out;
    }
};

bool spoken(Reading r)
{
    return r == Reading::Spoken || r == Reading::SpokenText;
}

} // namespace

std::vector<ReaderItem> reader_items(Form& form, bool takes_input)
{
    Gather g;
    form.visit_controls(g);
    std::vector<ReaderItem> items, list;
    bool open = takes_input && form.Enabled;
    for (const Gather::Seen& s : g.seen) {
        if (s.picture) {
            const Picture& c = *s.picture;
            if (c.Visible && !c.AccessibleName.empty())
                items.push_back({ReaderItem::Kind::Button, s.name, s.index, std::string(c.AccessibleName),
                    open && c.Enabled, c.Left, c.Top, c.Width, c.Height});
            continue;
        }
        const Label& c = *s.label;
        std::string name = g.words(s);
        if (name.empty())
            continue;
        ReaderItem item {
            ReaderItem::Kind::Text, s.name, s.index, std::move(name), false, c.Left, c.Top, c.Width, c.Height};
        switch (c.Reader) {
        case Reading::Silent:
        case Reading::Spoken:
            break;
        case Reading::Text:
        case Reading::SpokenText:
            items.push_back(std::move(item));
            break;
        case Reading::Button:
            item.kind = ReaderItem::Kind::Button;
            item.on = open && c.Enabled;
            items.push_back(std::move(item));
            break;
        case Reading::ListItem:
            item.kind = ReaderItem::Kind::ListItem;
            item.on = c.BackStyle == 1 && c.BackColor != form.design().BackColor;
            list.push_back(std::move(item));
            break;
        }
    }
    items.insert(items.end(), list.begin(), list.end());
    return items;
}

std::vector<std::string> Announcer::news(Form& form)
{
    Gather g;
    form.visit_controls(g);
    std::vector<std::string> out;
    for (const Gather::Seen& s : g.seen) {
        if (!s.label || !spoken(s.label->Reader))
            continue;
        std::string text = g.words(s);
        if (text.empty())
            continue;
        std::string& last = said_[{&form, s.name, s.index}];
        if (text != last) {
            last = text;
            out.push_back(std::move(text));
        }
    }
    return out;
}

void Announcer::forget(const Form& form)
{
    for (auto it = said_.begin(); it != said_.end();)
        it = std::get<0>(it->first) == &form ? said_.erase(it) : std::next(it);
}

} // namespace tk

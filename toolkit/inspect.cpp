#include "toolkit/inspect.h"

#include <cstdio>
#include <type_traits>

namespace tk {

std::string format(const Property& p)
{
    switch (p.kind) {
    case Property::Kind::Bool:
        return p.number ? "true" : "false";
    case Property::Kind::Int:
        return std::to_string(p.number);
    case Property::Kind::Color: {
        char buf[8];
        std::snprintf(buf, sizeof buf, "#%06llX", p.number & 0xFFFFFFLL);
        return buf;
    }
    case Property::Kind::Text: {
        // Built piece by piece: GCC 12 at -O3 takes a chain of + on a fresh string for an
        // overlapping copy (-Wrestrict) and the release build fails.
        std::string quoted(1, '"');
        quoted += p.text;
        quoted += '"';
        return quoted;
    }
    }
    return {};
}

namespace {

std::string key_of(std::string_view name, int index)
{
    std::string k(name);
    if (index >= 0) {
        k += '(';
        k += std::to_string(index);
        k += ')';
    }
    return k;
}

template <typename F> struct PropertyWalker final : ControlVisitor {
    F& f;
    explicit PropertyWalker(F& fn)
        : f(fn)
    {
    }
    template <typename C> void all(std::string_view name, int index, const C& c)
    {
        for_each_property(c, [&](const Property& p) { f(name, index, p); });
    }
    void visit(std::string_view n, int i, Label& c) override { all(n, i, c); }
    void visit(std::string_view n, int i, Shape& c) override { all(n, i, c); }
    void visit(std::string_view n, int i, Line& c) override { all(n, i, c); }
    void visit(std::string_view n, int i, Picture& c) override { all(n, i, c); }
};

// Calls f(control name, index, Property) for every property of every control.
template <typename F> void each_property(Form& form, F&& f)
{
    PropertyWalker<std::remove_reference_t<F>> v(f);
    form.visit_controls(v);
}

} // namespace

std::vector<std::pair<std::string, std::string>> properties_of(Form& form)
{
    std::vector<std::pair<std::string, std::string>> out;
    out.emplace_back("Enabled", form.Enabled ? "true" : "false");
    out.emplace_back("Caption", "\"" + form.Caption + "\"");
    each_property(form, [&](std::string_view name, int index, const Property& p) {
        out.emplace_back(property_key(name, index, p.name), format(p));
    });
    return out;
}

void visit_properties(Form& form, const std::function<void(std::string_view control, int index, const Property&)>& f)
{
    each_property(form, f);
}

std::string property_key(std::string_view control, int index, std::string_view property)
{
    std::string k = key_of(control, index);
    k += '.';
    k += property;
    return k;
}

namespace {

template <typename Out>
std::optional<std::string> find_property(
    Form& form, std::string_view control, int index, std::string_view property, Out out)
{
    if (control.empty()) {
        if (property == "Enabled")
            return std::string(form.Enabled ? "true" : "false");
        if (property == "Caption")
            return out(Property {"Caption", Property::Kind::Text, 0, form.Caption});
        return std::nullopt;
    }
    std::optional<std::string> found;
    each_property(form, [&](std::string_view name, int i, const Property& p) {
        if (!found && name == control && i == index && p.name == property)
            found = out(p);
    });
    return found;
}

} // namespace

std::optional<std::string> read_property(Form& form, std::string_view control, int index, std::string_view property)
{
    return find_property(form, control, index, property, [](const Property& p) { return format(p); });
}

std::optional<std::string> read_property_raw(Form& form, std::string_view control, int index, std::string_view property)
{
    return find_property(form, control, index, property,
        [](const Property& p) { return p.kind == Property::Kind::Text ? std::string(p.text) : format(p); });
}

std::optional<Rect> control_rect(Form& form, std::string_view control, int index)
{
    struct V final : ControlVisitor {
        std::string_view control;
        int index;
        std::optional<Rect> r;
        void visit(std::string_view n, int i, Label& c) override
        {
            if (n == control && i == index)
                r = Rect {c.Left, c.Top, c.Width, c.Height};
        }
        void visit(std::string_view n, int i, Picture& c) override
        {
            if (n == control && i == index)
                r = Rect {c.Left, c.Top, c.Width, c.Height};
        }
        void visit(std::string_view, int, Shape&) override { }
        void visit(std::string_view, int, Line&) override { }
    } v;
    v.control = control;
    v.index = index;
    form.visit_controls(v);
    return v.r;
}

} // namespace tk

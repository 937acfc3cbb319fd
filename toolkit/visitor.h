// Walking a window's controls by name: the backend draws them, the tools read and trace them.
#pragma once

#include "toolkit/controls.h"

#include <string_view>
#include <utility>

namespace tk {

// index is -1 for a control that is not part of an array.
class ControlVisitor {
public:
    virtual ~ControlVisitor() = default;
    virtual void visit(std::string_view name, int index, Label&) = 0;
    virtual void visit(std::string_view name, int index, Shape&) = 0;
    virtual void visit(std::string_view name, int index, Line&) = 0;
    virtual void visit(std::string_view name, int index, Picture&) = 0;
};

template <typename T> void visit(ControlVisitor& v, std::string_view name, T& control)
{
    v.visit(name, -1, control);
}

template <typename T, int N, int First>
void visit(ControlVisitor& v, std::string_view name, ControlArray<T, N, First>& array)
{
    for (int i = First; i < First + N; ++i)
        v.visit(name, i, array(i));
}

// Visits controls given as name and control, name and control...: visit_all(v, "Shape1", Shape1,
// "Label1", Label1).
inline void visit_all(ControlVisitor&) { }

template <typename T, typename... Rest>
void visit_all(ControlVisitor& v, std::string_view name, T& control, Rest&&... rest)
{
    visit(v, name, control);
    visit_all(v, std::forward<Rest>(rest)...);
}

// One property of a control, as the tools print it.
struct Property {
    enum class Kind : std::uint8_t { Bool, Int, Color, Text };
    std::string_view name;
    Kind kind;
    long long number = 0;
    std::string_view text;
};

std::string format(const Property&);

template <typename F> void for_each_property(const Label& c, F&& f)
{
    using K = Property::Kind;
    f(Property {"Caption", K::Text, 0, c.Caption});
    f(Property {"Visible", K::Bool, c.Visible, {}});
    f(Property {"Enabled", K::Bool, c.Enabled, {}});
    f(Property {"BackColor", K::Color, c.BackColor, {}});
    f(Property {"ForeColor", K::Color, c.ForeColor, {}});
    f(Property {"BackStyle", K::Int, c.BackStyle, {}});
    f(Property {"MousePointer", K::Int, c.MousePointer, {}});
    f(Property {"ToolTipText", K::Text, 0, c.ToolTipText});
    f(Property {"Left", K::Int, c.Left, {}});
    f(Property {"Top", K::Int, c.Top, {}});
    f(Property {"Width", K::Int, c.Width, {}});
    f(Property {"Height", K::Int, c.Height, {}});
}

template <typename F> void for_each_property(const Shape& c, F&& f)
{
    using K = Property::Kind;
    f(Property {"Visible", K::Bool, c.Visible, {}});
    f(Property {"BackColor", K::Color, c.BackColor, {}});
    f(Property {"BorderColor", K::Color, c.BorderColor, {}});
    f(Property {"BackStyle", K::Int, c.BackStyle, {}});
    f(Property {"Left", K::Int, c.Left, {}});
    f(Property {"Top", K::Int, c.Top, {}});
    f(Property {"Width", K::Int, c.Width, {}});
    f(Property {"Height", K::Int, c.Height, {}});
}

template <typename F> void for_each_property(const Line& c, F&& f)
{
    using K = Property::Kind;
    f(Property {"Visible", K::Bool, c.Visible, {}});
    f(Property {"BorderColor", K::Color, c.BorderColor, {}});
    f(Property {"X1", K::Int, c.X1, {}});
    f(Property {"Y1", K::Int, c.Y1, {}});
    f(Property {"X2", K::Int, c.X2, {}});
    f(Property {"Y2", K::Int, c.Y2, {}});
}

template <typename F> void for_each_property(const Picture& c, F&& f)
{
    using K = Property::Kind;
    f(Property {"Visible", K::Bool, c.Visible, {}});
    f(Property {"Enabled", K::Bool, c.Enabled, {}});
    f(Property {"MousePointer", K::Int, c.MousePointer, {}});
    f(Property {"ToolTipText", K::Text, 0, c.ToolTipText});
    f(Property {"Left", K::Int, c.Left, {}});
    f(Property {"Top", K::Int, c.Top, {}});
    f(Property {"Width", K::Int, c.Width, {}});
    f(Property {"Height", K::Int, c.Height, {}});
}

} // namespace tk

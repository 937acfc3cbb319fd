// Reading a window's controls by name, as the tools and tests address them: Form1.Label1(3).Caption.
#pragma once

#include "toolkit/form.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tk {

// Every property of every control of a loaded window, as ("Label1(3).Caption", "\"...\"") pairs,
// with the window's own properties first ("Enabled", "Caption").
std::vector<std::pair<std::string, std::string>> properties_of(Form& form);

// Every property of every control, in the same order, handed over as it stands: nothing is
// written out unless the caller does.
void visit_properties(Form& form, const std::function<void(std::string_view control, int index, const Property&)>& f);

// "Label1(3).Caption" for a property of a control, as properties_of names it.
std::string property_key(std::string_view control, int index, std::string_view property);

// A property's value as the trace prints it, or nothing when there is no such control or property.
std::optional<std::string> read_property(Form& form, std::string_view control, int index, std::string_view property);

// The same value unquoted (for comparing captions exactly).
std::optional<std::string> read_property_raw(
    Form& form, std::string_view control, int index, std::string_view property);

// The rectangle (twips) of a label or picture, or nothing.
struct Rect {
    int x, y, w, h;
};
std::optional<Rect> control_rect(Form& form, std::string_view control, int index);

} // namespace tk

// What a screen reader finds in a window: its texts, its buttons and its list, made from the
// window's controls as their design marks them, and the texts said aloud as they change. A
// backend shows it beside what it draws (the page: an invisible layer over each window).
#pragma once

#include "toolkit/form.h"

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace tk {

// One thing a screen reader meets in a window, where its control lies (twips).
struct ReaderItem {
    enum class Kind : std::uint8_t { Text, Button, ListItem };
    Kind kind = Kind::Text;
    std::string_view control;
    int index = -1;
    std::string name;
    // A button: whether choosing it now counts, exactly as a click on it would. A list item:
    // whether it is the current one, lit out of the window's own colour.
    bool on = false;
    int x = 0, y = 0, w = 0, h = 0;
};

// What a screen reader finds in a shown window now, in reading order: its texts and buttons as
// the controls lie, then its list. `takes_input` is whether the window takes input at all (no
// dialog of its own is up).
std::vector<ReaderItem> reader_items(Form& form, bool takes_input);

// The texts of the windows that are said aloud. Each is said when it turns to a new text: a
// caption that blinks on and off is said once, and a window opened again says its texts again.
class Announcer {
public:
    // What the window has new to say since the last look, in the order of its controls.
    std::vector<std::string> news(Form& form);
    // The window has closed.
    void forget(const Form& form);

private:
    std::map<std::tuple<const Form*, std::string_view, int>, std::string> said_;
};

} // namespace tk

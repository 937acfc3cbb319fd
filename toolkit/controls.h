// The controls a window is built from: labels, rectangles, lines and pictures, as plain data.
//
// Handlers assign the fields directly (Label4.Caption = "..."), exactly as the show's script reads.
// Positions and sizes are twips; colours are 0xRRGGBB.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tk {

using Color = std::uint32_t;
using Integer = std::int16_t; // the game's whole numbers are 16-bit, as on the original board

constexpr Color rgb(int r, int g, int b)
{
    return (static_cast<Color>(r) << 16) | (static_cast<Color>(g) << 8) | static_cast<Color>(b);
}

enum class Align : std::uint8_t { Left = 0, Right = 1, Center = 2 };

// MousePointer values the game uses: the plain arrow and the window's own (hand) cursor.
constexpr int kDefaultPointer = 0;
constexpr int kCustomPointer = 99;

struct Typeface {
    std::string_view Name = "MS Sans Serif";
    double Size = 8.25; // points
    bool Bold = false;
    bool Italic = false;
    bool operator==(const Typeface&) const = default;
};

// How a screen reader meets a label: the design's say, which the show never changes.
enum class Reading : std::uint8_t {
    Silent, // drawn only
    Spoken, // said aloud whenever it turns to a new text (the host's line), not kept as text
    Text, // part of the window's text, as it stands
    SpokenText, // both (the question)
    Button, // a button named by its caption
    ListItem, // an item of the window's list; the one lit out of the window's colour is current
};

struct Label {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Caption;
    Color BackColor = 0x000040;
    Color ForeColor = 0xFFFFFF;
    int BackStyle = 1; // 0 transparent, 1 opaque
    Align Alignment = Align::Left;
    bool Visible = true;
    bool Enabled = true;
    int MousePointer = kDefaultPointer;
    std::string ToolTipText;
    Typeface Font;
    // For a screen reader: how it meets the label, the words it says before the caption, and
    // another label of the same index that it reads after it (a letter with its answer).
    Reading Reader = Reading::Silent;
    std::string_view AccessibleName;
    std::string_view ReadWith;
};

struct Shape {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    Color BorderColor = 0x8080FF;
    Color BackColor = 0x000040;
    int BackStyle = 0; // 0 outline only, 1 filled with BackColor
    int BorderWidth = 1; // the frames of the board's main boxes are drawn thicker (2)
    bool Visible = true;
};

struct Line {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Color BorderColor = 0x8080FF;
    int BorderWidth = 1; // pixels at scale 1
    bool Visible = true;
};

struct Picture {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::string_view Source; // name of a built-in picture, e.g. "logo.svg"
    bool Visible = true;
    bool Enabled = true;
    int MousePointer = kDefaultPointer;
    std::string ToolTipText;
    // What a screen reader calls the picture: one with a name is a button.
    std::string_view AccessibleName;
};

// What a tool has to say before a bug stops the program (the monkey prints how to play the
// game again). It runs before anything is touched out of range, so it may use the heap.
inline void (*last_words)() = nullptr;

// A bug of the show stops the program loudly: what went wrong, the tool's last words, and abort.
[[noreturn]] inline void fail(const std::string& message)
{
    std::fprintf(stderr, "ruvantia: %s\n", message.c_str());
    if (last_words)
        last_words();
    std::abort();
}

[[noreturn]] inline void index_out_of_range(std::string_view what, int index)
{
    fail(std::string(what) + " index " + std::to_string(index) + " out of range");
}

// The window and name of the control at this address ("Form1.Label6"), or nothing when no
// window has it. Only a debug build keeps the windows' list that this looks in.
std::string control_name(const void* control);

// A control array: controls of one name told apart by an index from First.
// Indexing is always checked: a wrong index is a bug that must stop the show loudly. A debug
// build names the window and the array.
template <typename T, int N, int First = 0> class ControlArray {
public:
    static constexpr int first = First;
    static constexpr int last = First + N - 1;
    static constexpr int size = N;

    template <typename Make> static ControlArray generate(Make make)
    {
        ControlArray a;
        for (int i = 0; i < N; ++i)
            a.items_[static_cast<std::size_t>(i)] = make(First + i);
        return a;
    }

    T& operator()(int i) { return items_[slot(i)]; }
    const T& operator()(int i) const { return items_[slot(i)]; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::size_t slot(int i) const
    {
        if (i < First || i > last) {
            std::string name = control_name(items_.data());
            index_out_of_range(name.empty() ? "control array" : name, i);
        }
        return static_cast<std::size_t>(i - First);
    }
    std::array<T, N> items_ {};
};

// A fixed table with the game's own index range (Lo..Hi), checked like the control arrays.
template <typename T, int Lo, int Hi> class Table {
public:
    T& operator()(int i) { return items_[slot(i)]; }
    const T& operator()(int i) const { return items_[slot(i)]; }

private:
    static std::size_t slot(int i)
    {
        if (i < Lo || i > Hi)
            index_out_of_range("table", i);
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, Hi - Lo + 1> items_ {};
};

// A two-dimensional table, e.g. errate(q, k).
template <typename T, int Lo1, int Hi1, int Lo2, int Hi2> class Table2 {
public:
    T& operator()(int i, int j) { return rows_(i)(j); }
    const T& operator()(int i, int j) const { return rows_(i)(j); }

private:
    Table<Table<T, Lo2, Hi2>, Lo1, Hi1> rows_;
};

} // namespace tk

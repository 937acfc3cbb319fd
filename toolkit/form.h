// A window of the show: its design (size, colour, title), its controls and its timers.
//
// Loading a window gives it a fresh copy of its design-time controls and runs Form_Load;
// unloading drops the controls and stops its timers. The window's own variables live in the
// derived class, outside the controls, and keep their values for the whole run.
#pragma once

#include "toolkit/controls.h"
#include "toolkit/visitor.h"

#include <string>
#include <string_view>
#include <vector>

namespace tk {

class Runtime;
class Timer;

// Where a window opens: centred on the screen, or over the window that owns it.
enum class Placement : std::uint8_t { Centred, OverOwner };

struct FormDesign {
    std::string_view name; // "Form1"
    std::string_view title; // title bar text
    int ClientWidth = 0; // twips
    int ClientHeight = 0;
    Color BackColor = 0x000040;
    // A dialog names the window it belongs to: it stays in front of it, out of the task bar,
    // and opens over it with its top this many twips below the owner's client top.
    std::string_view owner;
    Placement placement = Placement::Centred;
    int top_over_owner = 0;
};

class Form {
public:
    Form(Runtime& runtime, const FormDesign& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Window properties.
    bool Enabled = true;
    std::string Caption;

    void Load(); // create it with its design-time controls and run Form_Load (no-op if loaded)
    void Show(); // load if needed and show modelessly, in front; a debug build stops if already shown
    void Unload(); // close it: controls gone, timers stopped; variables stay

    bool loaded() const { return loaded_; }
    bool shown() const { return shown_; }
    std::string_view name() const { return design_.name; }
    const FormDesign& design() const { return design_; }
    Runtime& runtime() const { return runtime_; }
    const std::vector<Timer*>& timers() const { return timers_; }

    // Every control, back to front (the last one drawn is the topmost).
    virtual void visit_controls(ControlVisitor&) = 0;

    // A click that hit-testing let through to a control with this name and index.
    virtual void click(std::string_view control, int index);

    // The player closed the window from its title bar.
    virtual void close_requested() { Unload(); }

protected:
    virtual void Form_Load() { }
    virtual void reset_controls() = 0;

private:
    friend class Timer;
    Runtime& runtime_;
    FormDesign design_;
    std::vector<Timer*> timers_;
    bool loaded_ = false;
    bool shown_ = false;
};

// A window whose controls are the struct C. A C as it is built is the window's design, to which
// every load returns, and C::each_control visits the controls back to front.
template <typename C> class FormOf : public Form, public C {
public:
    using Form::Form;
    void visit_controls(ControlVisitor& v) override { C::each_control(v); }

protected:
    void reset_controls() override { static_cast<C&>(*this) = C {}; }
};

} // namespace tk

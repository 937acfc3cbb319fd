#include "toolkit/form.h"

#include "toolkit/runtime.h"
#include "toolkit/timer.h"

namespace tk {

#ifndef NDEBUG
namespace {

// Every window alive in a debug build, so that a bad index can say whose control it was.
std::vector<Form*>& live_forms()
{
    static std::vector<Form*> forms;
    return forms;
}

} // namespace
#endif

std::string control_name(const void* control)
{
#ifndef NDEBUG
    struct Finder final : ControlVisitor {
        const void* control;
        std::string_view found;
        void visit(std::string_view name, int, Label& c) override { check(name, &c); }
        void visit(std::string_view name, int, Shape& c) override { check(name, &c); }
        void visit(std::string_view name, int, Line& c) override { check(name, &c); }
        void visit(std::string_view name, int, Picture& c) override { check(name, &c); }
        void check(std::string_view name, const void* c)
        {
            if (c == control)
                found = name;
        }
    } finder;
    finder.control = control;
    for (Form* form : live_forms()) {
        form->visit_controls(finder);
        if (!finder.found.empty())
            return control_path(*form, finder.found);
    }
#else
    (void)control;
#endif
    return {};
}

Form::Form(Runtime& runtime, const FormDesign& design)
    : runtime_(runtime)
    , design_(design)
{
    runtime.add_form(*this);
#ifndef NDEBUG
    live_forms().push_back(this);
#endif
}

Form::~Form()
{
#ifndef NDEBUG
    std::erase(live_forms(), this);
#endif
}

void Form::Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    Enabled = true;
    Caption = std::string(design_.title);
    reset_controls();
    runtime_.form_loaded(*this);
    for (Timer* t : timers_)
        t->reset_to_design();
    Form_Load();
}

void Form::Show()
{
#ifndef NDEBUG
    // Showing a window that is up already is a step of the show run twice.
    if (shown_)
        runtime_.fail(std::string(name()) + " shown while it is already shown");
#endif
    Load();
    if (!loaded_) // Form_Load may unload its own window
        return;
    shown_ = true;
    runtime_.form_shown(*this);
}

void Form::Unload()
{
    if (!loaded_)
        return;
    runtime_.notify([](RuntimeObserver& o) { o.before_change(); });
    for (Timer* t : timers_)
        t->stop();
    loaded_ = false;
    shown_ = false;
    runtime_.form_unloaded(*this);
}

void Form::click(std::string_view, int) { }

} // namespace tk

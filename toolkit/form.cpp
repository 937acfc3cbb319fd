#include "toolkit/form.h"

#include "toolkit/runtime.h"
#include "toolkit/timer.h"

namespace tk {

Form::Form(Runtime& runtime, const FormDesign& design)
    : runtime_(runtime)
    , design_(design)
{
    runtime.add_form(*this);
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

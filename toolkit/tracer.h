// Prints one line for every change the show makes, with its virtual time:
//   12000 Form1.Label4.Caption "SEI INDECISO?...."
// Control properties are compared with what was last printed whenever the runtime is about to
// record something else and after every handler, so the lines keep the order of the script.
#pragma once

#include "toolkit/runtime.h"

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tk {

class Tracer final : public RuntimeObserver {
public:
    Tracer(Runtime& runtime, std::ostream& out)
        : runtime_(runtime)
        , out_(out)
    {
    }

    void before_change() override { flush(); }
    void handler_done() override { flush(); }
    void form_loaded(Form&) override;
    void form_shown(Form&) override;
    void form_unloaded(Form&) override;
    void timer_changed(Timer&, std::string_view property) override;
    void end();

private:
    using Snapshot = std::vector<std::pair<std::string, std::string>>;
    void flush();
    void line(const std::string& text);

    Runtime& runtime_;
    std::ostream& out_;
    std::map<Form*, Snapshot> snapshots_;
};

} // namespace tk

// Prints one line for every change the show makes, with its virtual time:
//   12000 Form1.Label4.Caption "SEI INDECISO?...."
// Control properties are compared with what was last printed whenever the runtime is about to
// record something else and after every handler, so the lines keep the order of the script.
#pragma once

#include "toolkit/runtime.h"

#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tk {

class Tracer final : public RuntimeObserver {
public:
    // Where the lines go, one at a time, without their newline.
    using Sink = std::function<void(std::string_view line)>;
    Tracer(Runtime& runtime, Sink sink)
        : runtime_(runtime)
        , sink_(std::move(sink))
    {
    }
    Tracer(Runtime& runtime, std::ostream& out)
        : Tracer(runtime, [&out](std::string_view line) { out << line << '\n'; })
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
    // A property as last printed: its number, or its text.
    struct Value {
        long long number = 0;
        std::string text;
    };
    struct Snapshot {
        std::uint64_t look = 0; // everything traced, hashed: unchanged, nothing is compared
        bool enabled = false;
        std::string caption;
        std::vector<Value> values; // every control's properties, in the order they are visited
    };
    static Snapshot snapshot_of(Form& f);
    void flush();
    void line(const std::string& text);

    Runtime& runtime_;
    Sink sink_;
    std::map<Form*, Snapshot> snapshots_;
};

} // namespace tk

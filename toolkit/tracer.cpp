#include "toolkit/tracer.h"

#include "toolkit/driver.h"
#include "toolkit/inspect.h"

#include <charconv>

namespace tk {

void Tracer::line(const std::string& text)
{
    char now[24];
    char* end = std::to_chars(now, now + sizeof now, runtime_.now()).ptr;
    std::string out(now, end);
    out += ' ';
    out += text;
    sink_(out);
}

namespace {

// Every traced property of a window in one number: the controls' look, which covers all of
// theirs, and the window's own. Most flushes find it unchanged and print nothing, so the
// properties are written out only when it changed.
std::uint64_t traced_look(Form& f)
{
    std::uint64_t h = appearance_hash(f);
    for (char c : f.Caption)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    return (h ^ (f.Enabled ? 2u : 1u)) * 1099511628211ULL;
}

} // namespace

Tracer::Snapshot Tracer::snapshot_of(Form& f)
{
    Snapshot s {traced_look(f), f.Enabled, f.Caption, {}};
    visit_properties(f, [&](std::string_view, int, const Property& p) {
        s.values.push_back(Value {p.number, std::string(p.text)});
    });
    return s;
}

// Only what changed is written out: the rest is compared as it stands, so that a blink costs
// the trace no more than the few lines it prints.
void Tracer::flush()
{
    for (Form* f : runtime_.forms()) {
        auto it = snapshots_.find(f);
        if (it == snapshots_.end() || !f->loaded())
            continue;
        Snapshot& before = it->second;
        std::uint64_t look = traced_look(*f);
        if (look == before.look)
            continue;
        before.look = look;
        std::string form(f->name());
        if (f->Enabled != before.enabled)
            line(form + ".Enabled " + (f->Enabled ? "true" : "false"));
        if (f->Caption != before.caption)
            line(form + ".Caption \"" + f->Caption + "\"");
        before.enabled = f->Enabled;
        before.caption = f->Caption;
        std::size_t i = 0;
        visit_properties(*f, [&](std::string_view control, int index, const Property& p) {
            if (i < before.values.size()) {
                Value& v = before.values[i];
                if (v.number != p.number || v.text != p.text) {
                    line(form + "." + property_key(control, index, p.name) + " " + format(p));
                    v = Value {p.number, std::string(p.text)};
                }
            }
            ++i;
        });
    }
}

void Tracer::form_loaded(Form& f)
{
    line(std::string(f.name()) + " load");
    snapshots_[&f] = snapshot_of(f);
}

void Tracer::form_shown(Form& f)
{
    line(std::string(f.name()) + " show");
}

void Tracer::form_unloaded(Form& f)
{
    snapshots_.erase(&f);
    line(std::string(f.name()) + " unload");
}

void Tracer::timer_changed(Timer& t, std::string_view property)
{
    std::string value = property == "Enabled" ? (t.Enabled ? "true" : "false") : std::to_string(int(t.Interval));
    line(std::string(t.owner().name()) + "." + std::string(t.name()) + "." + std::string(property) + " " + value);
}

void Tracer::end()
{
    flush();
    line("end");
}

} // namespace tk

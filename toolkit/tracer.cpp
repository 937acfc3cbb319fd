#include "toolkit/tracer.h"

#include "toolkit/inspect.h"

namespace tk {

void Tracer::line(const std::string& text)
{
    out_ << runtime_.now() << ' ' << text << '\n';
}

void Tracer::flush()
{
    for (Form* f : runtime_.forms()) {
        auto it = snapshots_.find(f);
        if (it == snapshots_.end() || !f->loaded())
            continue;
        Snapshot now = properties_of(*f);
        Snapshot& before = it->second;
        for (std::size_t i = 0; i < now.size() && i < before.size(); ++i) {
            if (now[i].second != before[i].second)
                line(std::string(f->name()) + "." + now[i].first + " " + now[i].second);
        }
        before = std::move(now);
    }
}

void Tracer::form_loaded(Form& f)
{
    line(std::string(f.name()) + " load");
    snapshots_[&f] = properties_of(f);
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

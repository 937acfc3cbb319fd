// How late a real-time run made each change, against the virtual run of the same steps.
//
//   lateness REAL.trace VIRTUAL.trace
//
// REAL.trace comes from `simulate --real-time --trace`: each line is "<due> <real> <change>".
// VIRTUAL.trace comes from `simulate --trace` with the same steps: "<due> <change>". The two must
// list the same changes at the same due times; then a change's lateness is real minus due.
// Prints one line:
//   lines N same yes|no median MS p99 MS max MS drift MS
// where drift is the median lateness of the last tenth of the lines minus that of the first tenth.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    std::size_t at = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(at, v.size() - 1)];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: lateness REAL.trace VIRTUAL.trace\n");
        return 2;
    }
    std::ifstream real(argv[1]), virt(argv[2]);
    if (!real || !virt) {
        std::fprintf(stderr, "lateness: cannot read the traces\n");
        return 2;
    }
    std::vector<double> late;
    bool same = true;
    std::string r, v;
    while (std::getline(real, r)) {
        // "<due> <real> <change>" without the real time must be the virtual line.
        std::size_t a = r.find(' ');
        std::size_t b = a == std::string::npos ? std::string::npos : r.find(' ', a + 1);
        if (b == std::string::npos) {
            same = false;
            break;
        }
        std::string without = r.substr(0, a) + r.substr(b);
        if (!std::getline(virt, v) || v != without)
            same = false;
        late.push_back(std::stod(r.substr(a + 1, b - a - 1)) - std::stod(r.substr(0, a)));
    }
    if (std::getline(virt, v))
        same = false;
    std::size_t tenth = std::max<std::size_t>(1, late.size() / 10);
    std::vector<double> first(late.begin(), late.begin() + static_cast<long>(std::min(tenth, late.size())));
    std::vector<double> last(late.end() - static_cast<long>(std::min(tenth, late.size())), late.end());
    std::printf("lines %zu same %s median %.3f p99 %.3f max %.3f drift %.3f\n", late.size(), same ? "yes" : "no",
        percentile(late, 0.5), percentile(late, 0.99), percentile(late, 1.0),
        percentile(last, 0.5) - percentile(first, 0.5));
    return same && !late.empty() ? 0 : 1;
}

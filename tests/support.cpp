#include "tests/support.h"

#include "tools/sim/commands.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace testing_support {

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

namespace {

// Where two traces part, with the lines around it: "-" stored, "+" now.
std::string difference(const std::vector<std::string>& want, const std::vector<std::string>& got)
{
    std::size_t at = std::mismatch(want.begin(), want.end(), got.begin(), got.end()).first - want.begin();
    std::ostringstream out;
    out << "traces part at line " << at + 1 << " (stored " << want.size() << " lines, now " << got.size() << ")\n";
    for (std::size_t i = at < 3 ? 0 : at - 3; i < at; ++i)
        out << "  " << want[i] << '\n';
    for (std::size_t i = at; i < std::min(want.size(), at + 4); ++i)
        out << "- " << want[i] << '\n';
    for (std::size_t i = at; i < std::min(got.size(), at + 4); ++i)
        out << "+ " << got[i] << '\n';
    return out.str();
}

} // namespace

void expect_golden(
    const std::string& name, const std::vector<std::string>& steps, const std::function<void(Game&)>& check)
{
    std::ostringstream trace;
    {
        sim::Simulation s(12 * 3600, &trace);
        ASSERT_EQ(sim::run_steps(s, steps), 0);
        if (check)
            check(s.game());
    }
    const std::string path = std::string(kGolden) + "/" + name + ".trace";
    if (std::getenv("RUVANTIA_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << trace.str();
        return;
    }
    std::vector<std::string> want = lines_of(read_file(path)), got = lines_of(trace.str());
    ASSERT_FALSE(want.empty()) << "no stored trace at " << path;
    EXPECT_TRUE(want == got) << difference(want, got);
}

} // namespace testing_support

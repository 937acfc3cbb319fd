#include "tests/support.h"

#include <fstream>
#include <sstream>

namespace testing_support {

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace testing_support

// Turns a text file into a C++ array of its lines, one string literal per line, ended by a
// null entry. Every byte that is not plain printable ASCII is written as an octal escape so
// that TABs and 8-bit text arrive unchanged.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

std::string literal(const std::string& line) {
    std::string out = "\"";
    for (unsigned char c : line) {
        if (c == '"' || c == '\\' || c == '?') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", c);
            out += buf;
        }
    }
    return out + "\"";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: mavik-embed SYMBOL INPUT OUTPUT\n";
        return 64;
    }
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::cerr << "mavik-embed: cannot read " << argv[2] << "\n";
        return 1;
    }
    std::ostringstream body;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            std::cerr << argv[2] << ":" << number << ": carriage return in a table line\n";
            return 1;
        }
        body << "    " << literal(line) << ",\n";
    }
    std::ofstream out(argv[3], std::ios::binary);
    out << "// Generated from " << argv[2] << "; edit that file instead.\n"
        << "extern const char* const " << argv[1] << "[];\n"
        << "const char* const " << argv[1] << "[] = {\n"
        << body.str() << "    nullptr,\n};\n";
    return out ? 0 : 1;
}

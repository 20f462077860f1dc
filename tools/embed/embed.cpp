// Turns a text file into a C++ array of its lines, one string literal per line, ended by a
// null entry. Every byte that is not plain printable ASCII is written as an octal escape so
// that TABs and 8-bit text arrive unchanged. With --shift-jis the file is UTF-8, kept so for
// translators, and each line is stored as the Shift-JIS bytes the definition language reads.
#include <QStringDecoder>
#include <QStringEncoder>

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

// False when the line holds a character that Shift-JIS cannot carry.
bool toShiftJis(std::string& line) {
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    const QString text = fromUtf8.decode(QByteArrayView(line.data(), qsizetype(line.size())));
    QStringEncoder toSjis("Shift_JIS");
    const QByteArray bytes = toSjis.encode(text);
    if (fromUtf8.hasError() || toSjis.hasError() || text.contains(QChar::ReplacementCharacter))
        return false;
    line.assign(bytes.constData(), size_t(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const bool shiftJis = argc == 5 && std::string(argv[4]) == "--shift-jis";
    if (argc != 4 && !shiftJis) {
        std::cerr << "usage: mavik-embed SYMBOL INPUT OUTPUT [--shift-jis]\n";
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
        if (number == 1 && shiftJis && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        if (shiftJis && !toShiftJis(line)) {
            std::cerr << argv[2] << ":" << number << ": not representable in Shift-JIS\n";
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

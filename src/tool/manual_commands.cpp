// Build step of the manual page: copies the page's source (argument 1) to
// argument 2 with the line "%COMMANDS%" replaced by the command list made
// from the command table, so the page and the help never differ.
#include <fstream>
#include <iostream>
#include <string>

#include "tool/usage_text.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: manual_commands SOURCE OUTPUT\n";
        return 2;
    }
    std::ifstream source(argv[1]);
    std::ofstream output(argv[2], std::ios::trunc);
    if (!source || !output) {
        std::cerr << "manual_commands: cannot read " << argv[1] << " or write " << argv[2] << '\n';
        return 1;
    }
    std::string line;
    bool replaced = false;
    while (std::getline(source, line)) {
        if (line == "%COMMANDS%") {
            oltoma::tool::WriteManualCommands(output);
            replaced = true;
        } else {
            output << line << '\n';
        }
    }
    output.close();
    if (!replaced || !output) {
        std::cerr << "manual_commands: no %COMMANDS% line in " << argv[1] << " or write failed\n";
        return 1;
    }
    return 0;
}

#include "tool/usage_text.h"

#include <cctype>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>

#include "oltoma_version.h"

namespace oltoma::tool {
namespace {

constexpr std::size_t kLineWidth = 79;

constexpr const char* kForms[] = {
    "oltoma-tool COMMAND [ARGUMENTS]",
    "oltoma-tool help [COMMAND]",
    "oltoma-tool --help | --version",
};

// Characters on the screen: UTF-8 continuation bytes take no column.
std::size_t Columns(std::string_view text) {
    std::size_t columns = 0;
    for (const char c : text) {
        columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return columns;
}

// Writes `text` wrapped at blanks: the first line after `firstIndent`, the
// others after `indent`. A word longer than the line stays whole.
void WriteWrapped(std::ostream& out, std::string_view text, std::string_view firstIndent,
                  std::string_view indent) {
    std::istringstream words{std::string(text)};
    std::string word;
    std::string line(firstIndent);
    std::size_t lineStart = firstIndent.size();
    while (words >> word) {
        const bool first = line.size() == lineStart;
        if (!first && Columns(line) + 1 + Columns(word) > kLineWidth) {
            out << line << '\n';
            line = indent;
            lineStart = indent.size();
        } else if (!first) {
            line += ' ';
        }
        line += word;
    }
    out << line << '\n';
}

std::string Synopsis(const ToolCommand& command) {
    return std::string("oltoma-tool ") + command.name + " " + command.arguments;
}

// The command's help below its usage line; every line starts with `indent`.
void WriteCommandBody(std::ostream& out, const ToolCommand& command, const std::string& indent) {
    WriteWrapped(out, command.summary, indent, indent);
    out << '\n';
    WriteWrapped(out, command.description, indent, indent);
    out << '\n' << indent << "Exit status:\n";
    const std::pair<int, const char*> statuses[] = {
        {kExitSuccess, command.exitSuccess},
        {kExitFailure, command.exitFailure},
        {kExitUsage, command.exitUsage},
    };
    for (const auto& [status, meaning] : statuses) {
        WriteWrapped(out, meaning, indent + "  " + std::to_string(status) + "  ", indent + "     ");
    }
    out << indent << "Example:\n" << indent << "  " << command.example << '\n';
}

void WriteForms(std::ostream& out) {
    const char* prefix = "usage: ";
    for (const char* form : kForms) {
        out << prefix << form << '\n';
        prefix = "       ";
    }
}

// Text for scdoc: its markup characters (*, _ and \) escaped.
std::string ManualText(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '*' || c == '_' || c == '\\') {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

// Text for a literal block of scdoc, which passes it to roff as it stands:
// roff's escape character doubled.
std::string ManualLiteral(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        escaped += c;
        if (c == '\\') {
            escaped += '\\';
        }
    }
    return escaped;
}

// The arguments with the placeholders (words of capitals) underlined.
std::string ManualArguments(std::string_view arguments) {
    std::string marked;
    std::size_t i = 0;
    while (i < arguments.size()) {
        std::size_t end = i;
        while (end < arguments.size() && std::isupper(static_cast<unsigned char>(arguments[end]))) {
            ++end;
        }
        if (end > i) {
            marked += "_" + std::string(arguments.substr(i, end - i)) + "_";
            i = end;
        } else {
            marked += ManualText(arguments.substr(i, 1));
            ++i;
        }
    }
    return marked;
}

}  // namespace

void WriteVersion(std::ostream& out) {
    out << "oltoma-tool " << OLTOMA_VERSION << '\n';
}

void WriteHelp(std::ostream& out) {
    WriteWrapped(out,
                 std::string("oltoma-tool ") + OLTOMA_VERSION +
                     ": the command-line companion of oltoma, for scripting, inspection and "
                     "maintenance of its data files.",
                 "", "");
    out << '\n';
    WriteForms(out);
    out << "\nCommands:\n";
    for (const ToolCommand& command : ToolCommands()) {
        out << "\n  " << command.name << ' ' << command.arguments << '\n';
        WriteCommandBody(out, command, "      ");
    }
    out << '\n';
    WriteWrapped(out,
                 "Every command exits 0 when it did its work, 1 when it could not and 2 on bad "
                 "arguments; unknown commands and options are bad arguments.",
                 "", "");
}

void WriteCommandHelp(std::ostream& out, const ToolCommand& command) {
    out << "usage: " << Synopsis(command) << "\n\n";
    WriteCommandBody(out, command, "");
}

void WriteUsage(std::ostream& out) {
    WriteForms(out);
    out << "\ncommands:\n";
    for (const ToolCommand& command : ToolCommands()) {
        out << "  " << Synopsis(command) << '\n';
    }
    out << '\n';
    WriteWrapped(out,
                 "Run 'oltoma-tool help COMMAND' for a command's arguments, exit statuses and "
                 "an example.",
                 "", "");
}

int UsageError(std::string_view problem) {
    std::cerr << "oltoma-tool: " << problem << "\n\n";
    WriteUsage(std::cerr);
    return kExitUsage;
}

int CommandUsageError(std::string_view name) {
    const ToolCommand* command = FindToolCommand(name);
    if (command == nullptr) {
        return UsageError("unknown command " + std::string(name));
    }
    std::cerr << "usage: " << Synopsis(*command) << "\nRun 'oltoma-tool help " << name
              << "' for details.\n";
    return kExitUsage;
}

void WriteManualCommands(std::ostream& out) {
    for (const ToolCommand& command : ToolCommands()) {
        out << '*' << ManualText(command.name) << "* " << ManualArguments(command.arguments)
            << "\n\t" << ManualText(command.summary) << "\n\n\t" << ManualText(command.description)
            << "\n\n\tExit status:\n\n\t- *0*  " << ManualText(command.exitSuccess) << "\n\t- *1*  "
            << ManualText(command.exitFailure) << "\n\t- *2*  " << ManualText(command.exitUsage)
            << "\n\n\tExample:\n\n\t```\n\t" << ManualLiteral(command.example) << "\n\t```\n\n";
    }
}

}  // namespace oltoma::tool

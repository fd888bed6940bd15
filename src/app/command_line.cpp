#include "app/command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <string>

#include "base/settings/program_version.h"
#include "oltoma_version.h"

namespace oltoma {
namespace {

// Options QGuiApplication and QApplication read themselves; the parser
// only has to let them through.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "geometry",
    "qwindowicon",
    "icon",
    "qwindowtitle",
    "title",
    "session",
    "display",
    "name",
    "style",
    "stylesheet",
    "qmljsdebugger",
};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void AddHidden(QCommandLineParser& parser, const char* name, bool takesValue) {
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue) {
        option.setValueName(QStringLiteral("value"));
    }
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

// The option `name` as the command line wrote it ("--bogus", "-x").
std::string AsWritten(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments) {
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        if (option.startsWith(QLatin1Char('-')) &&
            QStringView(option).mid(option.startsWith(QStringLiteral("--")) ? 2 : 1) == name) {
            return option.toStdString();
        }
    }
    return name.toStdString();
}

void WriteUsageLine(std::ostream& out) {
    out << "Användning: oltoma [flaggor] [/NET]\n";
}

}  // namespace

void WriteProgramHelp(std::ostream& out) {
    WriteUsageLine(out);
    out << "\n"
           "oltoma " OLTOMA_VERSION
           " – tävlingsadministration för orientering.\n"
           "\n"
           "Flaggor:\n"
           "  -h, --help       Visa den här hjälpen och avsluta.\n"
           "  -v, --version    Visa programmets version och avsluta.\n"
           "\n"
           "Parametrar:\n"
           "  /NET             Lås datafilernas byteintervall i operativsystemet\n"
           "                   (nätverksläge).\n"
           "\n"
           "Qt:s egna flaggor (-platform, -style, -session m.fl.) godtas också.\n"
           "Inställningsfil, datamapp och miljövariabler: se oltoma(1).\n";
}

void WriteProgramVersion(std::ostream& out) {
    out << "oltoma " OLTOMA_VERSION "\n"
        << "bygge:" << BuildTag() << '\n';
}

std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& error) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help", "?"});
    const QCommandLineOption version(QStringList{"v", "version"});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtOptionsWithValue) {
        AddHidden(parser, name, true);
    }
    for (const char* name : kQtFlags) {
        AddHidden(parser, name, false);
    }
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) {
        WriteProgramHelp(out);
        return 0;
    }
    if (parser.isSet(version)) {
        WriteProgramVersion(out);
        return 0;
    }
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        error << "oltoma: "
              << (unknown.isEmpty() ? "fel på kommandoraden: " + parser.errorText().toStdString()
                                    : "okänd flagga: " + AsWritten(arguments, unknown.constFirst()))
              << '\n';
        WriteUsageLine(error);
        error << "Se oltoma --help.\n";
        return kCommandLineUsageExitCode;
    }
    return std::nullopt;
}

}  // namespace oltoma

#include "commandline.h"

#include "translations/translations.h"

#include <QCoreApplication>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// The toolkit's own options (Qt 6.4), which QApplication takes out of the
// command line, each also written with "--". Those of the X11 platform count
// everywhere: whatever they mean elsewhere, they are the toolkit's to judge.
const char *const ToolkitOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme",
    "plugin", "qwindowgeometry", "qwindowtitle", "qwindowicon", "session", "style", "stylesheet",
    "qmljsdebugger", "display", "geometry", "title", "icon", "name", "visual"};
const char *const ToolkitFlags[]
    = {"reverse", "testability", "widgetcount", "qdevel", "nograb", "dograb"};
// Those that also take their value after "=", as in -style=fusion.
const char *const ToolkitOptionsJoined[] = {"style", "stylesheet", "qmljsdebugger"};

enum class Toolkit
{
    None,
    Flag,
    WithValue
};

template <std::size_t N> bool isOneOf(const char *name, const char *const (&names)[N])
{
    for (const char *each : names) {
        if (std::strcmp(name, each) == 0)
            return true;
    }
    return false;
}

Toolkit toolkitOption(const char *argument)
{
    if (argument[0] != '-')
        return Toolkit::None;
    const char *name = argument + (argument[1] == '-' ? 2 : 1);
    if (isOneOf(name, ToolkitOptionsWithValue))
        return Toolkit::WithValue;
    if (isOneOf(name, ToolkitFlags))
        return Toolkit::Flag;
    const char *equals = std::strchr(name, '=');
    if (equals && isOneOf(std::string(name, equals).c_str(), ToolkitOptionsJoined))
        return Toolkit::Flag;
    return Toolkit::None;
}

// A number as the host channel reads a handle: blanks, a sign, then a digit.
// "-1" is a handle, not an option.
bool isNumber(const char *text)
{
    while (std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    if (*text == '+' || *text == '-')
        ++text;
    return std::isdigit(static_cast<unsigned char>(*text));
}

bool isOption(const char *argument)
{
    return argument[0] == '-' && !isNumber(argument);
}

// The texts of the command line, translated in the context "CommandLine".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Each line of text after margin blanks, and a line break.
QString indented(const QString &text, int margin)
{
    const QString blanks(margin, QLatin1Char(' '));
    return blanks + QString(text).replace(QLatin1Char('\n'), QLatin1Char('\n') + blanks)
        + QLatin1Char('\n');
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

namespace CommandLine {

Request parse(int argc, const char *const argv[])
{
    if (argc < 2 || isNumber(argv[0]))
        return {};
    // What is left once the toolkit has taken its own.
    std::vector<const char *> left;
    for (int index = 1; index < argc; ++index) {
        const Toolkit kind = toolkitOption(argv[index]);
        if (kind == Toolkit::WithValue)
            ++index;
        else if (kind == Toolkit::None)
            left.push_back(argv[index]);
    }
    // A program path followed by a handle number is a host's start too.
    if (left.empty() || !isOption(left.front()))
        return {};

    const QString first = QString::fromLocal8Bit(left.front());
    const bool help = first == QLatin1String("--help") || first == QLatin1String("-h");
    if (!help && first != QLatin1String("--version"))
        return {Action::UnknownOption, first};
    if (left.size() > 1)
        return {Action::ExtraArgument, QString::fromLocal8Bit(left[1])};
    return {help ? Action::Help : Action::Version, QString()};
}

int answer(const Request &request, int argc, char *argv[])
{
    // The translations need an application; one without windows needs no
    // display.
    QCoreApplication application(argc, argv);
    Translations::install();
    switch (request.action) {
    case Action::Help:
        print(stdout, usage());
        return 0;
    case Action::Version:
        print(stdout, versionLine());
        return 0;
    default:
        print(stderr, refusal(request));
        return 2;
    }
}

QString usage()
{
    const QLatin1Char newline('\n');
    QString text = Texts::tr("Usage: kvb [--help | --version]") + newline + newline;
    //: What the program is, under the usage line of "kvb --help"; lines of at most 78
    //: characters.
    text += Texts::tr("KVB registers an installed copy of the maker's editing application with\n"
                      "its maker. Started without arguments, it opens its registration window;\n"
                      "a launching host starts it with its two handle numbers instead, as the\n"
                      "manual describes.")
        + newline + newline;

    text += Texts::tr("Options:") + newline;
    text += QLatin1String("  -h, --help     ") + Texts::tr("show this help and exit") + newline;
    text += QLatin1String("      --version  ") + Texts::tr("show the version and exit") + newline;
    //: Lines of at most 76 characters.
    text
        += indented(Texts::tr("The toolkit's own options, such as -style, -reverse and -platform,\n"
                              "work as well."),
               2)
        + newline;

    text += Texts::tr("Environment:") + newline;
    const std::pair<const char *, QString> variables[] = {
        {"KVB_COMMON_FILES_DIR_X86, KVB_COMMON_FILES_DIR",
            Texts::tr("the common files folder, whose Tarn/CustomData/RegData/ holds every file")},
        {"XDG_DATA_HOME, XDG_DATA_DIRS",
            Texts::tr("where the data files are when neither of those is set")},
        {"XDG_CONFIG_DIRS", Texts::tr("where the presets are read from")},
        {"KVB_SYSTEM_ID, KVB_SERIAL",
            Texts::tr("the system identifier and the serial number that a registration carries")},
        {"LANGUAGE, LC_ALL, LC_MESSAGES, LANG", Texts::tr("the language shown")}};
    for (const auto &[names, meaning] : variables)
        text += indented(QLatin1String(names), 2) + indented(meaning, 6);

    text += newline + Texts::tr("Files:") + newline;
    const std::pair<const char *, QString> files[] = {
        {"~/.local/share/Tarn/CustomData/RegData/RegInfo.xml", Texts::tr("the saved registration")},
        {"/usr/share/Tarn/CustomData/RegData/RegMaster.xml, RegReseller.xml",
            Texts::tr("the country and reseller catalogues")},
        {"/etc/xdg/Tarn/KVB.conf",
            Texts::tr("the presets that an administrator sets for every user")}};
    for (const auto &[path, meaning] : files)
        text += indented(QLatin1String(path), 2) + indented(meaning, 6);

    //: "man kvb" is the command that shows the manual page; it stays as it is.
    return text + newline + Texts::tr("The manual page, \"man kvb\", tells more.") + newline;
}

QString versionLine()
{
    return QStringLiteral("kvb " KVB_VERSION "\n");
}

QString refusal(const Request &request)
{
    const QString problem = request.action == Action::ExtraArgument
        ? Texts::tr("kvb: unexpected argument '%1'").arg(request.argument)
        //: An option given to kvb that it does not know, such as --bogus.
        : Texts::tr("kvb: unknown option '%1'").arg(request.argument);
    return problem + QLatin1Char('\n') + Texts::tr("Try 'kvb --help' for more information.")
        + QLatin1Char('\n');
}

} // namespace CommandLine

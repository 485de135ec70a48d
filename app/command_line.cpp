// Reads the command line with QCommandLineParser before QApplication exists, so
// --help and --version work without a display.
#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace duel {

namespace {

// Options that QApplication itself takes (a session manager restarts the game
// with -session, a user may ask for -style): accepted here and left to Qt.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"display", true},
    {"geometry", true},
    {"style", true},
    {"stylesheet", true},
    {"session", true},
    {"name", true},
    {"title", true},
    {"visual", true},
    {"reverse", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    {"widgetcount", false},
};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The argument as the user typed it (-x or --x, maybe with =value) for the option `name`.
QString AsTyped(const QStringList& arguments, const QString& name) {
    for (const QString& prefix : {QStringLiteral("--"), QStringLiteral("-")}) {
        for (const QString& argument : arguments) {
            if (argument == prefix + name || argument.startsWith(prefix + name + u'=')) return prefix + name;
        }
    }
    return name;
}

int Refuse(const QString& message) {
    Print(stderr, QStringLiteral("shelvy: %1\nСправка: shelvy --help\n").arg(message));
    return 2;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char** argv) {
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));

    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Шелвы и злыки: дуэль угадывания четырёхзначных чисел с компьютером.\n"
                       "Рекорды и настройки хранятся в файле «Шелвы и злыки.ini» рядом с программой,\n"
                       "а если туда нельзя писать, то в ~/.config/shelvy-zlyki/."));
    // Qt's options are written with one dash (-style fusion).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const QtOption& qtOption : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name));
        if (qtOption.takesValue) option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return Refuse(QStringLiteral("неизвестный параметр «%1»").arg(AsTyped(arguments, unknown.constFirst())));
        }
        return Refuse(parser.errorText());
    }
    // Qt adds --help-all, whose list of Qt's own options needs a running
    // QCoreApplication: answer it like --help.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without a QCoreApplication the parser cannot know the program's name.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("shelvy"));
        Print(stdout, text);
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return Refuse(QStringLiteral("лишний аргумент «%1»").arg(parser.positionalArguments().constFirst()));
    return std::nullopt;
}

}  // namespace duel

// Reads the command line with QCommandLineParser before QApplication exists, so
// --help and --version work without a display, and answers in the user's language.
#include "app/command_line.h"

#include "network/input_checks.h"
#include "network/jabber_account.h"
#include "terminal/terminal_texts.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace duel {

namespace {

// Qt's X11 option -name (the window's instance name) is not among these: --name is the
// player's name in a duel over the network, and is taken out of argv before Qt sees it.

// Options that QApplication itself takes (a session manager restarts the game
// with -session, a user may ask for -style): accepted here, left to Qt, listed
// by --help-all.  `english` is Qt's own description where Qt has one, so that
// Qt's catalogue translates it; `russian` stands in where the catalogue has no
// translation (or is not installed).
struct QtOption {
    const char* name;
    const char* valueName;  // nullptr for a switch
    const char* english;
    const char* russian;
};
constexpr QtOption kQtOptions[] = {
    {"platform", "platformName[:options]",
     "QPA plugin. See QGuiApplication documentation for available options for each plugin.",
     "Модуль QPA (платформа отображения)."},
    {"platformpluginpath", "path", "Path to the platform plugins.", "Путь к платформенным модулям."},
    {"platformtheme", "theme", "Platform theme.", "Тема платформы."},
    {"plugin", "plugin", "Additional plugins to load, can be specified multiple times.",
     "Дополнительный модуль; можно указать несколько раз."},
    {"qwindowgeometry", "geometry", "Window geometry for the main window, using the X11-syntax, like 100x100+50+50.",
     "Геометрия главного окна в записи X11, например 100x100+50+50."},
    {"qwindowicon", "icon", "Default window icon.", "Значок окна по умолчанию."},
    {"qwindowtitle", "title", "Title of the first window.", "Заголовок первого окна."},
    {"reverse", nullptr, "Sets the application's layout direction to Qt::RightToLeft (debugging helper).",
     "Расположение справа налево (для отладки)."},
    {"session", "session", "Restores the application from an earlier session.",
     "Восстанавливает программу из прежнего сеанса."},
    {"display", "display", "Display name, overrides $DISPLAY.", "Имя дисплея вместо $DISPLAY."},
    {"nograb", nullptr, "Disable mouse grabbing (useful in debuggers).", "Не захватывать мышь (для отладки)."},
    {"dograb", nullptr, "Force mouse grabbing (even when running in a debugger).",
     "Захватывать мышь даже под отладчиком."},
    {"visual", "id", "ID of the X11 Visual to use.", "Код визуала X11."},
    {"geometry", "geometry", "Alias for --qwindowgeometry.", "То же, что --qwindowgeometry."},
    {"icon", "icon", "Alias for --qwindowicon.", "То же, что --qwindowicon."},
    {"title", "title", "Alias for --qwindowtitle.", "То же, что --qwindowtitle."},
    {"style", "style", "Widget style (such as fusion or windows).",
     "Стиль элементов окна (например, fusion или windows)."},
    {"stylesheet", "file", "Style sheet for every widget, read from a file.",
     "Таблица стилей для всех элементов окна из файла."},
    {"widgetcount", nullptr, "Prints at the end how many widgets were made and how many remain.",
     "Сообщить в конце, сколько элементов окна было создано и сколько осталось."},
    {"sync", nullptr, "Talks to the X server synchronously (debugging helper).",
     "Обмениваться с сервером X синхронно (для отладки)."},
};

// Texts in the language the user's locale asks for.
class Texts {
public:
    explicit Texts(bool russian) : russian_(russian) {}

    bool russian() const { return russian_; }

    QString operator()(const char* english, const char* russian) const {
        return QString::fromUtf8(russian_ ? russian : english);
    }

    // One of Qt's own texts: Qt's catalogue translates it when it is installed
    // and knows the text, else `russian` stands in.
    QString FromQt(const char* context, const char* english, const char* russian) const {
        if (!russian_) return QString::fromUtf8(english);
        const QString translated = QCoreApplication::translate(context, english);
        return translated != QString::fromUtf8(english) ? translated : QString::fromUtf8(russian);
    }

private:
    bool russian_;
};

enum class Request { Start, Help, HelpAll, Version, Refuse };

// What the command line asks for, and the text to print for it.
struct Reading {
    Request request = Request::Start;
    QString text;
    NetworkRequest network;
    std::string language;  // --lang, when given
};

// The game's own options with a value, as typed: "--host" alone or followed by a port.
const char* const kOwnOptions[] = {"host", "join", "name", "account", "password-file", "server", "ca-file", "lang"};

// Which own option `argument` is ("--join", "-join=x" ...), or nullptr; `inlineValue` tells
// whether its value follows an "=" in the same argument.
const char* OwnOption(const QString& argument, bool* inlineValue) {
    for (const char* name : kOwnOptions) {
        for (const QString& prefix : {QStringLiteral("--"), QStringLiteral("-")}) {
            const QString option = prefix + QString::fromLatin1(name);
            *inlineValue = argument.startsWith(option + u'=');
            if (argument == option || *inlineValue) return name;
        }
    }
    return nullptr;
}

// --host takes its port only when one follows: "--host" alone, or before another option,
// gets an empty value, which stands for the default port.
QStringList WithHostValues(const QStringList& arguments) {
    QStringList out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        out << arguments[i];
        bool inlineValue = false;
        const char* own = i > 0 ? OwnOption(arguments[i], &inlineValue) : nullptr;
        if (own && qstrcmp(own, "host") == 0 && !inlineValue &&
            (i + 1 == arguments.size() || arguments[i + 1].startsWith(u'-')))
            out << QString();
    }
    return out;
}

// Removes the game's own options and their values from argv, so that Qt never sees them.
void TakeOwnOptions(int& argc, char** argv) {
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        bool inlineValue = false;
        const char* own = OwnOption(argument, &inlineValue);
        if (!own) {
            argv[kept++] = argv[i];
            continue;
        }
        const bool hostAlone = qstrcmp(own, "host") == 0 && (i + 1 == argc || argv[i + 1][0] == '-');
        if (!inlineValue && !hostAlone && i + 1 < argc) ++i;  // its value
    }
    argv[kept] = nullptr;
    argc = kept;
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

Reading Refusal(const Texts& say, const QString& message) {
    return {
        Request::Refuse, QStringLiteral("shelvy: %1\n%2 shelvy --help\n").arg(message, say("Help:", "Справка:")), {}};
}

// The options of the duel through Jabber.
struct JabberOptions {
    QCommandLineOption account, passwordFile, server, caFile;
};

// The password from `path`: a regular file of this user's that nobody else may read.  Its
// first line is the password.  The text of a refusal otherwise.
std::optional<QString> ReadPasswordFile(const QString& path, std::string* password, const Texts& say) {
    const QByteArray local = path.toLocal8Bit();
    struct stat status {};
    const int fd = ::open(local.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (fd >= 0) ::close(fd);
        return say("cannot read the password file '%1'", "не удалось прочитать файл пароля «%1»").arg(path);
    }
    if (status.st_uid != ::geteuid() || (status.st_mode & 077) != 0) {
        ::close(fd);
        return say("the password file '%1' can be read by others: make it yours and readable only by you "
                   "(chmod 600)",
                   "файл пароля «%1» доступен другим: он должен быть вашим и доступным только вам (chmod 600)")
            .arg(path);
    }
    char buffer[1025];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    if (got < 0 || got == static_cast<ssize_t>(sizeof buffer))
        return say("cannot read the password file '%1'", "не удалось прочитать файл пароля «%1»").arg(path);
    std::string text(buffer, static_cast<size_t>(got));
    std::fill(std::begin(buffer), std::end(buffer), '\0');
    const size_t end = text.find_first_of("\r\n");
    if (end != std::string::npos) text.resize(end);
    if (text.empty()) return say("the password file '%1' is empty", "файл пароля «%1» пуст").arg(path);
    *password = std::move(text);
    return std::nullopt;
}

// The Jabber options, each checked; nothing to say when they fit.
std::optional<Reading> ReadJabber(const QCommandLineParser& parser, const JabberOptions& jabber,
                                  NetworkRequest& network, const Texts& say) {
    if (!parser.isSet(jabber.account)) {
        for (const QCommandLineOption* option : {&jabber.passwordFile, &jabber.server, &jabber.caFile})
            if (parser.isSet(*option))
                return Refusal(say, say("--%1 needs --account", "для --%1 нужен --account").arg(option->names()[0]));
        return std::nullopt;
    }
    const QString account = parser.value(jabber.account);
    if (!net::IsBareJid(account.toStdString()))
        return Refusal(say, say("invalid Jabber address '%1' for --account: name@server is needed",
                                "неверный адрес Jabber «%1» для --account: нужен вид имя@сервер")
                                .arg(account));
    if (network.mode == NetworkRequest::Mode::None)
        return Refusal(say, say("--account needs --host or --join", "для --account нужен --host или --join"));
    network.account = account.toStdString();
    if (parser.isSet(jabber.passwordFile)) {
        std::string password;
        if (std::optional<QString> refusal = ReadPasswordFile(parser.value(jabber.passwordFile), &password, say))
            return Refusal(say, *refusal);
        network.password = std::move(password);
    }
    if (parser.isSet(jabber.server)) {
        const QString typed = parser.value(jabber.server);
        const std::optional<net::JoinTarget> server = net::ParseJabberServer(typed.toStdString());
        if (!server)
            return Refusal(say,
                           say("invalid server '%1' for --server", "неверный сервер «%1» для --server").arg(typed));
        network.server = server->address;
        network.serverPort = server->port;
    }
    if (parser.isSet(jabber.caFile)) {
        const QString path = parser.value(jabber.caFile);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return Refusal(say, say("cannot read the certificate authority file '%1'",
                                    "не удалось прочитать файл центра сертификации «%1»")
                                    .arg(path));
        network.caFile = QFileInfo(path).absoluteFilePath().toStdString();
    }
    return std::nullopt;
}

// The duel over the network that the command line asks for, every value checked.
Reading ReadNetwork(const QCommandLineParser& parser, const QCommandLineOption& host, const QCommandLineOption& join,
                    const QCommandLineOption& name, const JabberOptions& jabber, const Texts& say) {
    Reading reading;
    NetworkRequest& network = reading.network;
    if (parser.isSet(host) && parser.isSet(join))
        return Refusal(say, say("--host and --join cannot be used together", "--host и --join нельзя указать вместе"));
    if (parser.isSet(join) && parser.isSet(jabber.account)) {
        // Through Jabber, --join names the friend's Jabber address.
        const QString friendJid = parser.value(join);
        if (!net::IsBareJid(friendJid.toStdString()))
            return Refusal(say, say("invalid Jabber address '%1' for --join: name@server is needed",
                                    "неверный адрес Jabber «%1» для --join: нужен вид имя@сервер")
                                    .arg(friendJid));
        network.mode = NetworkRequest::Mode::Join;
        network.address = friendJid.toStdString();
    } else if (parser.isSet(host) && parser.isSet(jabber.account)) {
        if (!parser.value(host).isEmpty())
            return Refusal(say, say("--host takes no port with --account", "с --account у --host не бывает порта"));
        network.mode = NetworkRequest::Mode::Host;
    }
    if (network.mode == NetworkRequest::Mode::None && parser.isSet(jabber.account) && !parser.isSet(host) &&
        !parser.isSet(join))
        return Refusal(say, say("--account needs --host or --join", "для --account нужен --host или --join"));
    if (std::optional<Reading> refusal = ReadJabber(parser, jabber, network, say)) return *refusal;
    if (parser.isSet(host) && network.account.empty()) {
        network.mode = NetworkRequest::Mode::Host;
        const QString port = parser.value(host);
        if (!port.isEmpty()) {
            const std::optional<uint16_t> number = net::ParsePort(port.toStdString());
            if (!number)
                return Refusal(say, say("invalid port '%1' for --host: a number from 1 to 65535 is needed",
                                        "неверный порт «%1» для --host: нужно число от 1 до 65535")
                                        .arg(port));
            network.port = *number;
        }
    }
    if (parser.isSet(join) && network.account.empty()) {
        const QString target = parser.value(join);
        const net::TargetReading read = net::ParseJoinTarget(target.toStdString());
        if (!read.target) {
            switch (read.fault) {
                case net::TargetFault::NoAddress:
                    return Refusal(say, say("--join needs an address", "для --join нужен адрес"));
                case net::TargetFault::BadAddress:
                    return Refusal(
                        say, say("invalid address '%1' for --join", "неверный адрес «%1» для --join").arg(target));
                case net::TargetFault::BadPort:
                    return Refusal(say, say("invalid port in '%1' for --join: a number from 1 to 65535 is needed",
                                            "неверный порт в «%1» для --join: нужно число от 1 до 65535")
                                            .arg(target));
            }
        }
        network.mode = NetworkRequest::Mode::Join;
        network.address = read.target->address;
        network.port = read.target->port;
    }
    if (parser.isSet(name)) {
        const QString typed = parser.value(name);
        if (const std::optional<net::NameFault> fault = net::CheckPlayerName(typed.toStdString())) {
            const char* english = "1 to 20 characters, no control or direction characters, no space at either end";
            // The name itself is not echoed: it may hold characters that turn the terminal's text.
            return Refusal(say, say("invalid name for --name: %1", "неверное имя для --name: %1")
                                    .arg(say.russian() ? QString::fromUtf8(net::NameFaultText(*fault)).toLower()
                                                       : QString::fromLatin1(english)));
        }
        network.name = typed.toStdString();
    }
    return reading;
}

// Parses `arguments`.  `listQtOptions` makes the help list Qt's options too
// (the answer to --help-all).
Reading Read(const QStringList& arguments, const Texts& say, bool listQtOptions) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        say("Шелвы и злыки (Shelvy and Zlyki): a duel of guessing four-digit numbers with the computer.\n"
            "Records and settings are kept in the file \"Шелвы и злыки.ini\" beside the program,\n"
            "or in ~/.config/shelvy-zlyki/ when that folder cannot be written.\n"
            "Qt's own options (-style, -session ...) are passed on to Qt; --help-all lists them.",
            "Шелвы и злыки: дуэль угадывания четырёхзначных чисел с компьютером.\n"
            "Рекорды и настройки хранятся в файле «Шелвы и злыки.ini» рядом с программой,\n"
            "а если туда нельзя писать, то в ~/.config/shelvy-zlyki/.\n"
            "Параметры Qt (-style, -session ...) передаются Qt; их перечисляет --help-all."));
    // Qt's options are written with one dash (-style fusion).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(
        {QStringLiteral("?"), QStringLiteral("h"), QStringLiteral("help")},
        say.FromQt("QCommandLineParser", "Displays help on commandline options.", "Показать эту справку и выйти."));
    const QCommandLineOption helpAll(QStringLiteral("help-all"), say("Displays help, including Qt's options.",
                                                                     "Показать справку вместе с параметрами Qt."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        say.FromQt("QCommandLineParser", "Displays version information.", "Показать версию и выйти."));
    const QCommandLineOption host(QStringLiteral("host"),
                                  say("Wait for an opponent over the network on PORT (24747 when left out).",
                                      "Ждать соперника по сети на порту ПОРТ (24747, если он не указан)."),
                                  say("PORT", "ПОРТ"));
    const QCommandLineOption join(
        QStringLiteral("join"),
        say("Join a game over the network at ADDRESS (port 24747 unless given; an IPv6 address in brackets: "
            "[::1]:24747).",
            "Присоединиться к игре по сети по АДРЕСУ (порт 24747, если не указан; адрес IPv6 в скобках: "
            "[::1]:24747)."),
        say("ADDRESS[:PORT]", "АДРЕС[:ПОРТ]"));
    const QCommandLineOption name(QStringLiteral("name"),
                                  say("The player's name in a duel over the network, for this run.",
                                      "Имя игрока в дуэли по сети на этот запуск."),
                                  say("NAME", "ИМЯ"));
    const JabberOptions jabber{
        QCommandLineOption(QStringLiteral("account"),
                           say("Through a Jabber (XMPP) server: with --host wait for invitations on the account "
                               "JID, with --join FRIEND_JID invite that friend.",
                               "Через сервер Jabber (XMPP): с --host ждать приглашений на учётной записи JID, "
                               "с --join JID_ДРУГА пригласить этого друга."),
                           QStringLiteral("JID")),
        QCommandLineOption(QStringLiteral("password-file"),
                           say("Read the Jabber password from FILE, readable only by its owner (else it comes from "
                               "the keyring or is asked for).",
                               "Прочитать пароль Jabber из ФАЙЛА, доступного только владельцу (иначе он берётся "
                               "из связки ключей или спрашивается)."),
                           say("FILE", "ФАЙЛ")),
        QCommandLineOption(QStringLiteral("server"),
                           say("The Jabber server to connect to (else found from the account's domain).",
                               "Сервер Jabber для подключения (иначе он находится по домену учётной записи)."),
                           say("HOST[:PORT]", "УЗЕЛ[:ПОРТ]")),
        QCommandLineOption(QStringLiteral("ca-file"),
                           say("A certificate authority to trust for the Jabber server, besides the system's.",
                               "Центр сертификации, которому доверять для сервера Jabber, кроме системных."),
                           say("FILE", "ФАЙЛ"))};
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  say("The language of the game's windows for this run: ru or en (else the locale's).",
                                      "Язык окон игры на этот запуск: ru или en (иначе язык локали)."),
                                  say("LANGUAGE", "ЯЗЫК"));
    parser.addOptions({help, helpAll, version, host, join, name, jabber.account, jabber.passwordFile, jabber.server,
                       jabber.caFile, lang});
    for (const QtOption& qtOption : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name),
                                  say.FromQt("QGuiApplication", qtOption.english, qtOption.russian));
        if (qtOption.valueName) option.setValueName(QString::fromLatin1(qtOption.valueName));
        if (!listQtOptions) option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(WithHostValues(arguments))) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return Refusal(
                say,
                say("unknown option '%1'", "неизвестный параметр «%1»").arg(AsTyped(arguments, unknown.constFirst())));
        }
        // A missing or unexpected value: Qt's own message, in Qt's translation.
        return Refusal(say, parser.errorText());
    }
    if (parser.isSet(help) || parser.isSet(helpAll)) {
        return {parser.isSet(helpAll) ? Request::HelpAll : Request::Help, parser.helpText(), {}};
    }
    if (parser.isSet(version)) {
        return {Request::Version, QString::fromStdString(VersionText(kApplicationName, say.russian())), {}};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Refusal(
            say,
            say("unexpected argument '%1'", "лишний аргумент «%1»").arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(lang)) {
        const QString language = parser.value(lang);
        if (language != QLatin1String("ru") && language != QLatin1String("en"))
            // The value is not echoed: it may hold characters that turn the terminal's text.
            return Refusal(say, say("invalid language for --lang: ru or en is needed",
                                    "неверный язык для --lang: нужно ru или en"));
        Reading reading = ReadNetwork(parser, host, join, name, jabber, say);
        reading.language = language.toStdString();
        return reading;
    }
    return ReadNetwork(parser, host, join, name, jabber, say);
}

// Writes the whole text to `stream`; false when it did not all arrive (a full
// disk, a closed pipe).
bool Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, bytes.size(), stream) == size_t(bytes.size());
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

// The value of --lang among `arguments` ("--lang en", "-lang=ru" ...), or empty: the terminal's
// texts follow it too.
std::string LanguageAsked(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        bool inlineValue = false;
        const char* own = OwnOption(arguments[i], &inlineValue);
        if (!own || qstrcmp(own, "lang") != 0) continue;
        if (inlineValue) return arguments[i].section(u'=', 1).toStdString();
        if (i + 1 < arguments.size()) return arguments[i + 1].toStdString();
    }
    return {};
}

}  // namespace

std::optional<int> HandleCommandLine(int& argc, char** argv, NetworkRequest* network, std::string* language) {
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));

    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const std::string asked = LanguageAsked(arguments);
    const Texts say(asked == "ru" || asked == "en" ? asked == "ru" : LocaleAsksForRussian());

    const Reading first = Read(arguments, say, false);
    if (first.request == Request::Start) {
        if (network) *network = first.network;
        if (language) *language = first.language.empty() ? GameLanguage() : first.language;
        TakeOwnOptions(argc, argv);
        return std::nullopt;
    }

    // Something is to be printed.  Qt's part of it (the help's headings, the
    // messages about option values) speaks Russian only through Qt's catalogue,
    // which needs an application object: make one just for the answer.  Qt's
    // notes while it starts (such as a warning about the locale) are no part of it.
    const QtMessageHandler previousHandler =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // Its argv holds only the name that the help's usage line shows.
    char programName[] = "shelvy";
    char* appArgv[] = {programName, nullptr};
    int appArgc = 1;
    QCoreApplication app(appArgc, appArgv);
    qInstallMessageHandler(previousHandler);
    QTranslator qtCatalogue;
    if (say.russian() && qtCatalogue.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtCatalogue);

    const Reading answer = Read(arguments, say, first.request == Request::HelpAll);
    if (answer.request == Request::Refuse) {
        Write(stderr, answer.text);
        return 2;
    }
    if (!Write(stdout, answer.text)) {
        const int error = errno;
        Write(stderr, say("shelvy: could not write to standard output: %1\n",
                          "shelvy: не удалось записать в стандартный вывод: %1\n")
                          .arg(QString::fromLocal8Bit(std::strerror(error))));
        return 1;
    }
    return 0;
}

}  // namespace duel

#include "cli/Password.h"

#include "cli/Admin.h"
#include "core/users/Validation.h"

#include <csignal>
#include <fcntl.h>
#include <istream>
#include <iterator>
#include <termios.h>
#include <unistd.h>

namespace vantor::admin {

namespace {

class PasswordTexts {
    Q_DECLARE_TR_FUNCTIONS(PasswordTexts)
public:
    static QString none() { return tr("no password on standard input"); }
    static QString tooLong() {
        return tr("the password is longer than an account line can hold (%1 bytes)")
            .arg(kMaxUserLineLength);
    }
    static QString differ() { return tr("the two passwords differ , nothing was changed"); }
    static QString prompt() { return tr("Password: "); }
    static QString again() { return tr("Password again: "); }
};

// One line, its line end taken off; nothing at the end of the input.
std::optional<std::string> readLine(std::istream& in) {
    std::string line;
    for (int c = 0; (c = in.get()) != std::char_traits<char>::eof();) {
        if (c == '\n')
            break;
        if (line.size() > kMaxUserLineLength)
            refuse(PasswordTexts::tooLong());
        line += static_cast<char>(c);
    }
    if (line.empty() && in.eof())
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

// The terminal's settings while echo is off, for the signal handler below.
termios echoedTerminal{};

// Ctrl-C, Ctrl-\ or a hangup at the prompt ends the program with the
// terminal as it was, not left without echo for the shell that follows.
extern "C" void restoreEchoAndDie(int signal) {
    ::tcsetattr(STDIN_FILENO, TCSANOW, &echoedTerminal);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// The terminal's echo, off while a password is typed.
class EchoOff {
public:
    EchoOff() {
        if (::tcgetattr(STDIN_FILENO, &echoedTerminal) != 0)
            return;
        struct sigaction restore {};
        restore.sa_handler = restoreEchoAndDie;
        sigemptyset(&restore.sa_mask);
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            ::sigaction(kSignals[i], &restore, &previous_[i]);
        termios quiet = echoedTerminal;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL;
        // What was typed before the prompt is not taken for the password.
        active_ = ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
        if (!active_)
            restoreHandlers();
    }
    ~EchoOff() {
        if (!active_)
            return;
        ::tcsetattr(STDIN_FILENO, TCSANOW, &echoedTerminal);
        restoreHandlers();
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    static constexpr int kSignals[] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP};
    void restoreHandlers() {
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            ::sigaction(kSignals[i], &previous_[i], nullptr);
    }

    struct sigaction previous_[std::size(kSignals)]{};
    bool active_ = false;
};

// The prompt goes to the terminal itself, or to standard error when there
// is none to open, so that standard output keeps only results.
void ask(const QString& prompt) {
    const QByteArray bytes = prompt.toUtf8();
    const int tty = ::open("/dev/tty", O_WRONLY | O_CLOEXEC | O_NOCTTY);
    const int to = tty >= 0 ? tty : STDERR_FILENO;
    // A prompt that cannot be shown leaves the password to be typed blind.
    [[maybe_unused]] const ssize_t written =
        ::write(to, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (tty >= 0)
        ::close(tty);
}

std::string asked(const QString& prompt) {
    const EchoOff echoOff;
    ask(prompt);
    const auto line = readLine(streams().in);
    if (!line)
        refuse(PasswordTexts::none());
    return *line;
}

} // namespace

std::string ReadPassword(bool confirm) {
    if (!streams().terminal) {
        const auto line = readLine(streams().in);
        if (!line)
            refuse(PasswordTexts::none());
        return *line;
    }
    std::string password = asked(PasswordTexts::prompt());
    if (confirm && asked(PasswordTexts::again()) != password)
        refuse(PasswordTexts::differ());
    return password;
}

} // namespace vantor::admin

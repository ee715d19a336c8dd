#include "platform/exit_signals.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace vn {

namespace {

constexpr int kExitSignals[] = {SIGTERM, SIGINT, SIGHUP};
int g_pipe[2] = {-1, -1};

void onSignal(int number) {
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const auto n = ::write(g_pipe[0], &byte, 1);
}

}  // namespace

void ExitSignals::install() {
    if (g_pipe[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0) return;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kExitSignals) sigaction(number, &action, nullptr);
}

ExitSignals::ExitSignals(QObject* parent) : QObject(parent) {
    install();
    if (g_pipe[1] < 0) return;
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { readSignal(); });
}

ExitSignals::~ExitSignals() {
    for (int number : kExitSignals) std::signal(number, SIG_DFL);
    for (int& fd : g_pipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

bool ExitSignals::requested() {
    char byte = 0;
    while (g_pipe[1] >= 0 && ::recv(g_pipe[1], &byte, 1, MSG_DONTWAIT) == 1) m_requested = true;
    return m_requested;
}

void ExitSignals::readSignal() {
    char byte = 0;
    if (::read(g_pipe[1], &byte, 1) != 1) return;
    m_requested = true;
    emit exitRequested(byte);
}

}  // namespace vn

#include "app/beenden.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {

int Paar[2] = {-1, -1}; // [0] written by the handler, [1] read by the event loop
std::function<void()> Auftrag;

void Signalempfang(int) {
  // Only what is safe in a signal handler: one write that never blocks.
  const int gesichert = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t geschrieben = write(Paar[0], &byte, 1);
  errno = gesichert;
}

void Empfangen() {
  char puffer[64];
  while (read(Paar[1], puffer, sizeof puffer) > 0) {
  }
  // A copy: the call may replace the task.
  if (const std::function<void()> auftrag = Auftrag) auftrag();
}

} // namespace

bool SignaleUmleiten(std::function<void()> beenden) {
  Auftrag = std::move(beenden);
  if (Paar[0] < 0) {
    if (!QCoreApplication::instance() ||
        socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, Paar) != 0) {
      Paar[0] = Paar[1] = -1;
      return false;
    }
    auto* melder =
        new QSocketNotifier(Paar[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(melder, &QSocketNotifier::activated, melder, [] { Empfangen(); });
  }
  struct sigaction aktion {};
  aktion.sa_handler = Signalempfang;
  sigemptyset(&aktion.sa_mask);
  aktion.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP})
    if (sigaction(signal, &aktion, nullptr) != 0) return false;
  return true;
}

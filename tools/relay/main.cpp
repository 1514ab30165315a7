// gallowby-relay LISTEN_PORT TARGET_PORT [DELAY_MS JITTER_MS LOSS% DUPLICATE%]:
// a network between two machines on the loopback, as bad as asked. Datagrams
// from the first sender on LISTEN_PORT go to TARGET_PORT and the answers come
// back, each way delayed by DELAY_MS plus up to JITTER_MS (so they overtake
// each other), dropped and duplicated at the given rates (by default 0 + 20 ms,
// 5 % and 5 %). Runs until it is sent SIGTERM or SIGINT, then prints the
// bytes and datagrams that came in each way.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <queue>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Pending {
  Clock::time_point due;
  bool toTarget;
  std::vector<char> bytes;
  bool operator>(const Pending& other) const { return due > other.due; }
};

sockaddr_in Loopback(int port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<std::uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return a;
}

int Socket(int port) {
  const int s = socket(AF_INET, SOCK_DGRAM, 0);
  if (port > 0) {
    const sockaddr_in a = Loopback(port);
    if (bind(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0) std::exit(2);
  }
  return s;
}

volatile std::sig_atomic_t stopping = 0;

struct Way {
  long long bytes = 0, datagrams = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 7) {
    std::fprintf(stderr, "usage: gallowby-relay LISTEN TARGET [DELAY JITTER LOSS DUP]\n");
    return 2;
  }
  const int delay = argc == 7 ? std::atoi(argv[3]) : 0;
  const int jitter = argc == 7 ? std::atoi(argv[4]) : 20;
  const int loss = argc == 7 ? std::atoi(argv[5]) : 5;
  const int duplicate = argc == 7 ? std::atoi(argv[6]) : 5;
  std::signal(SIGTERM, [](int) { stopping = 1; });
  std::signal(SIGINT, [](int) { stopping = 1; });
  Way ways[2];
  const int front = Socket(std::atoi(argv[1]));  // the joining side talks to this one
  const int back = Socket(0);                    // and this one talks to the host
  const sockaddr_in target = Loopback(std::atoi(argv[2]));
  sockaddr_in joiner{};
  bool knowJoiner = false;
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> percent(0, 99), delayMs(delay, delay + jitter);
  std::priority_queue<Pending, std::vector<Pending>, std::greater<>> queue;
  std::vector<char> buffer(65536);
  while (!stopping) {
    int waitMs = 50;
    if (!queue.empty())
      waitMs = static_cast<int>(
          std::chrono::duration_cast<std::chrono::milliseconds>(queue.top().due - Clock::now())
              .count());
    pollfd fds[2] = {{front, POLLIN, 0}, {back, POLLIN, 0}};
    poll(fds, 2, waitMs < 0 ? 0 : waitMs);
    for (int i = 0; i < 2; ++i) {
      if (!(fds[i].revents & POLLIN)) continue;
      sockaddr_in from{};
      socklen_t size = sizeof from;
      const ssize_t n = recvfrom(fds[i].fd, buffer.data(), buffer.size(), 0,
                                 reinterpret_cast<sockaddr*>(&from), &size);
      if (n <= 0) continue;
      if (i == 0) {
        joiner = from;
        knowJoiner = true;
      }
      ways[i].bytes += n;
      ++ways[i].datagrams;
      if (percent(rng) < loss) continue;
      const int copies = percent(rng) < duplicate ? 2 : 1;
      for (int c = 0; c < copies; ++c)
        queue.push({Clock::now() + std::chrono::milliseconds(delayMs(rng)), i == 0,
                    std::vector<char>(buffer.begin(), buffer.begin() + n)});
    }
    while (!queue.empty() && queue.top().due <= Clock::now()) {
      const Pending& p = queue.top();
      if (p.toTarget)
        sendto(back, p.bytes.data(), p.bytes.size(), 0, reinterpret_cast<const sockaddr*>(&target),
               sizeof target);
      else if (knowJoiner)
        sendto(front, p.bytes.data(), p.bytes.size(), 0, reinterpret_cast<const sockaddr*>(&joiner),
               sizeof joiner);
      queue.pop();
    }
  }
  std::printf(
      "relay: joining side to host %lld bytes in %lld datagrams, host to joining side %lld bytes "
      "in %lld datagrams\n",
      ways[0].bytes, ways[0].datagrams, ways[1].bytes, ways[1].datagrams);
  return 0;
}

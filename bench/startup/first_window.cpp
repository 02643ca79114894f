// first_window PROGRAM [ARG...]: starts the program, polls the X server every 5 ms until a
// top-level window is viewable, waits until 2 s after the start and prints
// "<milliseconds to the first window> <resident kB at 2 s>", then ends the program. The X
// server should be a private one, where no other window shows.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

bool AnyWindowViewable(xcb_connection_t* x, xcb_window_t root) {
  ReplyPtr<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr));
  if (!tree) return false;
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  const int count = xcb_query_tree_children_length(tree.get());
  for (int i = 0; i < count; ++i) {
    ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[i]), nullptr));
    if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
        attributes->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT)
      return true;
  }
  return false;
}

long ResidentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: first_window PROGRAM [ARG...]\n");
    return 2;
  }
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "first_window: no X server\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    // The program's own messages would mix with the figures.
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  double shownMs = -1;
  while (Clock::now() - start < std::chrono::seconds(10)) {
    if (AnyWindowViewable(x, root)) {
      shownMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  std::this_thread::sleep_until(start + std::chrono::seconds(2));
  const long rss = ResidentKilobytes(child);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  xcb_disconnect(x);
  std::printf("%.1f %ld\n", shownMs, rss);
  return shownMs < 0 ? 1 : 0;
}

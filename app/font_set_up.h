// Fontconfig reads its configuration and every font cache the first time the program measures
// a text, several milliseconds that the table window would wait for before it could show. A
// FontSetUp reads them on another thread while the toolkit connects to the display; Wait
// returns once they are read, and the toolkit then finds them ready.
#pragma once

#include <thread>

namespace vorpo {

class FontSetUp {
 public:
  FontSetUp();
  ~FontSetUp() { Wait(); }
  FontSetUp(const FontSetUp&) = delete;
  FontSetUp& operator=(const FontSetUp&) = delete;

  void Wait() {
    if (reader_.joinable()) reader_.join();
  }

 private:
  std::thread reader_;
};

}  // namespace vorpo

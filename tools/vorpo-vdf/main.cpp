// vorpo-vdf: prints what a results file holds — the name it carries for its text, then the
// text itself — in UTF-8. The file stores both scrambled and in CP932, so it cannot be read
// as it is.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "cp932_text.h"
#include "results_format.h"
#include "vorpo_version.h"

namespace {

constexpr std::string_view kUsage =
    "usage: vorpo-vdf [--name | --body] FILE.vdf\n"
    "  prints the embedded file name on the first line, then the text;\n"
    "  --name prints only the name, --body only the text, byte for byte;\n"
    "  --version prints the version.\n";

int Fail(const std::string& message) {
  std::cerr << "vorpo-vdf: " << message << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string_view part;
  std::string file;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--name" || arg == "--body") {
      part = arg;
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--version") {
      std::cout << "vorpo-vdf " << vorpo::kVersion << "\n";
      return 0;
    } else if (file.empty() && !arg.starts_with("--")) {
      file = arg;
    } else {
      std::cerr << kUsage;
      return 2;
    }
  }
  if (file.empty()) {
    std::cerr << kUsage;
    return 2;
  }

  std::ifstream in(file, std::ios::binary);
  if (!in) return Fail("cannot open " + file);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return Fail("cannot read " + file);

  const auto content = vorpo::ReadResultsBytes(bytes);
  if (!content) return Fail(file + " is not a results file");
  const auto name = vorpo::text::Cp932ToUtf8(content->name);
  const auto body = vorpo::text::Cp932ToUtf8(content->body);
  if (!name || !body) return Fail(file + " holds text that is not CP932");

  if (part == "--name")
    std::cout << *name;
  else if (part == "--body")
    std::cout << *body;
  else
    std::cout << *name << "\n" << *body << "\n";
  return std::cout.flush() ? 0 : 1;
}

// kelvadrome-cli: the batch front end over the same core as the desktop program.
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
  if (argc < 2 || std::string_view(argv[1]) == "--help") {
    std::puts("Usage: kelvadrome-cli COMMAND ...");
    return argc < 2 ? 2 : 0;
  }
  std::fprintf(stderr, "kelvadrome-cli: unknown command '%s'\n", argv[1]);
  return 2;
}

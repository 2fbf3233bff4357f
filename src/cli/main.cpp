#include <cstdio>

int main() {
  std::fprintf(stderr, "usage: torvane-cli run SCHEME [--base FILE] [--group] [--stats] [--out FILE]\n"
                       "       torvane-cli setop and|or|a-b|b-a FILE_A FILE_B [--out FILE]\n");
  return 2;
}

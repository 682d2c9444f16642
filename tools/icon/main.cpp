// karvelon-icon FILE.png [SIZE]: writes the icon the window shows, SIZE
// pixels square (48 by default), for the desktop's menus.
#include <cstdio>
#include <cstdlib>

#include "qt/app_icon.h"

int main(int argc, char** argv) {
  const int size = argc == 3 ? std::atoi(argv[2]) : 48;
  if (argc < 2 || argc > 3 || size < 16 || size > 1024) {
    std::fprintf(stderr, "usage: karvelon-icon FILE.png [SIZE from 16 to 1024]\n");
    return 2;
  }
  return qtview::appIconImage(size).save(argv[1], "PNG") ? 0 : 1;
}

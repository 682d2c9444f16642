// karvelon-icon FILE.png: writes the icon the window shows, for the
// desktop's menus.
#include <cstdio>

#include "qt/app_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: karvelon-icon FILE.png\n");
    return 2;
  }
  return qtview::appIconImage().save(argv[1], "PNG") ? 0 : 1;
}

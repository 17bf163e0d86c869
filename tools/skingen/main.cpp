// skingen: draws the sample skin projects that ship in examples/.
//
//   skingen EXAMPLES_FOLDER
//
// The output depends on nothing but this program, so running it again reproduces the
// committed files. The curves go through the C library's sin and cos, so on another
// compiler an edge pixel here and there may come out differently.

#include <cstdio>

#include "Skins.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen EXAMPLES_FOLDER\n");
        return 2;
    }
    return skingen::WriteSampleSkins(argv[1]) ? 0 : 1;
}

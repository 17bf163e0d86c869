// Saves the project named on the command line over and over, alternating the skin name
// between the two given values, until it is killed.
#include <cstdio>

#include "SkinProject.h"

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    vantoro::CSkinProject project;
    if (!project.LoadProject(argv[1])) return 1;
    std::puts("loaded");
    std::fflush(stdout);
    for (unsigned i = 0;; ++i) {
        project.SkinInfo.SkinName = argv[2 + (i & 1)];
        if (!project.SaveProject()) return 1;
    }
}

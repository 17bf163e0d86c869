// clicompletion FILE: writes vantoro-cli's bash completion to FILE, from the same table of
// commands the program parses its arguments with.

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "BashCompletion.h"
#include "SkinFields.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: clicompletion FILE\n";
        return 2;
    }
    std::vector<std::string> keys;
    for (const vantoro::CSkinField& field : vantoro::CSkinFields::All())
        if (field.Kind == vantoro::CFieldKind::Bitmap)
            keys.push_back(std::string(vantoro::CSkinFields::Element(field.Element).Section) + "." +
                           field.Key);
    std::ofstream out(argv[1], std::ios::binary);
    vantoro::CBashCompletion::Write(keys, out);
    out.close();
    if (!out) {
        std::cerr << "clicompletion: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}

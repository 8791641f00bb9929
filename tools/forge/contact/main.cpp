// forge_contact <gamefolder>: writes <gamefolder>/contact_sheet.png showing every picture
// of <gamefolder>/data; missing or unreadable pictures never stop it.
#include "tools/forge/contact/ContactSheet.h"

#include <cstdio>

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <gamefolder>\n", argv[0]);
        return 2;
    }
    const std::string game = argv[1];
    const std::string data = game + "/data";
    const std::vector<std::string> pictures = contact::findPictures(data);
    if (!contact::writeContactSheet(data, pictures, game + "/contact_sheet.png")) {
        std::fprintf(stderr, "forge_contact: could not write %s/contact_sheet.png\n", game.c_str());
        return 1;
    }
    return 0;
}

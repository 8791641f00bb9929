// The sound forge's whole run: every effect and every tune, rendered on two worker
// threads and written under <gamefolder>/data/audio/.
#pragma once

#include <ostream>
#include <string>

namespace forge::sound {

bool forgeSounds(const std::string &gameFolder, const std::string &tunesFolder, std::ostream &log);

} // namespace forge::sound

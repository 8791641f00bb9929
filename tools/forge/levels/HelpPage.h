// The player's help page, data/help/english/index.html: one self-contained HTML file
// with the goal, the controls, every bonus with its capsule, scoring and saved files.
#pragma once
#include <string>

namespace forge {

std::string helpPageHtml(int levelCount);

} // namespace forge

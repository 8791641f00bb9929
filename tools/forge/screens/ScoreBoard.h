// The high-score board's flat ink colour: the font pictures are drawn opaque over the
// board, so their background and the board behind the text must be exactly this colour.
#pragma once

namespace screens {

constexpr unsigned kScoreBoardColour = 0x33200F;

} // namespace screens

// Writes the help page: one HTML file with its own style sheet. The capsule pictures
// are cut from the game's sprite collection with CSS, so the page shows exactly the
// capsules the player sees falling.
#include "tools/forge/levels/HelpPage.h"
#include "tools/forge/levels/BonusKinds.h"

#include <string>

namespace forge {

namespace {

constexpr const char *kSpriteSheet = "../../sprites/bigplanche.bmp";

const char *kStyle = R"(
body { margin: 0; font-family: "DejaVu Sans", Verdana, sans-serif; color: #3b2410;
  background: linear-gradient(#5ec8f2, #bfefff 260px, #f3d9a0 261px, #f3d9a0); }
header { padding: 28px 24px 20px; text-align: center; }
h1 { margin: 0; font-size: 46px; color: #fff4d6; letter-spacing: 2px;
  text-shadow: -2px -2px 0 #5a2e0e, 2px -2px 0 #5a2e0e, -2px 2px 0 #5a2e0e, 2px 2px 0 #5a2e0e, 4px 5px 4px rgba(0,0,0,.35); }
header p { margin: 8px 0 0; font-size: 18px; color: #0c4f78; }
nav { text-align: center; margin-bottom: 8px; }
nav a { display: inline-block; margin: 4px; padding: 6px 14px; border-radius: 16px; background: #fff4d6;
  color: #5a2e0e; text-decoration: none; font-weight: bold; box-shadow: 0 2px 0 #c9924e; }
main { max-width: 860px; margin: 0 auto; padding: 0 16px 40px; }
section { background: #fffaf0; border: 3px solid #c9924e; border-radius: 14px; margin: 18px 0; padding: 4px 22px 16px;
  box-shadow: 0 4px 0 #9c5e2a; }
h2 { color: #9c5e2a; border-bottom: 2px dashed #e2b23a; padding-bottom: 4px; }
table { border-collapse: collapse; width: 100%; }
td, th { padding: 7px 10px; border-bottom: 1px solid #f0dcb4; text-align: left; vertical-align: middle; }
th { color: #7a4e24; }
kbd { display: inline-block; min-width: 18px; padding: 2px 7px; border: 1px solid #9c5e2a; border-bottom-width: 3px;
  border-radius: 5px; background: #fff; font-family: inherit; font-size: 14px; text-align: center; }
.bonuses { display: grid; grid-template-columns: repeat(auto-fill, minmax(250px, 1fr)); gap: 12px; }
.bonus { display: flex; gap: 12px; align-items: center; padding: 10px; border-radius: 10px; }
.good { background: #fff1c9; } .bad { background: #dcecf7; }
.bonus h3 { margin: 0 0 3px; font-size: 16px; }
.bonus p { margin: 0; font-size: 13px; line-height: 1.35; }
.frame { flex: none; width: 72px; height: 42px; }
.capsule { width: 36px; height: 21px; border-radius: 9px; transform: scale(2); transform-origin: 0 0;
  image-rendering: pixelated; background-repeat: no-repeat; }
.token { width: 72px; height: 42px; border-radius: 21px; display: flex; align-items: center; justify-content: center;
  font-size: 24px; font-weight: bold; color: #fff; }
.ball { background: radial-gradient(circle at 35% 35%, #e8c79a, #8a5a2b 60%, #5e3717); }
.evil { background: radial-gradient(circle at 35% 35%, #c58ff0, #5b1f8a 60%, #2d0b47); }
.surprise { background: linear-gradient(135deg, #c8452d, #e2b23a, #3e9a4a, #2f6db5); }
.swatch { display: inline-block; width: 46px; height: 20px; border: 2px solid #5a2e0e; border-radius: 3px; vertical-align: middle; }
.plank { background: repeating-linear-gradient(0deg, #d49a55 0 4px, #b8763a 4px 6px); }
.crate { background: #c9924e; box-shadow: inset 0 0 0 4px #7a4e24; height: 40px; width: 40px; }
.iron { background: #b07a3e; box-shadow: inset 0 8px 0 -4px #555, inset 0 -8px 0 -4px #555; height: 40px; width: 40px; }
.metal { background: radial-gradient(#5a5a5a 20%, transparent 25%) 0 0 / 10px 10px, #9aa3ad; }
.stone { background: #8c8c88; box-shadow: inset -4px -4px 0 #6a6a66; }
.note { font-size: 14px; color: #7a4e24; }
footer { text-align: center; font-size: 13px; color: #7a4e24; padding-bottom: 30px; }
)";

std::string capsuleFrame(const BonusKind &b) {
    if (b.capsuleX >= 0)
        return "<div class=\"frame\"><div class=\"capsule\" style=\"background-image: url('" + std::string(kSpriteSheet) +
               "'); background-position: -" + std::to_string(b.capsuleX) + "px -" + std::to_string(b.capsuleY) +
               "px;\"></div></div>";
    const char *style = b.kind == 10 ? "ball" : b.kind == 14 ? "evil" : "surprise";
    const char *mark = b.kind == 10 ? "+1" : b.kind == 14 ? "!" : "?";
    return std::string("<div class=\"frame\"><div class=\"token ") + style + "\">" + mark + "</div></div>";
}

std::string bonusCards() {
    std::string html = "<div class=\"bonuses\">\n";
    for (const BonusKind &b : kBonusKinds)
        html += std::string("<div class=\"bonus ") + (b.good ? "good" : "bad") + "\">" + capsuleFrame(b) +
                "<div><h3>" + b.title + "</h3><p>" + b.text + "</p></div></div>\n";
    return html + "</div>\n";
}

const char *kControls = R"(
<section id="controls"><h2>Controls</h2>
<table>
<tr><th>Mouse</th><td>Move left and right to roll the monkeys along the beach. Click to drop the ball onto the plank,
and click to shoot when the monkeys carry the cork gun.</td></tr>
<tr><th><kbd>&larr;</kbd> <kbd>&rarr;</kbd></th><td>Nudge the pointer, and the monkeys with it, to the left or right.</td></tr>
<tr><th><kbd>Space</kbd></th><td>Drop the ball, or shoot with the cork gun. In the main menu it shows the high scores.</td></tr>
<tr><th><kbd>P</kbd></th><td>Pause. Press <kbd>P</kbd> again to play on.</td></tr>
<tr><th><kbd>Esc</kbd></th><td>End the game (a good score still earns its place in the high-score table).</td></tr>
<tr><th><kbd>&uarr;</kbd> + <kbd>F4</kbd></th><td>Skip the level you are on (you still get its time bonus).</td></tr>
<tr><th><kbd>H</kbd></th><td>On the options screen: show the high scores.</td></tr>
<tr><th><kbd>Ctrl</kbd> + <kbd>Q</kbd></th><td>Quit at once, from anywhere. Closing the window does the same.</td></tr>
<tr><th>Gamepad</th><td>Left and right on the first pad steer the monkeys; its first button shoots with the cork gun.</td></tr>
<tr><th>Your name</th><td>After a good game, type three letters and press <kbd>Return</kbd>
(<kbd>Backspace</kbd> takes a letter back).</td></tr>
</table>
<p class="note">When the game starts, a small window asks whether to play in full screen; tick or untick the box,
then press Play. The choice is remembered for next time.</p>
</section>
)";

const char *kBricks = R"(
<section id="bricks"><h2>Bricks</h2>
<table>
<tr><td><span class="swatch plank"></span></td><td><b>Planks and crates</b> crack a little more with every hit and
break after one to four hits. Every one of them must go before the level is done.</td></tr>
<tr><td><span class="swatch iron"></span></td><td><b>Iron-banded crates</b> are tough: a ball needs dozens of hits and
the bomb leaves them alone, but a single cork from the gun breaks them. Some guard a fort, some are only shields.</td></tr>
<tr><td><span class="swatch metal"></span></td><td><b>Metal</b> shrugs off corks and takes forever to wear down. You
never need to break it: play around it.</td></tr>
<tr><td><span class="swatch stone"></span></td><td><b>Stone</b> never breaks. There is always a way round it.</td></tr>
</table>
</section>
)";

const char *kScoring = R"(
<section id="scoring"><h2>Scoring</h2>
<table>
<tr><th>Broken brick</th><td>5 points</td></tr>
<tr><th>Caught fruit</th><td>100 points. Most broken bricks throw out a piece of fruit: catch it on the monkeys'
heads before it falls into the sand.</td></tr>
<tr><th>Time bonus</th><td>Every level starts with a bonus of 2 points per brick. It drops by one point about
every second; whatever is left is added to your score when the level is done. Be quick!</td></tr>
<tr><th>High scores</th><td>The nine best games are kept with three-letter names.</td></tr>
</table>
</section>
)";

const char *kFiles = R"(
<section id="files"><h2>Files the game keeps</h2>
<p>The game keeps four small files of its own. Installing or rebuilding the game never touches them; delete one to
start that part afresh.</p>
<table>
<tr><th>al.raw</th><td>The highest level you have reached: the level chooser in the main menu lets you start
anywhere up to it.</td></tr>
<tr><th>prefvol.raw</th><td>The music and sound-effect volumes from the options screen.</td></tr>
<tr><th>highscores.raw</th><td>The high-score table. <i>Reset scores</i> on the options screen clears it and the
level reached.</td></tr>
<tr><th>data/fullscreen.stt</th><td>Whether the game plays in a window or full screen.</td></tr>
</table>
<p class="note">The first three sit beside the game program; the last one in its data folder.</p>
</section>
)";

} // namespace

std::string helpPageHtml(int levelCount) {
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>ZumboRumble - How to play</title>\n<style>";
    html += kStyle;
    html += "</style>\n</head>\n<body>\n<header><h1>ZumboRumble</h1>"
            "<p>Two monkeys, one wheel, and a beach full of planks and crates.</p></header>\n"
            "<nav><a href=\"#goal\">Goal</a><a href=\"#controls\">Controls</a><a href=\"#bricks\">Bricks</a>"
            "<a href=\"#bonuses\">Bonuses</a><a href=\"#scoring\">Scoring</a><a href=\"#files\">Files</a></nav>\n"
            "<main>\n";
    html += "<section id=\"goal\"><h2>The goal</h2>\n"
            "<p>Roll the two monkeys along the beach on their wheel and bounce the ball off the plank they hold over "
            "their heads. Knock the ball into the wall of planks and crates until every wooden brick is broken: then "
            "the bamboo gates close and open again on the next level. There are " +
            std::to_string(levelCount) +
            " levels on six islands, each a little faster and trickier than the one before.</p>\n"
            "<p>You start with three lives. When the last ball in play drops past the monkeys, a life is lost and the "
            "ball comes back on the monkeys' heads; the bricks you broke stay broken. Where you hit the plank decides "
            "where the ball goes: the ends send it off at a steep angle, the middle sends it straight up. The ball "
            "gets a little faster with every hit.</p>\n</section>\n";
    html += kControls;
    html += kBricks;
    html += "<section id=\"bonuses\"><h2>Bonuses</h2>\n"
            "<p>Some bricks hold a bonus. When they break, a capsule falls: catch it with the monkeys to get its "
            "effect, and its name shows at the bottom of the screen. Warm colours are good news, cool ones are "
            "trouble - but sometimes trouble is worth it.</p>\n";
    html += bonusCards();
    html += "<p class=\"note\">Bat sizes, the gun and the bomb last until the level ends or a life is lost.</p>\n"
            "</section>\n";
    html += kScoring;
    html += kFiles;
    html += "</main>\n<footer>ZumboRumble - have fun on the islands!</footer>\n</body>\n</html>\n";
    return html;
}

} // namespace forge

// The bitmap-font high-score screen: viewing the table and entering a name.
#pragma once

bool LaunchHighscores(long score);

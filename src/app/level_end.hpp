#pragma once
// The end of a level and of the game on the game screen: the died panel a second after a death and
// the restart of the level with a life less, the freeze and the key delay once a level is finished,
// the next level after the level-complete panel, and the game-over screen after the last life or
// the pack's last level, with the name field when the score earns a hall-of-fame place.

namespace burrowix {

class World;

// Frame work after the dimming: death and game end, then the finished level's freeze and key delay.
void runDeathAndGameEnd();
void runLevelDone();

// The HUD has hidden after the goals were met: the level-complete panel starts and the level
// progress the win opened is saved.
void beginLevelComplete(World& w);

// End actions of the died and the level-complete panels.
void diedPanelRisen();
void levelCompletePanelRisen();

// Puts the level-start copy back over the live record, keeping the score and the hall of fame:
// lives and ammunition return to their values at the start of the level.
void restoreRecordFromLevelStart();

// The 0-based number of the pack's last level: the pack's level count, at most 30, less one.
int lastLevelOfPack();

} // namespace burrowix

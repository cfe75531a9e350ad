#pragma once
// Every program-wide object back to how the program starts, for tests that must not see what an
// earlier test left behind: the shell's, game screen's, screen flow's and level presentation's state,
// the records, the world, the effect handles, the pictures, the pack catalogue (its hooks and folder
// too), the own levels, the random numbers and the watching eyes. The display is left alone: tests that set one up
// release it themselves.

#include "app/headless_game.hpp"
#include "app/own_level_pack.hpp"
#include "app/pack_catalogue.hpp"
#include "audio/effect_handles.hpp"
#include "common/random.hpp"
#include "state/picture_tables.hpp"
#include "world/watching_eyes.hpp"

namespace burrowix::test {

inline void resetProgramState()
{
    resetGameState();
    theEffects.reset();
    thePictures.reset();
    theCatalogue.reset();
    theCatalogue.hooks = {};
    theCatalogue.folder.clear();
    ownLevelPack.reset();
    theRandom.reset();
    theEyeLids.reset();
}

} // namespace burrowix::test

#include "audio/effect_handles.hpp"

#include "app/app_state.hpp"

namespace burrowix {

EffectHandles theEffects;

void playEffect(int handle, int flags)
{
    if (!app.soundOn || !app.soundAvailable || handle < 0 || !theEffects.player)
        return;
    theEffects.player(handle, flags);
}

} // namespace burrowix

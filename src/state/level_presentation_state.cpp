#include "state/level_presentation_state.hpp"

namespace burrowix {

LevelPresentationState levelPresentation;

} // namespace burrowix

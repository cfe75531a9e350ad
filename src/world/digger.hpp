#pragma once
// The digger, Brannok: the player's creature. It is not a cell kind; it stands on an Empty cell and
// steps from cell to cell, gliding like cell content, digging earth, taking pick-ups and pushing
// stones, loose earth and bombs sideways. The view follows it with a margin.

#include <cstdint>

#include "platform/system/clock.hpp"
#include "world/direction.hpp"

namespace burrowix {

class Surface;
class World;

// The way the digger's pictures face: only left and right, kept while it steps up or down.
enum DiggerFacing : std::int32_t { FacingLeft = 0, FacingRight = 1 };

enum DiggerPose : std::int32_t { PoseWalking = 0, PoseDigging = 1, PoseIdle = 2, PosePushing = 3 };

class Digger {
public:
    std::int32_t x = 0, y = 0;             ///< the cell it stands on or glides into
    Direction direction = DirLeft;         ///< the way it steps, digs, pushes and fires
    std::int32_t facing = FacingLeft;      ///< the way its pictures face (DiggerFacing)
    bool moving = false;                   ///< it glides into its cell
    bool ready = false;                    ///< its last glide (or the view's scroll) ended: a held arrow steps on at once
    std::int32_t viewCol = 0, viewRow = 0; ///< its cell relative to the view's top-left cell
    std::int32_t speed = 5;                ///< glide pixels per frame: 5, 4 while pushing, 10 in super mode
    std::int32_t offsetX = 0, offsetY = 0; ///< pixels still to glide, at the world's cell size
    std::int32_t frame = 0;                ///< the walk, dig or push picture frame
    std::int32_t walkFrames = 6;           ///< frames of the walk cycle (the dig cycle follows them)
    std::int32_t digFrames = 8;            ///< frames of the dig cycle
    std::int32_t pushFrames = 5;           ///< frames of the push cycle
    std::int32_t weaponCooldown = 0;       ///< ticks between two fires, from the game speed
    Ticks lastWeaponTime = 0;              ///< when it last fired
    std::int32_t goldCollected = 0;        ///< nuggets taken in this level
    std::int32_t enemiesKilled = 0;        ///< enemies killed in this level
    bool dead = false;                     ///< killed: it no longer moves or glides
    std::int32_t pose = PoseWalking;       ///< the picture set it shows (DiggerPose)
    bool superMode = false;                ///< the bottle's invincibility: it blasts through what it enters
    std::int32_t turnCounter = 1;          ///< frames waited since a turn from rest; at 0 the step goes
    std::int32_t health = 5;               ///< hits left at the harder difficulties
    bool invulnerable = false;             ///< a hit's blink runs: it cannot be hurt again yet
    std::int32_t idleFrames = 4;           ///< frames of the idle animation
    std::int32_t idleDelay = 400;          ///< least ticks between two idle frames (a random part is added)
    Ticks idleTime = 0;                    ///< when the idle frame last moved on
    std::int32_t idleFrame = 0;            ///< the idle picture frame
    bool idleReverse = false;              ///< the idle animation runs backwards
    std::int32_t halfStep = -1;            ///< the glide's half-step marker: the frame moves on when it equals `direction`
    std::int32_t throwFrame = -1;          ///< the throwing picture's frame, -1 when not throwing
    Ticks lastInputTime = 0;               ///< when the player last pressed a key (the idle animation waits for it)
    bool digging = false;                  ///< its current step digs through earth
    bool blinkPhase = false; ///< the hit blink shows the blink sheet now (it toggles every 100 ms)
    Ticks blinkStart = 0;      ///< when the hit that started the blink happened
    Ticks blinkToggleTime = 0; ///< when the blink last toggled
    Ticks failedFireTime = 0;               ///< when the last fire that did nothing went off (earth, wall, no ammunition)
    Direction failedFireDirection = DirNone; ///< where that fire went: the screen shows a puff there for a moment

    Digger() = default;
    virtual ~Digger() = default;

    int cellIndex(const World& w) const;
};

// A digger at (sx, sy) with its start values, placed relative to the world's view.
Digger createDigger(const World& w, std::int32_t sx, std::int32_t sy);

// The classes of a target cell that are not its kind. Their codes lie outside the kind codes, so a
// class and a kind never meet by coincidence.
enum StepClass : std::int32_t {
    StepEarth = -1,    // earth, also past the grid's end
    StepBlocked = -2,  // walls, the codes that are never cells, codes that are no kind
    StepPushable = -3, // stone and loose earth
};

// Class of a target cell for the digger's step: a StepClass, otherwise the kind's own code.
std::int32_t classify(const World& w, std::int64_t index);

// The arrow keys held in a frame and the one pressed last.
struct Arrows {
    bool held[4] = {false, false, false, false}; ///< left, up, right, down
    Direction wanted = DirLeft;                  ///< the direction of the arrow pressed last

    bool any() const { return held[0] || held[1] || held[2] || held[3]; }
    bool isHeld(Direction d) const { return isDirection(d) && held[d]; }
};

// The step from the held arrow keys: steps 1 to 3 only while the game runs and the digger lives.
void diggerStep(World& w, Digger& d, bool runMoves, const Arrows& arrows);
// Starts one step in direction dir: moves the digger (or the view), clears or blasts the cell.
void beginMove(World& w, Digger& d, Direction dir);
// One frame of the digger's glide and the view's glide with the parallax background.
void diggerGlide(World& w, Digger& d);
// The digger is hurt: a blink at the harder difficulties while health lasts, else death.
void hitDigger(World& w, Digger& d);
// The hit blink of the game frame: its phase toggles every 100 ms, and 500 ms after the hit the
// digger can be hurt again.
void updateHitBlink(Digger& d, bool frozen);
// The idle animation's step (the pose itself is set by the game frame).
void diggerIdleStep(Digger& d, bool frozen);
// The digger's steps before its picture: super mode ends after its time, the idle animation and the
// walk, dig and push cycles move on.
void diggerPictureStep(const World& w, Digger& d, Ticks now, bool frozen);
// Draws the digger as it stands; changes nothing.
void drawDigger(const World& w, const Digger& d, Surface* target);

// Ticks of super mode and of the hit blink.
inline constexpr std::int32_t kSuperModeTime = 3000;
inline constexpr std::int32_t kBlinkTime = 500;
inline constexpr std::int32_t kBlinkToggle = 100;

} // namespace burrowix

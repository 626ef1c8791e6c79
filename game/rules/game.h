// The state of the one game a run plays, and the effects the rules ask of the platform.
#pragma once

#include <cstdint>

namespace crv {

constexpr int columnCount = 10;
constexpr int rowCount = 18;
constexpr int cellCount = columnCount * rowCount;
constexpr int colorCount = 6;
constexpr int keyCount = 100;
/// The unit of every clock of the rules: frameTime and every speed count sixtieths of a second.
constexpr float sixtiethsPerSecond = 60.0f;
/// removalProgress runs from 0 to this; the marked cells go once it is beyond.
constexpr float removalLength = 3.0f;

/// The phase of the game; one bit each, so the drawing can test several with one mask.
enum GameState : std::int32_t {
    Playing = 1,
    Removing = 2,
    GameOver = 4,
    Quitting = 8,
    ConfirmQuit = 16,
    Closed = 32,
    Paused = 64,
};

/// Virtual-key codes the rules react to; the shell maps its keys onto them.
enum VirtualKey : int {
    KeyEscape = 27,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyF = 70,
    KeyN = 78,
    KeyP = 80,
    KeyS = 83,
    KeyY = 89,
};

/// 10 x 18 cells stored column after column, row 0 at the top.
/// 0 empty, 1..6 a colour, -1..-6 a cell of that colour marked for removal.
struct Playfield {
    std::int32_t cells[cellCount];

    std::int32_t& at(int column, int row) { return cells[column * rowCount + row]; }
    std::int32_t at(int column, int row) const { return cells[column * rowCount + row]; }
};

/// The 2x2 piece in play; only its colours turn, never its shape.
struct FallingPiece {
    std::int32_t column;
    std::int32_t row;
    std::int32_t colors[4]; // top-left, top-right, bottom-left, bottom-right
    float fallProgress;
    float slideProgress;
    float turnProgress;
    std::int32_t slidingLeft;
    std::int32_t slidingRight;
    std::int32_t turning;
    std::int32_t inPlay;
    std::int32_t lastColumn;
    std::int32_t lastRow;
};

/// The sample generator of the C standard: 32768 values and the same sequence on every machine.
struct RandomGenerator {
    std::uint32_t next = 1;
};

/// The game's sound cues; the shell plays each from its file (soundCueFiles, in this order).
enum SoundCue : int {
    MoveCue,     // a move one column aside, or a turn
    FallCue,     // a row step of the falling piece
    GameOverCue, // a new piece cannot enter
    WhooshCue,   // a removal step begins
    soundCueCount,
};

/// What the rules need of the platform. The shell implements it; tests replace it to observe.
class GameEffects {
  public:
    virtual ~GameEffects() = default;
    /// True while the key with this virtual-key code is held down right now.
    virtual bool isKeyHeld(int virtualKey) = 0;
    /// Starts the cue at once without waiting; a new cue cuts off one still playing.
    virtual void playSound(SoundCue cue) = 0;
    /// Destroys the game window, which hands the game back to the front end.
    virtual void destroyWindow() = 0;
};

/// Everything the rules own. All zero at program start, as the game program's statics are.
struct Game {
    Playfield playfield{};
    FallingPiece fallingPiece{};
    std::int32_t nextPiece[4]{};
    float score = 0.0f;
    float bestScore = 0.0f;
    float scoreMultiplier = 0.0f;
    float swingAmplitude[3]{}; // degrees about z, y and x
    std::int32_t gameState = 0;
    std::int32_t savedState = 0;
    float removalProgress = 0.0f;
    std::int32_t whooshPending = 0;
    float gameOverTime = 0.0f;
    std::int32_t keyDown[keyCount]{};
    std::int32_t visited[cellCount]{};
    std::int32_t showFps = 0;
    std::int32_t soundOn = 0;
    /// Duration of the last loop turn in sixtieths of a second; written by the loop only.
    float frameTime = 0.0f;
    RandomGenerator random{};
    /// Null in a headless run that wants no effects at all.
    GameEffects* effects = nullptr;
};

/// Plays the cue when sound is on; otherwise does nothing.
void playSoundCue(Game& game, SoundCue cue);

/// Starts the game: empty grid, no swing, Playing, no latched keys. Touches nothing else.
void resetGame(Game& game);

} // namespace crv

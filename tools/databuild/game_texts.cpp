// The English text table. Texts whose use is known are written out; the numbered series
// (world titles, hints, level names, awards, unlocks, tips) are generated from their parts;
// every other number holds a short text that names itself, until its screen gives it words.
#include "tools/databuild/game_texts.h"

#include <iterator>
#include <string>
#include <utility>

namespace databuild {

namespace {

constexpr int kTextCount = 762;  // 0 .. 761, the tip heading

struct Text {
  int id;
  const char* text;
};

constexpr Text kTexts[] = {
    {6, "Yes"},
    {7, "No"},
    {28, "Play with sound?"},
    {29, "Paused"},
    {38, "Tap to continue"},
    {34, "Sound on"},
    {35, "Sound off"},
    {39, "Quit Plimora?"},
    {41, "Leave this world and go back to the worlds?"},
    {43, "Plimora, version 1.0"},
    {60, "New game"},
    {62, "Extras"},
    {64, "Options"},
    {65, "How to play"},
    {66, "About"},
    {67, "Quit"},
    {68, "Worlds"},
    {69, "Main menu"},
    {70, "Challenge"},
    {71, "Extra levels"},
    {72, "Characters"},
    {74, "Level select"},
    {78, "Game modes"},
    {182, "Erase progress"},
    {183, "Music: on"},  // each setting's entry shows its state; choosing it changes it
    {184, "Music: off"},
    {185, "Effects: on"},
    {186, "Effects: off"},
    {187, "Vibration: on"},
    {188, "Vibration: off"},
    {191, "Level stories: off"},
    {192, "Level stories: on"},
    {201, "Erase all your progress? This cannot be undone."},
    {202, "Your progress has been erased."},
    {206, "Secret found! Every hidden award is yours."},
    {207, "Menu"},
    {209, "Play"},
    {210, "Resume"},
    {211, "Restart level"},
    {212, "Quit to the main menu?"},
    {213, "Restart this level?"},
    {214, "Try this level again?"},
    {215, "Unlocked!"},
    {216, "Level cleared!"},
    {217, "Level lost"},
    {218, "Good!"},
    {219, "Great!"},
    {220, "Superb!"},
    {221, "Amazing!"},
    {223, "Bonus!"},
    {224, "Main menu"},
    {225, "Leave level"},
    {226, "Leave this level?"},
    {227, "Here comes the next wave!"},
    {228, "Statistics"},
    {291,
     "Plimora\n\nA bubble-shooting game.\n\nAim, shoot and pop groups of three or more "
     "bubbles of one colour. Bubbles that no longer hang on fall away.\n\nVersion %s0"},
    {293, "Level"},
    {294, "Boss level"},
    {425, "Aim by touching the screen where you want the bubble to go."},
    {426, "Let go to shoot."},
    {427, "Match three or more bubbles of one colour to pop them."},
    {428, "Bubbles that no longer hang on drop away for extra points."},
    {429, "Bounce your shots off the walls to reach tricky spots."},
    {485, "Award earned!"},
    // The ending scene's dialogue, phases 0, 2 and 3.
    {615, "The last bunch is gone. The sky is clear again."},
    {616, "We did it! Every world is free of the bubbles."},
    {617, "Look, the bubbles are floating away."},
    {618, "Where will they go now?"},
    {619, "Somewhere far away, where they can swing in peace."},
    {620, "Then our work here is done."},
    {621, "Not quite. Someone has to keep an eye on the meadow."},
    {622, "Let us celebrate first!"},
    {623, "Hooray!"},
    {624, "Thank you for playing with us."},
    {625, "See you again soon!"},
    {632, "Pip"},
    {633, "Tally"},
    {634, "Bram"},
    {635, "Nora"},
    {636, "Awards"},
    {626, "Welcome to Plimora!"},
    {627, "The bubbles are swinging. Can you clear them all?"},
    {628, "Aim with your finger and let go to shoot."},
    {629, "Pop three of a colour, and watch the rest fall."},
    {630, "Good luck!"},
    {687, "Every award of the set is yours!"},
    {688, "The Meadow is behind you: a new world awaits!"},
    {689, "Unlockables"},
    {720, "Level results"},
    {721, "Bubbles popped"},
    {722, "Bubbles dropped"},
    {723, "Matches"},
    {724, "Biggest match"},
    {726, "Time"},
    {727, "No new rating"},
    {729, "Score"},
    {730, "Total score"},
    {731, "Final score"},
    {732, "Results"},
    {733, "Bonuses"},
    {734, "Bursts"},
    {735, "Walker results"},
    {736, "Walkers entered"},
    {737, "Walkers hit"},
    {738, "Walkers hit, percent"},
    {739, "Hit bonus"},
    {740, "Time limit"},
    {741, "Well played"},
    {742, "Time played"},
    {743, "Stage reached"},
    {744, "Time bonus"},
    {761, "Tip"},
};

// The main worlds' titles (193..200); text 201 after them is the erase-progress question.
const char* const kWorldNames[] = {"Meadow",  "Lagoon",  "Forest",     "Desert",
                                   "Glacier", "Volcano", "Sky Castle", "Star Field"};

const char* const kHints[kGameHintCount][2] = {
    {"Aiming", "Touch where the bubble should go, then let go to shoot."},
    {"Matching", "Three or more bubbles of one colour touching each other pop."},
    {"Dropping", "Bubbles cut off from the bunch fall away for extra points."},
    {"Walls", "A shot bounces off the side walls."},
    {"Swinging", "Bunches swing when hit: watch where they will be."},
    {"Next bubble", "The bubble after this one is shown beside the launcher."},
    {"Specials", "Special bubbles do more than pop: try them and see."},
    {"Items", "Items you unlock help in the harder levels."},
};

const char* const kAwards[] = {
    "First Pop",      "Sharp Shooter", "Chain Maker",   "Big Drop",      "Wall Bouncer",
    "Quick Hands",    "Steady Aim",    "Combo Star",    "No Miss",       "Speed Runner",
    "Collector",      "Explorer",      "Boss Beater",   "Perfectionist", "Night Owl",
    "Meadow Master",  "Lagoon Master", "Forest Master", "Desert Master", "Glacier Master",
    "Volcano Master", "Castle Master", "Star Master",   "Secret Keeper", "Bubble Legend"};

const char* const kTips[] = {
    "Shots that bounce off a wall can reach behind a bunch.",
    "Dropping many bubbles at once scores more than popping them.",
    "Aim at the top of a bunch to make it swing away.",
    "Keep an eye on the next bubble and plan two shots ahead.",
    "Clearing a level quickly earns a time bonus.",
    "Bosses have a weak spot: find it.",
    "Special bubbles can clear a whole row.",
    "Unlocked items can be used in any level.",
    "A level can be played again to improve its rating.",
    "Tap and hold to see where a shot will go.",
    "Bunches get heavier as you add bubbles to them.",
    "Popping a big group at once fills the combo bar.",
    "Walkers give extra points when hit.",
    "Some levels hide a secret: look around the map.",
    "Take a break now and then: the bubbles will wait.",
};

// Said before a level (narrator or a speaker), after a won level, after a lost one.
const char* const kLevelLines[] = {
    "A new bunch swings into view.",
    "Line up your shot before you let go.",
    "These bubbles look easy. Are they?",
    "Watch the bunch: it sways when you hit it.",
    "Three of a colour, and they are gone.",
    "Clear the bunch to finish the level.",
    "Take your time. A good shot beats a fast one.",
    "The wall is your friend: bounce a shot off it.",
    "Only a few bubbles here. Finish them!",
    "Plan two shots ahead.",
    "Keep an eye on the next bubble.",
    "Every colour you clear makes the next shot easier.",
    "A quiet spot. Enjoy it while it lasts.",
    "The wind picks up. The bunch will swing more.",
    "Shoot for the middle to move the whole bunch.",
    "Nice and steady now.",
    "This one is trickier than it looks.",
    "The bubbles here stick close together.",
    "Pop the bubbles above and the ones below will drop.",
    "Look for the bubble that holds up the rest.",
    "Well done! The bunch is gone.",
    "That was quick work.",
    "On to the next one!",
    "Neatly cleared.",
    "The bubbles won this time. Try again?",
    "So close! One more go.",
    "Aim a little slower next time.",
    "Do not give up: you nearly had it.",
};
static_assert(std::size(kLevelLines) == kLevelIntroLines + kLevelWonLines + kLevelLostLines);

constexpr int kFirstWorldTitle = 193;  // 193 + world
constexpr int kFirstLevelName = 304;   // 304 + level position
constexpr int kLevelNames = 121;       // up to text 424
constexpr int kFirstAward = 637;       // 637 + award
constexpr int kFirstUnlock = 690;      // 690 + unlock item, 15 of them
constexpr int kUnlocks = 15;
constexpr int kFirstTip = 746;  // 746 .. 760

void Put(std::vector<std::string>& texts, int id, std::string text) {
  texts[id] = std::move(text);
}

}  // namespace

std::vector<std::string> GameTexts() {
  std::vector<std::string> texts(kTextCount);
  for (int id = 0; id < kTextCount; id++) texts[id] = "Text " + std::to_string(id);
  for (int n = 1; n <= kGameHintCount; n++) {
    Put(texts, kHintTextBase + 2 * n, kHints[n - 1][0]);
    Put(texts, kHintTextBase + 2 * n + 1, kHints[n - 1][1]);
  }
  for (size_t w = 0; w < std::size(kWorldNames); w++) {
    Put(texts, kFirstWorldTitle + static_cast<int>(w), kWorldNames[w]);
  }
  for (int k = 0; k < kLevelNames; k++) {
    Put(texts, kFirstLevelName + k, "Stage " + std::to_string(k + 1));
  }
  for (size_t a = 0; a < std::size(kAwards); a++) {
    Put(texts, kFirstAward + static_cast<int>(a), kAwards[a]);
  }
  for (int u = 0; u < kUnlocks; u++) {
    Put(texts, kFirstUnlock + u, "New item unlocked: item " + std::to_string(u + 1) + "!");
  }
  for (size_t k = 0; k < std::size(kLevelLines); k++) {
    Put(texts, kFirstLevelLineText + static_cast<int>(k), kLevelLines[k]);
  }
  for (size_t t = 0; t < std::size(kTips); t++) {
    Put(texts, kFirstTip + static_cast<int>(t), kTips[t]);
  }
  for (const Text& text : kTexts) Put(texts, text.id, text.text);
  return texts;
}

}  // namespace databuild

// The shape every menu state shares: enter opens its menu and fades in, update acts on a popup
// answer or on the chosen entry and runs the fade, paint draws the background and the menu,
// exit remembers the selection. Each state gives a MenuScreen of its own parts.
#pragma once

#include <cstdint>

namespace menu_states {

// Game keys and touch actions the menu states read.
constexpr int32_t kFire = 5;
constexpr int32_t kTouchSelect = 11;
constexpr int32_t kLeftSoft = 18;
constexpr int32_t kRightSoft = 19;
constexpr int32_t kDigitOne = 7;
constexpr int32_t kSelectSound = 14;
constexpr int32_t kBackSound = 13;
constexpr int32_t kLoadingState = 4;
constexpr int32_t kEntryMask = 0x0FFFFFFF;
constexpr int32_t kBackSoftLabel = 2;
constexpr int32_t kNoList = -1;

enum class Background { kNone, kFrozen, kBackPlayer };

struct MenuScreen {
  int32_t list = kNoList;  // kNoList: the open list stays (the after-level screen)
  int32_t layout = 1;
  Background background = Background::kNone;
  bool fadeIn = true;
  int32_t music = -1;  // a sound id, -1 none
  void (*enter)() = nullptr;
  void (*select)(int32_t entry) = nullptr;
  void (*back)() = nullptr;
  void (*key)(int32_t key) = nullptr;  // every action read, before select and back
  void (*answer)(int32_t popup, bool yes) = nullptr;
  void (*update)() = nullptr;  // after the menu's own update, before the action
  void (*paint)() = nullptr;
  void (*exit)() = nullptr;
  int32_t remembered = kNoList;  // the list whose selection exit remembers (the menu's own)
};

// Runs message for the screen.
void Run(const MenuScreen& screen, int32_t message);

// Requests: a state after the fade-out; a load (kind), then `after`, optionally chained.
void GoTo(int32_t state);
void Load(int32_t kind, int32_t after, int32_t chainedKind = -1, int32_t chainedState = -1);
// A yes/no popup on the fade (default no).
void Ask(int32_t textId);
// The selection remembered for list.
void Remember(int32_t list, int32_t selection);
void PlayMusic(int32_t id);
// Message 4, after an interruption: the sound stopped and the music started again.
void RestartMusic(int32_t music);
// The options entries that show each setting's change from its current value.
void ShowSettings();
// The three settings the options change: true when the entry was one of them.
bool ChangeSetting(int32_t entry, int32_t music);
// The yes/no answers to the quit question: yes saves the settings and ends the game loop.
void Quit(bool yes);
// The current world's music id (its table entry + 4).
int32_t WorldMusic();

}  // namespace menu_states

// cGame's members of the levels: level data, rules, events, the popup and the HUD. Included inside
// cGame's class body by game/cgame.h (no include guard); the types named here are declared in
// game/level/cgame_statics.h. One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Popup (game/level/popup.cpp) ----
  // The open popup's update, once a frame in place of the state's.
  static void updatePopup();
  // The popup's full paint, its per-frame paint and its soft keys, and the touch overlay.
  static void paintPopup();
  static void paintPopupBody();
  static void paintPopupSoftKeys();
  static void paintTouchOverlay();

  // ---- Dialogue popup (game/level/popup_dialogue.cpp) ----
  // A line of text textId in the font of sprite slot font: kind 2 at y 320 without a speaker
  // (speaker < 0), else at y 560 kind 3 with the speaker's portrait playing or kind 4; choice
  // 4. The text is wrapped to the canvas width - 40 and measured.
  static void openPopupDialog(int32_t textId, int32_t font, int32_t speaker, bool portrait);
  // The portrait animation of speaker 0..5.
  static int32_t speakerPortraitAnim(int32_t speaker);
  // Kinds 2 to 4, once a frame: fire or the left soft key closes; on kinds 3 and 4 the right
  // soft key or a tap on the skip square closes with choice 3; the portrait plays; the fade
  // runs.
  static void updateDialoguePopup();

  // ---- Scene services (game/level/scene_services.cpp) ----
  // The scrolling text 40 px a second up; once all of it is above the screen it starts again
  // from below.
  static void updateTextScroll();
  // Actor layers 4 then 1, clipped to the 480 x 800 screen; into the back buffer with
  // toBackBuffer.
  static void paintOverlayLayers(bool toBackBuffer);
  // Every actor of sceneActors released, and the array forgotten.
  static void releaseActorArray();
  // The six background actors released and their arrays forgotten.
  static void releaseEffectArray();
  // Once a frame: each background actor waits, starts a random flight across the upper
  // screen, flies it, and hides at its end (a new flight starts the next frame).
  static void updateBackgroundActors();

  // ---- Event queue (game/level/event_queue.cpp) ----
  static constexpr int32_t kEventQueueLength = 40;
  // Appends the code, flags included: not when the queue is full (dropped), its id is 0, or
  // an entry of its id is queued and the code lacks 0x100.
  static void postEvent(int32_t code);
  // The actor routines' name for postEvent: one rule, one function.
  static void queueEvent(int32_t code) { postEvent(code); }
  // The index of the first live event whose low byte is code's, or -1.
  static int32_t findEvent(int32_t code);
  // Removes live event i, the later ones moving down; any other i changes nothing.
  static void removeEvent(int32_t i);
  static bool isEventQueued(int32_t code);
  // 1 when an entry of code's id is queued, its first one removed unless that entry carries
  // 0x200; else 0.
  static int32_t consumeEvent(int32_t code);
  // The first k < n (and within list) whose id is queued, that one entry consumed as
  // consumeEvent does; -1 when none.
  static int32_t consumeFirstEvent(ShortArray* list, int32_t n);

  // ---- Level helpers (game/level/level_utilities.cpp) ----
  // Adds points to score and returns true, unless the level is over and not won, or, without
  // force, the play phase is not 9 (playing).
  static bool addScore(int32_t points, bool force);
  // The points a better result earns: -1 when it is no better; result 2: half of timeBonus
  // after a result 1, else all of it; result 1: half; 0 otherwise.
  static int32_t getResultBonus(int32_t newResult, int32_t oldResult);
  // The index in the current stage's row (stageRowsB with flag, else stageRowsA) that v falls
  // below, or that equals v, searched from the middle; 0 at either end.
  static int32_t findBracketIndex(bool flag, int32_t v);
  // The level's counters, its score and its end at 0; the two level actors released.
  static void resetLevelStats();
  // Each of the popup's firework emitters killed and its slot emptied.
  static void stopPopupFireworks();
  // Every trigger condition set, no edge seen, the rules in their own order.
  static void resetTriggerBookkeeping();
  // The same operation under the name that the board and the level rules give it.
  static constexpr void (*resetTriggerState)() = &resetTriggerBookkeeping;
  // Level type 3 only: the held object forgotten, or held with the launcher's x and a value.
  static void clearHeldObject();
  static void holdObject(Object* object, int32_t value);
  // The HUD: the first meter shows animation 0; the second its stored pose; the first fires
  // (animation 1); the banner is on its way.
  static bool isMeterIdle();
  static bool isMeter2AtPose();
  static bool isMeterFiring();
  static bool isBannerMoving();
  // The four HUD players' sprites, when they have none, and their place.
  static void initHudAnimPositions();

  // ---- Level data (game/level/level_data.cpp) ----
  // Entry `entry` of the level pack of world packIndex (named by worldTexts[packIndex]) into
  // levelData, the cursor at 0, stage 0 of 1, then readLevelHeader; levelBodyStart is where the
  // header ends. A pack or entry that cannot be read gives an empty level, traced.
  static void loadLevelData(int32_t entry, int32_t packIndex);

  // ---- Level file header (game/level/level_header.cpp) ----
  // Reads the header at dataCursor into the level statics and the six-entry dialogue tables
  // and leaves the cursor after it. Dialogue counts below 0 read as 0, above 6 as 6 with the
  // surplus entries skipped; a parameter count other than 13 or a clipped count is traced. A
  // header that runs past the end of level is refused with a trace line: every value zero,
  // the cursor at the end of level.
  static void readLevelHeader(ByteArray* level);
  // Every value of the header zero, as for a level that holds none.
  static void clearLevelHeader();
  // The cursor to levelBodyStart, then, for level type 0, readLevelObjectRecords.
  static void readLevelObjects();
  // Allocates the header's tables: levelParams int[13], the two weight tables byte[22], and
  // the six-entry tables of the three dialogue lists.
  static void initLevelHeaderTables();

  // ---- Level objects (game/level/level_objects.cpp) ----
  // Walks the type-0 bunch layout at the cursor for the bunch types the level uses. Standing
  // in until the level format's readers land: reads nothing and leaves the cursor.
  static void readLevelObjectRecords(ByteArray* level);

  // ---- Level services the loader calls (game/shell/pending_loader_seams.cpp) ----
  // Do nothing until their subsystem lands; the loader calls them.
  static void paintFramedBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t style);
  static int32_t pickRandomVariant();  // 0 until then
  static void releaseSlotActors();
  static void releaseFlyerActors();
  static void releaseWalkerActors();
  static void releaseObjectList();
  static void releaseGoalActors();
  static void releaseHudActors();
  static void releaseShotPreview();
  static void resetSlotActors();

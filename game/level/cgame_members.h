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
  // The cursor to levelBodyStart and the body not refused, then, for level type 0,
  // readLevelObjectRecords.
  static void readLevelObjects();
  // Allocates the header's tables: levelParams int[13], the two weight tables byte[22], and
  // the six-entry tables of the three dialogue lists.
  static void initLevelHeaderTables();

  // ---- Level-type sections (game/level/level_sections.cpp) ----
  // Each reader takes its section at dataCursor and leaves the cursor after it. A count that
  // is negative, passes the bytes left or the table it fills, or a value used as an index
  // outside what it indexes, stops the level's body there (stopLevelBody): what was read
  // stays, the sections after it read as empty.
  // The templates of types 5, 6, 7: s8 count (7 at most), per template i32 cells (20 at
  // most) of s8 column, s8 row, s8 kind (0..43), i32 flags; the kind mask and its bit count.
  static void readBoardTables(ByteArray* level);
  // Type 4: path points (pixels), paths of steps (point index, ms; 127 steps at most), the
  // walker slots (all idle), the goal count (the HUD told) and the object parameters.
  static void readLevelType4(ByteArray* level);
  // Type 5: the belt rows (one per template at most; 16.16 y from thousandths of 800), goal
  // count, speed, spacing and delay range; beltX laid 30 px off the side the belt comes from.
  static void readLevelType5(ByteArray* level);
  // Type 6: the drops (template index, ms, x, value x 4 / 3), the penalty, the goal count;
  // dropHealth 100, cursor and clock 0.
  static void readLevelType6(ByteArray* level);
  // Type 7: interval, first row time, speed and the rows' templates; the goal is the rows.
  static void readLevelType7(ByteArray* level);
  // Walks the type-0 layout at the cursor without building anything and sets the entries of
  // levelSpriteFlags that the bunch types need (1, 6, 9, 11 -> 0; 2 -> 1, 2; 3 -> 3; 7 -> 4,
  // 5; 5 -> 6). Stops where the layout is malformed.
  static void readLevelObjectRecords(ByteArray* level);
  // Refuses the rest of the level's body: one trace line naming the level, the section, the
  // offset and the problem; levelBodyFailed set, the cursor at the end of levelData.
  static void stopLevelBody(const char* section, int32_t offset, const char* problem);
  // True (having stopped the body) when count is below 0, above capacity, or its records of
  // recordBytes each pass the bytes left; offset is where the count was read.
  static bool refuseLevelCount(const char* section, int32_t offset, int32_t count,
                               int32_t capacity, int32_t recordBytes);
  // True (having stopped the body) when the section's reads ran past the end of the data.
  static bool refuseCutSection(const char* section);

  // ---- Trigger rules (game/level/trigger_rules.cpp) ----
  // Stores a rule at triggerCount; nothing once 50 rules exist.
  static void addTrigger(int32_t event, int32_t flags, int32_t mustSet, int32_t mustClear,
                         int32_t mustRise, int32_t mustFall);
  // Removes the rule at position k of triggerOrder, swapping the last one in; k outside the
  // live rules changes nothing.
  static void removeTrigger(int32_t k);
  // The condition word from the play state, its periodic timers and its edges.
  static void computeTriggerConditions();
  // The rule section at the cursor: i32 count (50 at most), seven i32 a rule; a rule's
  // repeat adds it that many times until 50 exist. Then one computation of the conditions.
  static void readLevelTriggers(ByteArray* level);
  // Once a frame: posts the event of every rule whose masks hold, the conditions computed
  // again after each; one-shot rules go.
  static void updateTriggers();

  // ---- HUD (game/level/pending_hud.cpp) ----
  // The goal counter shows n (stand-in until the HUD lands).
  static void setGoalCounterText(int32_t n);

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

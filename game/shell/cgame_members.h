// cGame's members of the shell: its start-up values, the states and their dispatcher, input,
// the frame loop and saved progress. Included inside cGame's class body by game/cgame.h (no
// include guard); the types named here are declared in game/shell/cgame_statics.h. One banner
// per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Static initialisation (game/shell/static_init.cpp) ----
  // The shell's start-up values (the canvas size first, which later initialisers derive sizes
  // from), the work arrays at their capacities, the menu lists and the world tables, and the
  // 8.8 library's constants.
  static void clinitTables();

  // ---- Canvas and game thread (game/shell/game_thread.cpp) ----
  static constexpr int32_t kCanvasWidth = 480;  // the logical canvas, in pixels
  static constexpr int32_t kCanvasHeight = 800;
  // Only while runState < 0: the canvas size, the key arrays, the shared random generator, then
  // runState 0 and the game thread (with the calling thread's priority). A thread that cannot
  // start ends the application.
  static void startUp();
  // Creates sharedRandom once, then seeds it as java_util_Random::setSeed does; randomSeed,
  // the game generator's state, takes the seed's low 32 bits.
  static void setRandomSeed(int64_t seed);
  // The resume step, only when paused: the time bases restart from now, the canvas is made
  // current again, a full repaint is asked for (painted at once unless a frame is being
  // painted) and every key state is cleared.
  static void resume();
  // When not paused: paused, and every sound channel stopped.
  static void pause();

  // ---- Frame loop (game/shell/frame_loop.cpp) ----
  // One frame on g: keys latched, the frame time, drawFrame; nothing while paused or when a
  // frame is already being painted. An exception that escapes drawFrame ends the game after
  // this frame; a throwable that is no exception is left pending.
  static void paintFrame(javax_microedition_lcdui_Graphics* g);
  // The frame's body: the size check, updateFrame (an exception it lets through is printed and
  // dropped), then the control bar.
  static void drawFrame();
  // A pending state change, the popup path or the state's update and paint, the counters, and
  // the pointer latch.
  static void updateFrame();
  // The black band under the 480 x 640 play area and its buttons, in states 17 and 31 or while
  // controlBarShown is set.
  static void drawControlBar();

  // ---- State machine (game/shell/state_machine.cpp) ----
  // The messages of a state handler.
  static constexpr int32_t kStateEnter = 0;
  static constexpr int32_t kStateUpdate = 1;
  static constexpr int32_t kStatePaint = 2;
  static constexpr int32_t kStateExit = 3;
  static constexpr int32_t kStateCount = 32;  // states 1..32
  // Sends message to the handler of currentState; a state without one runs nothing. An
  // exception the handler lets through is printed and dropped.
  static void dispatchState(int32_t message);
  // State 1 with its enter pending, nothing asked, the counters at 0.
  static void resetStateMachine();
  // Asks for state s from the start of the next frame; a later request in the same frame
  // replaces it.
  static void setState(int32_t s);

  // ---- Keys (game/shell/key_input.cpp) ----
  static constexpr int32_t kGameKeyCount = 20;
  static constexpr int32_t kKeyHeldMost = 126;  // a held key's count stops here
  static constexpr int32_t kLeftSoftKey = 18;
  static constexpr int32_t kRightSoftKey = 19;
  static constexpr int32_t kNoTouchAction = 257;
  // The two tables of device key codes to game keys, 11 buckets each.
  static void createKeyTables();
  // Creates the tables and fills them.
  static void initKeyMap();
  // The game key of a device key code; 0 for any code in neither table.
  static int32_t mapKeyCode(int32_t code);
  // Once a frame: keysLatched takes keysLive, which then moves on (held counts grow, releases
  // are forgotten, soft keys turn to released after one frame).
  static void latchKeys();
  static bool isKeyDown(int32_t k);         // held this frame (state > 0)
  static bool isKeyJustPressed(int32_t k);  // went down since the last latch (state 1)
  // The pending touch action (marked taken), else the lowest game key that went down this
  // frame, else -1.
  static int32_t getKeyPressed();
  // The same for a game key released this frame.
  static int32_t getKeyReleased();
  // Every key state of both arrays 0.
  static void clearKeyStates();
  // Drops both key arrays, then a collection; input that comes later is ignored.
  static void releaseKeyArrays();

  // ---- Pointer (game/shell/pointer_input.cpp) ----
  static constexpr int32_t kDragDistance = 6;     // pixels from the press that start a drag
  static constexpr int32_t kListItemReach = 120;  // pixels left or right of a list item
  static constexpr int32_t kTouchSelect = 11;     // the game key a touched list item sends
  // Once a frame, at its end: a release ends the press, the release becomes this frame's tap,
  // and a touch action that was read is cleared.
  static void latchPointer();
  // Each inclusive on all four edges: the press, the tap, the current position in the
  // rectangle (x, y, w, h).
  static bool isTapPressedInRect(int32_t x, int32_t y, int32_t w, int32_t h);
  static bool isTapReleasedInRect(int32_t x, int32_t y, int32_t w, int32_t h);
  static bool isPointerInRect(int32_t x, int32_t y, int32_t w, int32_t h);
  static bool isTapReleasedOnScreen();   // a tap with 0 <= y <= 800
  static bool isTapReleasedAboveLine();  // a tap with 1 <= y < dangerLineY + 20
  // The row whose top..bottom holds y (binary search over the rows both arrays hold), or -1.
  static int32_t findListRowAt(int32_t x, int32_t y, IntArray* tops, IntArray* bottoms);
  // The row under the current position; it becomes menuSelection when the position lies within
  // kListItemReach of the row's item.
  static int32_t touchHighlightListItem();
  // The row under the tap; within reach of its item it sends kTouchSelect.
  static int32_t touchSelectListItem();

  // ---- Boot states (game/shell/boot_states.cpp) ----
  // State 1: the 8.8 tables from the data pack, then the sprite and image tables and the boot
  // values (made even when the data pack fails, which is traced); state 2 on its update.
  static void stateBoot(int32_t message);
  // State 2: the logo on white while the boot load runs once, on the third update; state 3
  // once both the load and 4000 ms are behind it.
  static void stateBootLoading(int32_t message);
  // The boot load: the title background into imageTable and the back buffer, the text table,
  // the fonts, the interface sprites with their players, the popup's player. A part that fails
  // is traced with its pack and entry and the rest goes on.
  static void bootLoad();

  // ---- Sound question and title (game/shell/title_states.cpp) ----
  // State 3: the yes/no popup over the title background; its answer sets music, effects and
  // the sound option, and load kind 0 follows into the title.
  static void stateSoundQuestion(int32_t message);
  // State 5: the title with its blinking prompt, music when it is on; fire or a tap leads to
  // the main menu. Message 4 stops the sound and applies the music rule again.
  static void stateTitle(int32_t message);
  // The tap of this frame lies inside the screen less the touch margins.
  static bool isInsideMargins();

  // ---- Loading state (game/shell/loading_state.cpp) ----
  // State 4: one step of the load job a frame under a progress bar, a tip or a level hint; a
  // finished job enters its follow-up state (the main menu, traced, when that has no handler
  // or names a chain without a kind), or its chained job behind the same screen.
  static void stateLoading(int32_t message);
  // The steps of a load kind, 0 for a kind outside 0..25.
  static int32_t loadingStepCount(int32_t kind);
  // A job of loadKind from step 0; a job that does not continue a chain starts the progress
  // bar (over the chained job's steps too) and a new tip or hint.
  static void beginLoading();
  // Runs step loadStep, counts it and moves on; kinds 2 and 3 run at the 640-pixel height.
  static void loadStep();
  // Done once every step has run (a job of no steps after its first): a collection, a short
  // sleep, loadDone.
  static bool finishLoading();

  // ---- Load steps (game/shell/loader_steps.cpp, game/shell/loader_level_steps.cpp) ----
  // Step `step` of load kind `kind`; a step a kind does not list only counts. A failing
  // operation is traced with the kind and the step, and the rest of the step runs.
  static void runLoadStep(int32_t kind, int32_t step);
  // Kinds 2 (the level) and 3 (its restart); kinds 11 (the end sequence's sprites), 15 (leaving
  // a level) and 22 (what the end sequence leaves).
  static void runLevelLoadStep(int32_t kind, int32_t step);
  static void runLevelReleaseStep(int32_t kind, int32_t step);
  // The play field's side walls from the HUD sprite, the boss, the event queue emptied, the
  // level's rules, counters and actors made, the banner released; play phase 0.
  static void loadLevelItems();
  // Slots 15 to 17 emptied and loaded again from the chosen sprite set (spriteSetOption), when
  // the set loaded is another one.
  static void reloadOptionSprites();

  // ---- Loader sprites (game/shell/loader_resources.cpp) ----
  // Entry of the open pack with the palette mask; cache 0 builds no Images. flag is unused.
  static ASprite* loadSpriteShort(int32_t entry, int32_t palette, int32_t cache, int32_t flag);
  // The same, building Images (with a set) only for the frames of the animations in list.
  static ASprite* loadSpriteWithPaletteShort(int32_t entry, int32_t palette, int32_t a, int32_t b,
                                             IntArray* list);

  // ---- Loader tables (game/shell/loader_tables.cpp) ----
  // Each reads its pack's entry whole and keeps the records that lie inside it (traced when a
  // count is off). 130: the hint records; 136: per world its value, music and final music at
  // each record's index (an index off the records skipped); 207: the boss records (and no boss
  // yet); 234 entry 0: the lighting records and the int[4] records.
  static void loadByteTriples130();
  static void loadIndexedByteTriples136();
  static void loadByteTriples207();
  static void loadPack234();
  // Section n of pack 234's entry 1 as the character lines; nothing for n off the sections.
  // Clears the record lookupQuadRecord found.
  static void loadPack235(int32_t n);
  // The shown world's level list from entry 1 of the open pack.
  static void loadWorldLevelList();
  // Value trees e1 and e2 of pack name (null for a negative entry).
  static void loadTwoObjects(String* name, int32_t e1, int32_t e2);
  // The boss kind and the lighting variant of a level; -1 when the table has none.
  static int32_t lookupPairValue(int32_t world, int32_t level);
  static int32_t lookupTripleValue(int32_t world, int32_t level);
  // Until one is found: the first int[4] record {a, b, c, d} sets quadFound, quadValueC = c and
  // quadValueD = d.
  static void lookupQuadRecord(int32_t a, int32_t b);

  // ---- Later initialiser steps (game/shell/static_layout.cpp) ----
  // Each sets one group of start-up values, in the order of the class initialisers: two option
  // tables; the colour table; four values from the canvas width; the edge layout and the scale
  // multiples; the panel rectangle; three option pairs; the boolean constants and the other
  // option tables; three further values; the text statics; unlockFlagCount from menu list 11;
  // three values from the canvas height.
  static void clinitSmallTables();
  static void clinitColours();
  static void clinitDerivedValues();
  static void clinitLayout();
  static void clinitPanelRect();
  static void clinitOptionPairs();
  static void clinitFlags();
  static void clinitFurtherValues();
  static void clinitStringTables();
  static void clinitLoadedTableValues();
  static void clinitLayoutValues();
  // Element i of levelsPerWorld; element i of worldTexts as the number of its string constant.
  static int32_t getStatic12(int32_t i);
  static int32_t getStatic16(int32_t i);

  // ---- Shell utilities (game/shell/shell_utilities.cpp) ----
  // softKeyRight = right, softKeyLeft = left, softKeysFlag = (flag != 0).
  static void setSoftKeys(int32_t right, int32_t left, int32_t flag);
  // Entry i of the byte-array string table as a String; string constant 46 outside it.
  static String* getTableString(int32_t i);
  // The largest hint value up to the current world and level; 0 when none.
  static int32_t maxValueUpToCurrentLevel();
  static void drawBackBuffer(javax_microedition_lcdui_Graphics* g);
  static void clearBackBuffer(int32_t colour);
  // solidPalette: 256 entries of colour (allocated once).
  static void makeSolidPalette(int32_t colour);
  static bool isLevelTypeNot2();
  static int32_t distanceSquared(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  static int32_t clamp(int32_t v, int32_t lo, int32_t hi);

  // ---- Timed transitions (game/shell/transitions.cpp) ----
  // The 200 ms fade: a pending action starts a fade-out; once the screen is fully out the
  // action runs (only with apply) and is cleared; the popup's actions fade in again. True when
  // a fade ended in this call.
  static bool updateTransition(bool apply);
  // The same over 1000 ms for the menu framework: starting hides the soft keys and turns the
  // spin toward its next half turn; a fade-in that ends sets the screen's default soft keys.
  static bool updateTransitionMenu(bool apply);
  static bool isFadeIdle();

  // ---- Loader requests (game/shell/loader_requests.cpp) ----
  // Asks for the load back to the main menu: load kind 22 through the loading state, then
  // load kind 1 into state 6.
  static void returnToMenu();
  // What the loader clears before a load; nothing of ours needs it.
  static void clearSprite0Field();

  // ---- Text templates and numbers (game/shell/text_templates.cpp) ----
  // The template with each percent sign, the character after it and a digit N replaced by
  // args[N] ("" past the arguments); a template without a percent sign comes back as it is.
  static String* formatString(String* format, ObjectArray* args);
  // Text n of the text table.
  static String* getText(int32_t n);
  // From a at t = 0 to b at duration, in 8.8 steps; b once t reaches duration (or for a
  // duration of 0).
  static int32_t lerpFixed(int32_t a, int32_t b, int32_t t, int32_t duration);
  // base plus amplitude times the cosine (the sine) of an angle in degrees, rounded.
  static int32_t addCosineOffset(int32_t base, int32_t amplitude, int32_t degrees);
  static int32_t addSineOffset(int32_t base, int32_t amplitude, int32_t degrees);
  // True one time in n (always for n 0 or 1), from the shared random generator.
  static bool randomChance(int32_t n);

  // ---- Sound track (game/shell/sound_track.cpp) ----
  // Plays sound id (0..37) loops times on the one Player: nothing while a sound of priority
  // plays and this one has none, or while this one plays already; otherwise the current one
  // stops first. A sound without data plays nothing (traced).
  static void playSound(int32_t id, int32_t loops);
  static void playSfx(int32_t id);    // once, when sound effects are on
  static void playMusic(int32_t id);  // once, when music is on
  static void playLevelMusic();
  // Stops and closes the Player and forgets it; an exception of the stop is dropped.
  static void stopSound();
  static void stopSoundA();
  static void stopSoundB();
  // Frees the sound slots of levels and worlds (4..11, 15..31).
  static void freeSounds();
  // A collection, then 100 ms of sleep.
  static void gcAndWait();

  // ---- Record-store layer (game/shell/record_store_layer.cpp) ----
  // Opens (creating) the store called name into openStore; an exception is left pending.
  static void rmsOpen(String* name);
  // Writes openStore's index (so a store opened for the first time is left on disk, empty),
  // then forgets it; a failure is traced with the store and dropped.
  static void rmsClose();
  // Record 1 of the store called name; null when it has none. A record-store exception is
  // traced with the store's name and its text and gives null with rmsLoadFailed set; any
  // other exception stays pending.
  static ByteArray* rmsLoad(String* name);
  // data[offset, offset + length) as record 1 of the store called name: added to an empty
  // store, replacing record 1 otherwise. A failure (any java_lang_Exception) is traced with
  // the store's name and leaves the old record as the store kept it.
  static void rmsSave(String* name, ByteArray* data, int32_t offset, int32_t length);
  // rmsSave of the whole array.
  static void rmsSaveBytes(String* name, ByteArray* data);
  // rmsLoad.
  static ByteArray* rmsLoadRecord(String* name);
  // rmsLoad into loadedRecord, and a stream over the whole record; null when there is none.
  static java_io_InputStream* rmsOpenInputStream(String* name);

  // ---- Saved progress and settings (game/shell/saved_progress.cpp) ----
  // The progress tables as the 264-byte record 1 of the progress store, then saveSettings.
  // While progressUnreadable is set only the settings are saved.
  static void saveProgress();
  // Reads record 1 of the progress store into the tables (the indexes clamped into their
  // ranges, one trace line), then loadSettings. No store, no record, a record shorter than 264
  // bytes or one that cannot be read leaves the tables as they are; a longer record is read
  // from its first 264 bytes.
  static void loadProgress();
  // levelIntroTextsEnabled as the one-byte record 1 of the settings store (1 on, 0 off).
  static void saveSettings();
  // The setting from record 1 of the settings store: on only for a byte of 1. No record, or
  // an empty one, keeps the setting.
  static void loadSettings();

  // ---- Level progression (game/shell/level_progression.cpp) ----
  // Allocates the progress tables (unlockFlagCount unlock flags), then resetProgressTables.
  static void initProgressTables();
  // Every table and flag of the progress to its value before the first play; saves nothing.
  static void resetProgressTables();
  // After a won level: lastCompletedLevel, the levels it links to when it was never won
  // before (previousRating below 0), the next world after the open world's last level, then
  // saveProgress. Off the tables: a trace line and nothing else.
  static void onLevelCompleted(int32_t level, int32_t world);
  // Percent of the 104 main-world levels won, truncated.
  static int32_t getCompletionPercent();
  // worldsUnlocked, or 8 once the last level of world 7 is won with 7 open.
  static int32_t getWorldsUnlocked();
  static int32_t countUnlockedAwards();
  static int32_t countUnlockedItems();
  // The won levels of the extra sets (worlds 8 to 10).
  static int32_t countExtraLevelsDone();
  // Items: n below 0 is no item; n at or above the flag count is traced. Unlocked = flag 1.
  static bool isItemUnlocked(int32_t n);
  static void unlockItem(int32_t n);
  // Every main-world level, and with withExtra every extra level, has a result of at least
  // value.
  static bool allLevelsAtLeast(int32_t value, bool withExtra);
  // The award flag of the i-th id of the award list (0..5); false, traced, off the list or
  // for an id off the 25 awards.
  static bool getListedAwardFlag(int32_t i);
  static bool isInAwardIdList(int32_t id);
  // Earns every award of the award list.
  static void unlockListedAwards();
  // True once: the first time level 12 of world 0 is the current level (world0Level12Seen).
  static bool tryWorld0Level12Flag();
  // The current level becomes level 0 of world 11.
  static void selectWorld11();
  // The current level from the menu selection i (0..29): level i mod 10 of world 8 + i / 10.
  static void selectExtraLevel();


// cGame's members of the levels: level data, rules, events, the popup and the HUD. Included inside
// cGame's class body by game/cgame.h (no include guard); the types named here are declared in
// game/level/cgame_statics.h. One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Popup (game/level/popup.cpp) ----
  // Kind 0, a plain text at y in the font of sprite slot font; kind 1, the yes/no question
  // text centred, font 3, with choice (1 the first button) and flag (a cancel soft key).
  // Both wrap the text to the box width - 40, measure it and ask for a full redraw.
  static void openPopupText(int32_t textId, int32_t font, int32_t y);
  static void openPopupChoice(int32_t textId, int32_t choice, int32_t flag);
  // openPopupText (textId, font 3, y 320).
  static void openPopupLine(int32_t textId);
  // Every opener's start: the fireworks of the popup before stopped, the kind and text id
  // set, the trace line "popup K T".
  static void beginPopup(int32_t kind, int32_t textId);
  // The text of textId wrapped with popupFont to the box width - 40 and measured; a font
  // outside the sprite table, or not loaded, leaves it unwrapped with no height.
  static void setPopupText(int32_t textId);
  // text wrapped with popupFont to the box width - 40 and measured (ASprite_textHeight is
  // its height); nullptr without the font or the text.
  static String* wrapPopupText(String* text);
  // The popup's animation player on sprite slot 32 and its five empty firework slots.
  static void createPopupPlayer();
  // The open popup's update, once a frame in place of the state's: taps as touch actions,
  // kind 1's choice, the portrait, the timed kinds' clock, the closing keys, then the 200 ms
  // transition.
  static void updatePopup();
  // Closing: the closing transition asked for, the popup's layer cleared, its fireworks
  // stopped, popupAnswered set.
  static void closePopup();

  // ---- Popup notices (game/level/popup_notices.cpp) ----
  // Kind 5: the story box at y 320 with texts textId and text2Id in font, the portrait of the
  // level's reward item (slot 30; none for an item the sprite lacks).
  static void openPopupPortrait(int32_t textId, int32_t text2Id, int32_t font);
  // Kind 6: text 485, a line break and award n's name (text 637 + n), for 2000 ms.
  static void openPopupAward(int32_t n);
  // Kind 7: text textId, for 4000 ms.
  static void openPopupCelebration(int32_t textId);
  // Kinds 6 and 7 once a frame: the clock runs down, a firework goes up every 400 ms of the
  // last 2000, the particles move, and the popup closes once the clock is below 0.
  static void updateTimedPopup();

  // ---- HUD meters (game/level/hud_meters.cpp) ----
  // The actor's events dropped, anim started from frame 0 in mode, then nextAnim in nextMode
  // once it ends (unless nextAnim is -1); re-sorted in its layer. loop has no effect.
  static void restartActorAnim(cActor* actor, int32_t anim, int32_t mode, int32_t loop,
                               int32_t nextAnim, int32_t nextMode);
  // The throw: sound 18, meterActor's animation 1 posting event 25 at its frame 1 (posted at
  // once without a meterActor), meterActor2's 9, meterActor3's 1.
  static void startHudMeters();
  // Once a frame while the level is not over: the first meter's lockout animation (4), the
  // second's cheer (17..19 by popStreak) or groan (13..15 by missStreak, none while bubbles
  // hang below the band) when a shot landed, its pose (12 in danger, 11 up to 6000 ms after a
  // shot, else 10) once the animation under way ends, and all four at their HUD places.
  static void updateHudMeters();

  // ---- Info panel (game/level/info_panel.cpp) ----
  // The level-end screen's panel once a frame: soft keys hidden, its players stepped; after
  // infoPanelTimer the results' bubbles revealed one at a time over 2000 ms. Key 11 (or a tap)
  // while any is still hidden shows them all and drops them; true on key 11 once all show.
  static bool updateInfoPanel();

  // ---- Removing bubbles (game/level/bubble_removal.cpp) ----
  // Pool entry index leaves play: colour 12 posts 24, its slot and level object are told,
  // its links are cleared and it swaps with the last bubble in play, then resets.
  static void removeBubble(int32_t index);
  // Every bubble in play flagged dead removed, in one walk of the active list.
  static void removeFlaggedBubbles();

  // ---- Popup painting (game/level/popup_paint.cpp) ----
  // The full paint of the open popup by kind (box, texts, buttons, prompt); its per-frame
  // paint (frame, portrait, fireworks), both clipped to the opening width; its soft keys.
  static void paintPopup();
  static void paintPopupBody();
  static void paintPopupSoftKeys();

  // ---- Framed boxes and the type-7 track (game/level/framed_box.cpp) ----
  // A frame of any size from slot 12: four long edges, each cut to length by a clip, then the
  // four corners; style 1 takes the second set of bottom pieces. The caller's clip stays.
  static void paintFramedBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t style);
  // The box grown by 20 px across and 16 px down, over a fill of 0x77000000 (opaque black).
  static void paintDimmedFramedBox(int32_t x, int32_t y, int32_t w, int32_t h);
  // In level type 7: the visible rows of bunch templates on the track, newest first.
  static void paintLevelType7Track();

  // ---- Popup texts (game/level/popup_text.cpp) ----
  // Text with a font of the sprite table: its palette when 0 <= palette < its palette count,
  // then the text on drawGraphics. A font outside the table, or not loaded, draws nothing.
  static void drawFontString(int32_t font, int32_t palette, String* text, int32_t x, int32_t y,
                             int32_t anchor);
  static void drawFontStringAnchored(int32_t x, int32_t y, String* text, int32_t font,
                                     int32_t anchorA, int32_t anchorB, int32_t palette);
  static void drawFontChars(int32_t font, int32_t palette, CharArray* chars, int32_t x,
                            int32_t y, int32_t anchor);
  // A String of the characters drawn with the font at (x, y) by the anchor.
  static void drawChars(ASprite* font, javax_microedition_lcdui_Graphics* g, CharArray* chars,
                        int32_t x, int32_t y, int32_t anchor);
  // A text page with the font at (x, y) by the anchor with opacity percent (0..100 as alpha
  // 0..255), through the scaling effect set for the call only.
  static void paintFrameFaded(ASprite* font, javax_microedition_lcdui_Graphics* g, String* text,
                              int32_t x, int32_t y, int32_t anchor, int32_t percent);

  // ---- Touch overlay (game/level/touch_overlay.cpp) ----
  // The soft-key buttons in the bottom corners, their hit tests against the pointer, and in
  // state 9 the map's arrows; nothing without the soft-key font or the shared player.
  static void paintTouchOverlay();
  // A key other than 257 becomes touchAction and touchSoftKey is reset; with 257 touchAction
  // is 257, and once the player's animation is over it is reset and both idle flags are set.
  static void setSoftKeyPressed(MQLibPlayer* player, int32_t key);

  // ---- Dialogue popup (game/level/popup_dialogue.cpp) ----
  // A line of text textId in the font of sprite slot font: kind 2 at y 320 without a speaker
  // (speaker < 0 or above 5), else at y 560 kind 3 with the speaker's portrait playing or
  // kind 4; choice 4. The text is wrapped to the canvas width - 40 and measured.
  static void openPopupDialog(int32_t textId, int32_t font, int32_t speaker, bool portrait);
  // The portrait animation of speaker 0..5 by the chosen character (speaker 3: the current
  // world); -1 for any other speaker.
  static int32_t speakerPortraitAnim(int32_t speaker);

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
  // Each of the popup's firework emitters killed and freed, and its slot emptied.
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

  // ---- HUD (game/level/hud.cpp) ----
  // The HUD of the loaded level: the label or stage number, the frame and the clock, and by
  // level type the goal box and its icon or the three boss health icons; the old one first.
  static void createHudActors();
  // Every HUD actor released (the icon entries emptied), hudStageText := null.
  static void releaseHudActors();
  // The reserved goal slots emptied: their actors released, counter and values 0.
  static void releaseGoalActors();
  // The clock at the danger line, blinking in danger; its text from the level time (the
  // countdown's rest, never below 0); hudScore := score.
  static void updateHudTimer();
  // Label, clock, score and the goal text or progress bar, each centred in its rectangle of
  // frame 1 of slot 56, in the HUD font (slot 3).
  static void paintHud();
  // n icons shown, counted from the right.
  static void setBossHealthIcons(int32_t n);
  static void setBossHealthIconsAnim(bool hit);
  // Slot 30's banner of the level's item, rising from the bottom to y or falling from y.
  static void startSlidingBanner(int32_t x, int32_t y, bool fromBottom);
  static void updateSlidingBanner();
  static void releaseBannerActor();
  // On event 31 (consumed unless kept), the streak's label halfway between the landing and
  // the last pop: text 217 + the streak's tier in comboThresholds.
  static void showScoreLabel();
  static void setHudMeterAnims(bool won);
  // The four meters released and their counters 0.
  static void releaseHudMeterActors();
  // mm:ss into out (5 chars at least, minutes wrapping at 100); formatTime the same as a
  // String, minutes not wrapped, kept in timeText.
  static void formatTimeChars(int32_t seconds, CharArray* out);
  static String* formatTime(int32_t seconds);
  // hudGoalText := reached + "/" + total.
  static void setGoalCounterText(int32_t remaining);
  // hudStageText := the stage number from 1.
  static void setStageNumberText(int32_t stage);
  // levelLabel := "w-l" in the main worlds, 1..30 through the extra worlds; unchanged past them.
  static void buildLevelLabel();

  // ---- Level objects not built yet (game/level/pending_level_objects.cpp) ----
  // Stand-ins until the level objects land: each does nothing.
  static void destroyLevelObject(int32_t object);
  static void hitLevelObject(int32_t object);
  // Logged in BoardSeamCalls until the level objects land: the neighbour side the creature of
  // special slot `slot` hops to next (false: none found), its hop, and the belt's passing
  // flyer at y towards the right when exitRight.
  static bool countFreeNeighbours(int32_t slot, int32_t skip);
  static void setTargetHit(int32_t slot);
  static void startFlyer(int32_t y, bool exitRight);

  // ---- Level counters (game/level/counters.cpp) ----
  // A bunch burst: in level types 5, 6 and 7 the goal counts down while the level is not over
  // (event 50 when it reaches 0) and the HUD's goal text is refreshed. The bunch is not read.
  static void countDownGoal(int32_t b);
  // A bubble popped: in level type 2 while the level is not over, counted for the stage (when
  // the level placed it) and for the level; the level's 1000th earns award 3.
  static void countSpecialBubble(Bubble* bubble);

  // ---- Awards in play (game/level/awards.cpp) ----
  // Award n's flag is set (or n names no award, or there are no flags).
  static bool isAwardEarned(int32_t n);
  // Award n, when not yet earned: its flag set, the trace line "award n", its notice open.
  static void earnAward(int32_t n);
  // freed bubbles let go at once by a burst or a drop: 15 or more earn award 5.
  static void checkComboAward(int32_t freed);
  // A carrier hit: counted, and exactly the 12th earns award 14 (none in level type 2).
  static void checkChainAward();
  // 5 points for each earned award of the award list (0..30).
  static int32_t awardBonusPoints();

  // ---- The next bubble (game/level/next_bubble.cpp) ----
  // A colour of boardColourMask, one draw among its set bits; with an empty mask any of the
  // seven colours.
  static int32_t randomSetBit();
  // randomSetBit, drawn once more when one of the first nBunches bunches is a type-7 bunch
  // whose lock shows that colour.
  static int32_t randomColorNotBunch7(int32_t nBunches);
  // The kind the launcher gets next: a special by the rising chance, a colour the level
  // objects want, the commonest colour (type 6), the shot sequence, or a board colour.
  static int32_t chooseNextBubbleColor();
  // The next kind becomes current and a new next is chosen; the launcher refills (state 3,
  // swapTimer 250 ms) from the next bubble's place.
  static void advanceBubbleQueue();
  // The launcher's actor released and forgotten.
  static void releaseShotPreview();
  // Level type 2: stage s (kept within the level's stages) with its chances; the per-stage
  // counters start again.
  static void selectStage(int32_t stage);
  // The loading screen's variant: an entry of variantOrder drawn from the shared generator
  // over the worlds unlocked.
  static int32_t pickRandomVariant();

  // ---- Aim guide (game/level/aim_guide.cpp) ----
  // Once a frame after the launcher: the guide's mode by events 42 and 43, then the ten dots
  // along the shot's path from the muzzle, mirrored off the walls, hidden from the first one
  // that meets a bubble, a handle or the top limit (and all of them while the guide is off).
  static void updateShooterHud();
  // In a lesson level with its quad record found: the sector between the record's two angles,
  // 100 px from the muzzle (76 px above the launcher), filled in 0x90fefe78.
  static void paintLightBeams();

  // ---- Level services the loader calls (game/shell/pending_loader_seams.cpp) ----
  // Do nothing until their subsystem lands; the loader calls them.
  static void releaseSlotActors();
  static void releaseFlyerActors();
  static void releaseWalkerActors();
  static void releaseObjectList();
  static void resetSlotActors();

  // ---- Slot row of level type 2 (game/level/slot_row.cpp) ----
  // Draws waveSlots anew from the game generator: runs of three left to right, runs of two on
  // free columns (wrapping 10 to 0), single colours in the columns left.
  static void randomizeSlotRow();

  // ---- Looping track of level type 8 (game/level/track.cpp) ----
  // Once a frame in level type 8: the scroll moves by the frame's step (kept in trackStep)
  // and wraps either way, the chain is laid out again, and with no bunch holding bubbles
  // (types 5 and 7 aside) the level is won (event 50) unless it is over.
  static void updateLevelType8();
  // Lays the chain's bunches along the track from trackScroll, a third of a cell apart; the
  // walk ends at the first emptied entry behind a placed one, whose gap closes once the entry
  // after it has caught up. Nothing without segments.
  static void layoutTrackBunches();
  // Marks bubble visited (depth, the next flood order) and counts it with every live bubble
  // of colour kind, not indestructible, closer than 49 px (squared distance below 2402) to a
  // bubble of the flood.
  static int32_t floodMarkBunch(Bubble* bubble, int32_t depth, int32_t kind);

  // ---- Boss routines (game/level/boss_routines.cpp) ----
  // From bossColumn towards bossFacing (+1 or -1, else false) within the profile's limits: the
  // first five equal, free, non-gap half columns. Found: jumpColumn (start + 3 facing right,
  // start - 2 facing left) and bossGround its profile value.
  static bool findFlatColumnRun();
  // The surface bunch one hex row up with its bubbles in place; bossGround, bossColumn,
  // jumpColumn and jumpToY follow, rowParityShift toggles and the profile is rebuilt.
  static void shiftColumnProfile();
  // The ring boss enters state (0 idle, 1 recovering, 1000 hit, 1001 defeated, 1002 level
  // lost): its look and end event, the health and icons at a hit, the weak points re-armed
  // at recovery. Nothing when the state is unchanged.
  static void setBossStateKind3(int32_t state);
  // Every shot step of a ring-boss level: an armed weak point the shot meets pushes out and
  // the shot falls away; else the feeder it meets turns back and brings no more.
  static void bossKind3WeakPointHit(Bubble* bubble);

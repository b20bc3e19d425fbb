// cGame's members of the bubble board: bubbles, the grid, the shooter, the bunches and the actors.
// Included inside cGame's class body by game/cgame.h (no include guard); the types named here are
// declared in game/board/cgame_statics.h. One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Spawning actors (game/board/actor_spawn.cpp) ----
  // Each takes the first free actor of the pool and links it into `layer` (none when
  // negative); null, with a trace line and nothing changed, when all 300 are in use.
  // A sprite actor (state 100) playing anim of sprite in `mode` at depth z, with its end event.
  static cActor* spawnActor(ASprite* sprite, int32_t palette, int32_t x, int32_t y, int32_t anim,
                            int32_t z, int32_t mode, int32_t layer, int32_t event);
  static cActor* spawnActorNoExtra(ASprite* sprite, int32_t palette, int32_t x, int32_t y,
                                   int32_t anim, int32_t z, int32_t mode, int32_t layer);
  // A width x height rectangle from colourA to colourB by fillGradientRect's mode.
  static cActor* spawnGradientBox(int32_t x, int32_t y, int32_t width, int32_t height,
                                  int32_t colourA, int32_t colourB, int32_t mode, int32_t z,
                                  int32_t layer);
  // Text textId centred at (x, y), kept off the side walls; it blinks, rises and goes.
  static cActor* spawnFloatingText(int32_t textId, int32_t x, int32_t y, int32_t layer);
  // An actor that owns a particle emitter started from definition `kind`; null when no
  // emitter is free.
  static cActor* spawnEmitterActor(int32_t kind, int32_t palette, int32_t x, int32_t y, int32_t z,
                                   int32_t layer);
  // A path search's marker of bubble's cell in layer 6 (value first in its key), reached from
  // owner: the lower value wins and a tie keeps the older marker; null when the new one loses.
  static cActor* spawnCellMarker(Bubble* bubble, int32_t value, Bubble* owner);
  // The rising bubble at (x, y) in layer 1 (slot 25's appearance, then its looping rise), held
  // in trackedActor with its place and speeds in 8.8; posts 40, which hides the launcher.
  static cActor* spawnTrackedActor(int32_t x, int32_t y);


  // ---- Bubble's tables (game/board/bubble_static_init.cpp) ----
  // The maths pack's copies of the direction steps and opposites (from origin, for the trace)
  // replace the board's own tables when they hold the same six values each; otherwise traced.
  static void adoptDirectionTables(ByteArray* dx, ByteArray* dy, ByteArray* opposite,
                                   const char* origin);

  // ---- The bubble pool (game/board/bubble_pool.cpp) ----
  // Releases the rising bubble's actor (its layer, player and emitter); trackedActor := null.
  static void releaseTrackedActor();
  // A matchable bubble: colour below 7, not indestructible; false for null.
  static bool isMatchableBubble(Bubble* bubble);

  // ---- Cells and the play area (game/board/bubble_geometry.cpp) ----
  // The side walls' widths in pixels, and the bounds of a bubble's centre between them:
  // playLeft = (leftWall + 18) << 16, playRight = (canvasWidth - (rightWall + 18)) << 16.
  static void setPlayArea(int32_t leftWall, int32_t rightWall);

  // ---- Bubble painting (game/board/bubble_paint.cpp) ----
  // Clipped to the screen below playTop: the compound roots, then the other bubbles of plain
  // colours, then the other kinds; in a lesson level while its script runs, the highlight of
  // each bubble that carries the current objective's marker.
  static void paintBubbleField();

  // ---- The bunch table (game/board/bunch_table.cpp) ----
  // The class initialiser's step of the board: the bunch table of 10 empty slots, its cleared
  // anchors and scratch, and the empty bunch templates.
  static void initBoardTables();
  // Slot b of the bunch table; null for b outside 0..9 or an empty slot.
  static cGame_CBubbleBunch* getBunch(int32_t b);
  // Entries of bubbles in use: count kept within the list's length; 0 for null.
  static int32_t bunchMemberCount(cGame_CBubbleBunch* bunch);
  // Makes the slots still empty (period 1000, colour slots 0 and 1, 180 member entries), then
  // clears them all; bunchSprite := slot 23.
  static void createBunches();
  // A level's board: the pool filled, the board's bubble statics and the grid reset, the
  // bunches made and cleared, slots 25, 38 and 39 kept as bubbleSprite, wallHitSprite and
  // changeSprite.
  static void startBoard();
  // The level's board left: the pool reset, bunchSprite dropped, the level's board state gone.
  static void resetBoard();
  // Every slot cleared quietly; the cleared anchors, the scratch and the total emptied.
  static void clearAllBunches();
  // The first slot not in use; -1 when all ten are.
  static int32_t findFreeBunchSlot();
  // Bunches holding bubbles; without all, not those of types 5 and 7.
  static int32_t countBunches(bool all);
  // The members forgotten (count, core, counters and extents 0), the total lowered.
  static void removeBunchBubbles(int32_t b);
  static void setBunchCentre(int32_t b, int32_t x, int32_t y);  // centre and rest, 16.16
  // Each bunch's extents: its members' extreme offsets from its centre.
  static void updateBunchExtents();
  // The first member at cell (col, row); null when none.
  static Bubble* findBubbleInBunch(int32_t b, int32_t col, int32_t row);
  // Touching edges overlap.
  static bool rectsOverlap(int32_t l1, int32_t r1, int32_t t1, int32_t b1, int32_t l2, int32_t r2,
                           int32_t t2, int32_t b2);
  // The first handle of a type-0 bunch closer than 40 px (Manhattan) to the 16.16 point, into
  // hitBunch and hitHandle (-1 the main handle); false, both kept, when none.
  static bool hitTestBunches(int32_t x, int32_t y);

  // ---- Clearing a bunch (game/board/bunch_clearing.cpp) ----
  // The members dropped, the decorations ended by type (not when silent), the slot free; the
  // colour slots, period, facing and angle kept.
  static void clearBunch(int32_t b, bool silent);
  // The handle of the bubble's column taken off, its actor closing (animate) or released.
  static void removeBunchAttachment(Bubble* bubble, bool animate);
  // A hub bunch's spokes show which sides of the core hold a bubble, lit in the wanted colour.
  static void refreshCoreAnimations(int32_t b);

  // ---- Floods (game/board/bunch_flood.cpp) ----
  // Marks the bubble visited (depth, order) and counts it with what the flood reaches from it:
  // mode 0 any colour, mode 1 colour or jokers; any other mode the bubble alone.
  static int32_t floodCount(Bubble* bubble, int32_t mode, int32_t depth, int32_t colour);
  // The same from order 0 with the bubble's own colour.
  static int32_t floodCountFrom(Bubble* bubble, int32_t mode);
  // Each compound root's neighbours get it as their parent (unless they are roots themselves).
  static void linkAnchors(int32_t b);

  // ---- Placement (game/board/bunch_placement.cpp) ----
  // Files the bubble in bunch b at (col, row), or beside the cell's occupant: the member list,
  // links both ways, counters, the core, a handle, the first attach's decorations and a hub's
  // first ring. A full cell or a full bunch leaves the bubble dead.
  static void attachBubbleToBunch(Bubble* bubble, int32_t b, int32_t col, int32_t row);
  // The landing of the shot on the last hit test's bubble and side.
  static void landShotOnHitBubble(Bubble* shot);

  // ---- Groups of bubbles (game/board/bunch_groups.cpp) ----
  // Bunch b of the given type built from template t at (x, y) (16.16), its looks changed to
  // appearance unless it is -1, revealed from the last cell to the first.
  static void buildBunchFromTemplate(int32_t t, int32_t b, int32_t x, int32_t y, int32_t type,
                                     int32_t appearance);
  // The part that hangs on a handle of its own and not on the core moves to a free slot.
  static void splitOffAnchoredPart(int32_t b);
  // Bunch f's bubbles join bunch t by whole cells; f is cleared.
  static void mergeBunch(int32_t f, int32_t t);

  // ---- Bunch physics (game/board/bunch_physics.cpp) ----
  // One frame of a roped bunch: it moves by its velocity and spin, falls, is pulled back and
  // turned toward its rope while the rope is stretched, and is damped in 100 ms steps; its
  // spin stays within -46080..46080 (180 degrees per second in 8.8).
  static void updateBunchSwing(int32_t b);
  // A shot's impulse at the contact point (x, y) with the shot's velocity (vx, vy), 16.16: a
  // type-9 bunch spins with the shot's sideways speed, types 8 and 11 by the turn the shot
  // makes about the centre (type 11 also takes 3/8 of its velocity); other types nothing.
  static void applyHitToBunch(int32_t b, int32_t x, int32_t y, int32_t vx, int32_t vy);
  // Bunches a and b touch (p the push from a's side): a type-9 bunch trades spin with b by
  // their inverse masses; otherwise both are pushed apart unless one of them is of type 5.
  static void resolveBunchCollision(int32_t a, int32_t b, int32_t px, int32_t py);
  // Bunch b's extents as they would be at angle a (8.8 degrees, brought into 0..92160 once);
  // its angle, sin and cos are left as they were.
  static void extentsAtAngle(int32_t b, int32_t a);
  // Cell (col, row) of bunch b, unturned, lies within the play area's bounds for a centre.
  static bool isCellInPlayArea(int32_t b, int32_t col, int32_t row);
  // No member of another bunch overlaps the unturned cell (col, row) of bunch b.
  static bool isCellClearOfOtherBunches(int32_t b, int32_t col, int32_t row);

  // ---- Off-centre spin (game/board/bunch_spin.cpp) ----
  // Bunch b turns toward the side its bubbles weigh on, damped in 100 ms steps and kept within
  // -0x80000..0x80000, and never further into a side wall.
  static void updateBunchSpin(int32_t b);
  // Turning bunch b by step (8.8 degrees) would push it further out past a side wall; the
  // bunch keeps the extents of the trial angle.
  static bool bunchTurnedOutward(int32_t b, int32_t step);

  // ---- A shot's landing (game/board/landing.cpp) ----
  // The shot came to rest against hitBubble on `side` of it (or, hitBubble null, in cell
  // (col, row) of bunch): a lock or catcher takes or refuses it, otherwise it is attached, its
  // neighbours react, a match of three pops and scores, and what hangs on nothing drops.
  static void onBubbleLanded(Bubble* shot, Bubble* hitBubble, int32_t bunch, int32_t side,
                             int32_t col, int32_t row);
  // Attaches bubble in the cell beside nextTo on `side`; a type-3 holder plays its placement.
  static void placeBubbleInBunch(Bubble* bubble, Bubble* nextTo, int32_t side);
  // Floods the shot's colour from it (and one bubble of another bunch within 74 px); three or
  // more pop and score, fewer nudge a wall-bounced shot's type-0 bunch.
  static void markConnectedBubbles(Bubble* shot, int32_t shotVx);
  // The points, tallies and flood-ordered pops of a match of n bubbles.
  static void scoreMatch(int32_t n);
  // Every member of bunch b that no longer hangs on its core (type 12: on an edge column)
  // drops, scoring 200 unless it was already popping.
  static void releaseBunch(int32_t b);
  // Consumes the queued pop-end events (26), one popAnimCount each, never below 0.
  static void flushBubbleEvents();

  // ---- The per-frame bunch update (game/board/bunch_update.cpp) ----
  // Each bunch in use moves by the rule of its type, then its angle is normalised and a bunch
  // of indestructible bubbles bursts (not in a boss level); every slot keeps this frame's
  // counts for the next.
  static void updateBubbleBunches();

  // ---- Bunch hits (game/board/bunch_hits.cpp) ----
  // The bubble leaves its bunch (a last key bubble without handles bursts it), flying off
  // from the centre; a freed attachment scores 200. Nothing for a bubble in no bunch.
  static void releaseBubbleFromBunch(Bubble* bubble);
  // Every member flies off and pops 2..7 sixteenths later; scores unless silent (or level
  // type 3, boss kind 3); the slot is kept by some types, cleared by the rest.
  static void burstBunch(int32_t b, bool silent);
  static void burstAllBunches(bool silent);
  // A shot of `colour` reached handle h of bunch b (-1 the main handle): the right colour
  // frees it (or bursts a bunch without handles), a wrong one marks the bunch to drop.
  static void hitBunchHandle(int32_t b, int32_t h, int32_t colour);
  // The last member carrying an attachment becomes the core at the centre; the handle that
  // then stands on column 0, or -1 (none, or no attachment at all).
  static int32_t pickBunchAttachment(int32_t b);
  // Moves bunch b's rest point and speed (not in level types 2 and 3; only vertically in 5).
  static void nudgeBunch(int32_t b, int32_t dx, int32_t dy, int32_t dvx, int32_t dvy);
  // Bunch b pushed by (px, py) off another bunch, by its type.
  static void pushBunch(int32_t b, int32_t px, int32_t py);
  // The shot at the 16.16 point hits a catcher; it is driven one step further out.
  static bool shotHitsType5Bunch(int32_t x, int32_t y);

  // ---- Operations not built yet (game/board/board_seams.cpp) ----
  // The shot's flight and a bubble's pop call these: the level objects' and the bosses'
  // reactions.
  static void bubbleHitsType4Object(Bubble* bubble);
  static void objectOnBubbleGone(Bubble* bubble);
  static void bubbleHitsFlyer(Bubble* bubble);
  static void bubbleHitsWalker(Bubble* bubble);
  static void bubbleReachedGoal(Bubble* bubble);
  static void bossHitByBubble(Bubble* bubble);
  // The rising floor's counters of level type 3.
  static void clearSceneryCounters();
  static void releaseLevelObjects();
  // ---- Board colours (game/board/board_colours.cpp) ----
  // The start values of the colour, boss-map, profile, target and survey statics.
  static void initBoardMotionState();
  // The level left: the boss map and the board's colour masks cleared.
  static void resetBoardColours();
  // Bunch b's colour slots still -1 drawn: the first not avoid, the second neither.
  static void pickBunchColours(int32_t b, int32_t avoid);
  // The most common matchable, unpopped colour of the lowest bunch other than exclude; ties
  // drawn by gameRandom; -1 without a bunch holding bubbles.
  static int32_t pickMostCommonColour(int32_t exclude);
  static void collectMapColours();                  // mapColourMask from the map
  static void replaceColourInMap(int32_t c, int32_t v);
  // Each map colour no longer on the board is replaced by one that is (randomSetBit).
  static void updateColourSet();

  // ---- The boss's cell map (game/board/boss_cell_map.cpp) ----
  // chainBunch := the first type-8 bunch in use with a core; its cells' colours into the map.
  static void buildCellColourMap();
  static int32_t cellMapAt(int32_t col, int32_t row);  // -1 outside the map
  static bool isTargetCellOccupied();                   // the chain bunch holds (aimCol, aimRow)
  static void findChainPredecessor();                   // pathNextCol/Row
  static void findNearestBubble();                      // aimCol/Row: nearest to the boss
  // openCol/Row: the map's cell now empty, beside a bubble, closest to the bunch's centre.
  static void findClosestOpenCell();
  // ringCol/Row: the first free cell of bunch 0's ring of that radius; false when it is full.
  static bool findFreeCellOnRing(int32_t radius);
  static bool findFreeCellNearCentre();  // ring 2, else ring 5, into feedCol/Row
  static void clearBossTargets();
  static void stopBossEmitters();
  // The boss actor released and the kind's board state dropped; bossKind := -1.
  static void releaseBoss();
  static void paintBossAim();

  // ---- Boss walks (game/board/boss_walk.cpp) ----
  // The nearest member of bunch b around (col, row), placed on the chain bunch, to b's centre;
  // nearestDirection := its side seen from it. Null when none.
  static Bubble* nearestOccupiedNeighbour(int32_t b, int32_t col, int32_t row);
  // The wheel boss's thrown actor released (when in use); throwActor and throwTarget cleared.
  static void releaseThrowActor();

  // ---- The column profile (game/board/column_profile.cpp) ----
  static void buildColumnProfile();
  static int32_t columnProfileAt(int32_t i);  // entry i; a gap outside it or without a profile
  static int32_t columnX(int32_t i);     // px: half column i's x
  static int32_t columnTopY(int32_t i);  // px: the top of its lowest bubble (far up for a gap)
  static bool isColumnUnderType15Bunch(int32_t i);
  // bossGround lies below both half columns at bossColumn - 1 and bossColumn (not both gaps;
  // the filled test: neither a gap).
  static bool isAboveColumnPair();
  static bool isAboveFilledColumnPair();

  // ---- Level targets and shared lists (game/board/level_targets.cpp) ----
  static void allocTargetLists(int32_t n);  // the thrown bubbles' seven lists of n
  static int32_t findFreeLevelObjectSlot();
  static bool hasLevelObjectList();
  static bool isLevelObjectBusy();
  static bool isBossVulnerable();
  static bool canBossTakeHit();
  // The colour the furthest-descended lock shows; -1 none.
  static int32_t bestType7BunchValue();
  // The first actor of layer 6 standing where actor stands.
  static cActor* findActorAtSamePosition(cActor* actor);
  static void allocLevelTargetLists();
  // The next of at most five targets; a sixth is refused with a trace.
  static void addLevelTarget(Bubble* bubble);
  static void stopEffectSlot(int32_t i);
  static void stopAllEffectSlots();
  static bool isAnyTargetHit();
  static void markAllTargets();
  static void triggerTarget(int32_t i);
  // Leaving a level: the targets' emitters stopped, their lists and the board sprites dropped.
  static void resetEffects();
  static void startSlotEmitter(int32_t i);
  static void allocTripleLists();  // the special target slots' lists of 3
  static void removePairRange(int32_t from, int32_t to);

  // ---- Easing (game/board/easing.cpp) ----
  // Curve `type` at t (0..51471 a half turn), 16.16; 0 for an unknown type.
  static int32_t easeValue(int32_t type, int32_t t);
  static int32_t easeValueAlt(int32_t type, int32_t t);

  // ---- The board survey (game/board/board_survey.cpp) ----
  // Colour counts and mask, band counts, the topmost bubble, shots, pops and the danger line;
  // event 31 when the last pending pop has happened.
  static void evaluateBoardRows();
  // The cell beside bubble on side d may take a bubble.
  static bool canPlaceNeighbour(Bubble* bubble, int32_t d, bool ignoreAimLine);

  // ---- Text painters (game/board/text_painters.cpp) ----
  // Text at percent per cent of the font's size, on one line or as a page of lines.
  static void drawStringScaled(ASprite* font, javax_microedition_lcdui_Graphics* g, String* text,
                               int32_t x, int32_t y, int32_t anchor, int32_t percent);
  static void drawPageScaled(ASprite* font, javax_microedition_lcdui_Graphics* g, String* text,
                             int32_t x, int32_t y, int32_t anchor, int32_t percent);
  static void showPresetOverlay(int32_t kind);  // 10 awards, 11 unlocks
  // Lines first .. first + count - 1 (count -1: all the rest) of text as lines holds them
  // (ASprite::wrapText's table), one line height apart from y, placed by anchor (1 centre, 8
  // right, 2 middle, 32 bottom) about x; with charLimit >= 0 only that many characters from
  // the first line's start are drawn.
  static void drawTextLines(ASprite* font, javax_microedition_lcdui_Graphics* g, String* text,
                            ShortArray* lines, int32_t y, int32_t first, int32_t count,
                            int32_t anchor, int32_t x, int32_t charLimit);


  // ---- Stand-ins of other concerns (game/board/board_seams.cpp) ----
  // The overlay panel of a list of flags.
  static void setupOverlayPanel(int32_t textId, int32_t a, int32_t b, int32_t c, int32_t d,
                                IntArray* flags);

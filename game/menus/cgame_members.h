// cGame's members of the menus, the level-select map and the screens. Included inside cGame's class
// body by game/cgame.h (no include guard); the types named here are declared in
// game/menus/cgame_statics.h. One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Menu states (game/menus/menu_states.cpp) ----
  static void stateMenu9(int32_t message);
  static void stateMenu12(int32_t message);
  static void statePauseMenu(int32_t message);
  static void stateMenu14(int32_t message);
  static void stateLevelEnd(int32_t message);
  static void stateMenu20(int32_t message);
  static void stateMenu22(int32_t message);
  static void stateMenu23(int32_t message);
  static void stateMenu24(int32_t message);
  static void stateMenu25(int32_t message);
  static void stateMenu26(int32_t message);
  static void stateMenu27(int32_t message);
  static void stateMenu28(int32_t message);
  static void stateMenu29(int32_t message);
  static void stateMenu30(int32_t message);
  static void stateMenu32(int32_t message);

  // ---- Interim menu states (game/menus/menu_states_interim.cpp) ----
  // The main menu (entry list 0) and the options (list 5) as plain lists: up and down move,
  // fire or a tap chooses; item 74 opens state 8, 64 state 10, 66 state 18; back in the
  // options goes to state 6.
  static void stateMainMenu(int32_t message);
  static void stateMenu10(int32_t message);

  // ---- Reveal panel (game/menus/reveal_panel.cpp) ----
  // The framed panel in colour fill with its 40-pixel strip, outlined in colour frame, inside
  // a clip centred on the screen whose width grows with the fade clock (full at 200 ms).
  static void paintRevealPanel(int32_t fill, int32_t frame);

  // ---- Menu tables (game/menus/menu_tables.cpp) ----
  static constexpr int32_t kMenuLayoutCount = 20;
  // menuLayouts: a new Object[20], every layout null.
  static void initMenuTables();
  // The index of menu m's first list row in its layout (its header's element 2); 0 when the
  // menu has no layout.
  static int32_t menuFirstItem(int32_t m);

  // ---- Menu edits (game/menus/menu_edits.cpp) ----
  // Scroll and first visible row 0, rows visible; the selection remembered for menu (0 when
  // none, or when it names no item), scrolled into view.
  static void resetMenuSelection(int32_t menu, int32_t rows);
  // Hides every item equal to id; with remove the first of them also leaves the list.
  static void removeMenuItem(int32_t id, bool remove);
  // The first item equal to oldId becomes newId.
  static void replaceMenuItem(int32_t oldId, int32_t newId);

  // ---- Soft keys and menu helpers (game/menus/menu_utilities.cpp) ----
  // Both soft keys hidden, their flag cleared.
  static void clearSoftKeys();
  // The default soft keys of screenId: screen 0 hides both; 2, 5, 6, 13, 18 and 20 show the
  // right one with label 2 (back) only; other screens keep theirs.
  static void applyScreenSoftKeys();
  // The list (heading, second value, items) becomes the current menu of that layout, with as
  // many items as the item table holds; then the selection of menu list `menu` is reset.
  static void setMenuItems(int32_t menu, IntArray* list, int32_t rows, int32_t flag,
                           int32_t layout);
  // Parameter i (value 5 + i) of the current menu's item n, counted from its first item.
  static int32_t getMenuItemValue(int32_t n, int32_t i);
  // Items 9 (up) and 10 (down) of the current menu: up shown when scrolled, down while rows
  // remain below.
  static void updateMenuScrollArrows();
  // The same rule for a list of its own: its count, its offset and its two arrow items.
  static void setListScrollItems(int32_t count, int32_t value, int32_t upItem, int32_t downItem);
  static void updateListScrollArrows();
  // On the first play: the hint mode set, the five hint lines written as the intro list.
  static void initHintSequence();
  // initHintSequence, then the selection remembered, step 0, no menu animation.
  static void resetMenuAnims();
  static void clearHintMode();
  // Outside the hints, a menu animation index whose player has ended becomes -1.
  static void clearFinishedMenuAnims();
  // While the hints show: the table of items that may blink for the current hint line.
  static void selectModeTable();
  static bool isInModeTable(int32_t v);

  // ---- Carousel spin (game/menus/carousel_spin.cpp) ----
  // A timed half-turn swing, when idle: the half-turn flag flips, the angle gains 180 when it
  // becomes 1, 700 ms.
  static void startSpin();
  // Ends a swing when its time is out, or a finishing spin once fadeTime reaches 1000 ms: idle,
  // the angle back at 90.
  static void updateSpin();
  // Raises the speed so that the spin, after fadeTime more ms, stops on the next multiple of
  // 180 degrees; finishing. A fade of 0 ms left keeps the speed.
  static void advanceRotation();

  // ---- Screen resets (game/menus/screen_resets.cpp) ----
  // The screen's int table zeroed and dropped, with screenRefA and screenRefB.
  static void releaseScreenArrays();
  // Nothing calls these: screenRefA dropped; screenRefA to C dropped; both; the two screen
  // players dropped; the three screen tables zeroed.
  static void clearScreenRef();
  static void clearScreenRefs();
  static void clearAllScreenRefs();
  static void releaseScreenPlayers();
  static void clearScreenTables();

  // ---- Levels opened on the level-select map (game/menus/level_unlocks.cpp) ----
  // Opens the levels that the level-select layout of the world links from level `level` and
  // lists them for the map; the index of the layout's first item. Standing in until the
  // menus' layouts land: opens nothing, writes one trace line naming its arguments, gives -1.
  static int32_t collectNewlyUnlocked(int32_t level, int32_t world);

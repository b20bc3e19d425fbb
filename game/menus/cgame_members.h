// cGame's members of the menus, the level-select map and the screens. Included inside cGame's class
// body by game/cgame.h (no include guard); the types named here are declared in
// game/menus/cgame_statics.h. One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Menu states (game/menus/menu_states_main.cpp, menu_states_pause.cpp,
  // menu_states_world.cpp, menu_states_lists.cpp; their shared shape in menu_states.cpp) ----
  static void stateMainMenu(int32_t message);
  static void stateMenu9(int32_t message);
  static void stateMenu10(int32_t message);
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
  // The map as shown painted into menuBackground (the first back buffer); mapSnapshotTaken 1.
  static void snapshotLevelMap();

  // ---- Reveal panel (game/menus/reveal_panel.cpp) ----
  // The framed panel in colour fill with its 40-pixel strip, outlined in colour frame, inside
  // a clip centred on the screen whose width grows with the fade clock (full at 200 ms).
  static void paintRevealPanel(int32_t fill, int32_t frame);

  // ---- Layout records (game/menus/layout_records.cpp) ----
  static constexpr int32_t kMenuLayoutCount = 20;
  // menuLayouts: a new Object[20], every layout null.
  static void initMenuTables();
  // screenLayout from pack entry 0: one Object[] per screen group, its type-1 opener first
  // (absolute x, y), then its records relative to the opener. Records before the first opener
  // are skipped; a record running past the data ends the entry (traced).
  static void parseLayout(ByteArray* data);
  // Menu layout t (1..19) from its entry: {header short[4], records...} into menuLayouts[t].
  static void parseLayoutTable(int32_t t, ByteArray* data);
  // The record types that give a menu its layout: 3, 10, 12, 13, 14, 16, 19, 20, 22, 24, 25.
  static bool isLayoutType(int32_t type);
  // One slot of layoutPlayers per animated record (value 5), screen groups first, then menus.
  static void assignAnimationSlots();
  // The players of group g's (menu t's) animated records dropped; a group's states go to 0.
  static void resetLayoutAnimations(int32_t g);
  static void resetMenuAnimations(int32_t t);
  // For every type-5 record of screen group `group` (type 5 and 11 of menu `menu`): a player
  // over its sprite at its place, looping its animation, in its slot; the record shown.
  static void createScreenPlayers(int32_t group);
  static void createMenuPlayers(int32_t menu);
  // screenBackPlayer over the menus' background (sprite slot 21), looping animation 0.
  static void createMenuHeaderPlayer();

  // ---- Layout access (game/menus/layout_access.cpp) ----
  // Screen group g, menu layout t, record i of either; null outside the tables. Menu records
  // count from 1 (0 is the header, which menuRecord never gives).
  static ObjectArray* screenGroup(int32_t g);
  static ObjectArray* menuLayout(int32_t t);
  static ShortArray* groupRecord(int32_t g, int32_t i);
  static ShortArray* menuRecord(int32_t t, int32_t i);
  static int32_t menuRecordCount(int32_t t);  // records after the header; 0 for no menu
  // Header element k of menu t; -1 for element 0 and 0 otherwise when the menu has none.
  static int32_t menuHeader(int32_t t, int32_t k);
  // The layout-type record of menu t (header element 0); null when it has none.
  static ShortArray* menuLayoutRecord(int32_t t);
  static int32_t recordType(ShortArray* record);  // 0 for null
  static int32_t recordX(ShortArray* record);
  static int32_t recordY(ShortArray* record);
  // Value k (element 3 + k); `absent` past the record's end. Writes there do nothing.
  static int32_t layoutValue(ShortArray* record, int32_t k, int32_t absent);
  static void setLayoutValue(ShortArray* record, int32_t k, int32_t value);
  // An animated record (5, 11, 23) that carries its player slot and state.
  static bool hasPlayerSlot(ShortArray* record);
  // The layout player of the record's slot (null when none or empty), and its replacement.
  static MQLibPlayer* recordPlayer(ShortArray* record);
  static void setRecordPlayer(ShortArray* record, MQLibPlayer* player);
  // The index of menu m's first list row in its layout (its header's element 2); 0 when the
  // menu has none.
  static int32_t menuFirstItem(int32_t m);

  // ---- Menu framework (game/menus/menu_framework.cpp) ----
  // Entry list listId in menu layout `layout` (1..19, parsed; else nothing, traced): the
  // layout's rows and list flag, the list's entries, then its layout type's set-up. A layout
  // without a layout-type record opens with 8 rows, no flag and no set-up.
  static void openMenu(int32_t listId, int32_t layout);
  // The current layout type's updater, then every layout player advanced by frameTime.
  static void updateCurrentMenu();
  // Up (keys 1, 8) and down (2, 14) over the entries whose id is not negative, scrolling the
  // rows, wrapping with the list flag; at most one pass over the entries.
  static void handleListKeys();
  // Values of menu m's layout record: rows (9; -1 or none: 8), list flag (6 > 0), group (4),
  // alternate group (8) and its switch (7 == 1).
  static int32_t menuVisibleRows(int32_t m);
  static bool menuListFlag(int32_t m);
  static int32_t menuGroup(int32_t m);
  static int32_t menuAlternateGroup(int32_t m);
  static bool menuUsesAlternateGroup(int32_t m);
  static int32_t screenGroupSize(int32_t g);  // records of screen group g, its opener included
  static void setMenuViewOrigin(int32_t x, int32_t y);
  // Menu menu's moving item (header element 3): its player's animation, its place. A menu
  // without one is left alone.
  static void setLayoutItemAnim(int32_t menu, int32_t anim);
  static void setMenuItemPosition(int32_t menu, int32_t x, int32_t y);

  // ---- Menu painting (game/menus/menu_item_paint.cpp) ----
  // The current menu's records in order, skipping those whose layer is below `layer`.
  static void paintCurrentMenu(int32_t layer);
  // One record at its place plus (dx, dy): animated sprites, text boxes, and the body of the
  // current menu's own layout record; with force the layer is not tested (type 20 never is).
  static void paintMenuItem(ShortArray* item, int32_t dx, int32_t dy, String* text, int32_t layer,
                            bool force, bool highlight);
  static void paintLayoutText(ShortArray* record, int32_t x, int32_t y, String* text,
                              int32_t layer, bool force);
  // The index in screen group `group` of the variant marker keyed key, else of the last keyed
  // 1, else -1.
  static int32_t findLayoutRecord(int32_t group, int32_t key);
  // Variant key of a screen group (group < 0: the menu's group, or its alternate one) placed by
  // its opener's size and anchors at (x, y).
  static void paintScreenGroup(int32_t menu, int32_t x, int32_t y, int32_t key, String* text,
                               bool useAlternate, int32_t layer, int32_t group);
  // The screen group that item i of menu names (value 1; the menu's own when value 0 is odd)
  // at the item's place plus (dx, dy).
  static void paintLayoutItem(int32_t menu, int32_t i, int32_t dx, int32_t dy, int32_t key,
                              String* text);
  // The current menu's first text item after index `after`: its rectangle {x, y, w, h}, or
  // painted; its index, -1 when none.
  static int32_t nextTextItemRect(int32_t after, IntArray* rect);
  static int32_t paintNextTextItem(int32_t layer, int32_t after, String* text, bool highlight);
  // The record after the n-th text item (from 0) painted with text.
  static void paintMenuItemIndexed(int32_t layer, int32_t n, String* text, bool highlight);

  // ---- The main menu's players (game/menus/main_menu_players.cpp) ----
  // The walking character (slot 15) and the title's two decorations (slot 46), all looping.
  static void setupMainMenu();
  // One frame of the character: stand, walk, turn at the ends of x 40..300; its player advances.
  static void updateMenuCharacter();
  // The character, then the decorations when the menu has a title to hang them from.
  static void paintMainMenuPlayers();
  static void releaseMainMenuPlayers();

  // ---- Screens still to come (game/menus/pending_menus.cpp) ----
  static void setupMenuScreen();
  static void setupLevelMap(int32_t pagesDown, int32_t pagesAcross);
  static void updateLevelMap();
  static void paintLevelMap();
  static void setupWorldSelect();
  static void updateWorldSelect();
  static void paintWorldMarker();
  static void setupGrid2x2();
  static void updateGrid2x2();
  static void paintGridItems();
  static void updateHotAreaMenu();
  static void paintHotAreaDialogue();
  static void paintHotAreaEntries();
  static void showPresetOverlay(int32_t listId);
  static void updateValuePicker();
  static void paintOverlayInfo();
  static void statisticsText();
  static void updateStatsPages();
  static void paintStatisticsPanel();
  static void createCarouselPlayer();
  static void setupExtraLevelGrid();
  static void updateExtraLevelGrid();
  static void paintExtraLevelScreen();
  static void setPagedListLayout(int32_t listId);
  static void updatePagedList();
  static void paintPagedListBox();
  static void paintInfoPanel(int32_t y);
  static bool checkSecretTaps();
  static void leaveScreen();
  static void paintMapInfoPanel(int32_t mode);
  static void paintTitleAndEntry();
  static void setExtraLevelCell(int32_t cell);
  static int32_t currentHiddenAward();
  static void paintScene();
  // Until the carousel lands: its entries laid out as rows (listItemPositions, listRowTops,
  // listRowBottoms) and painted as a plain list under the title.
  static void setupCarousel(int32_t listId, int32_t spacing);
  static void paintMenuBodyEntry();

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

  // ---- Menu items (game/menus/menu_items.cpp) ----
  // Row items count from the current menu's first type-4 record. The last record of the run of
  // type-4 records that menu m's first row starts (the first row itself when it is no row).
  static int32_t lastLeadingRow(int32_t m);
  static int32_t menuItemX(int32_t i);
  static int32_t menuItemY(int32_t i);
  static int32_t menuItemValue2(int32_t i);  // -1 past the record
  static int32_t menuItemValue3(int32_t i);
  // Value 4 + k of row item i: its neighbour up, down, left, right (-1 none, -2 the previous
  // world, 14 the next); two names for one accessor.
  static int32_t mapItemNeighbour(int32_t i, int32_t k);
  static int32_t menuItemLevelSlot(int32_t i, int32_t k);
  // The newly opened levels, then each neighbour 0..13 of item `from` after it with a result
  // above -1, into out; the count.
  static int32_t listUnlockedLevels(int32_t from, IntArray* out, int32_t m);
  // Each neighbour below 14 after `from` whose result is at least -1, when `from` has one; the
  // count.
  static int32_t listReachableLevels(int32_t from, IntArray* out);
  static int32_t countForwardNeighbours();
  // The locked levels that item `after` + 1 of world's map (menu world + 2) links to after it
  // open (result -1) and are listed in newlyUnlocked (-1 empty). Worlds 0..7 only, whose maps
  // exist. Returns the map's first item.
  static int32_t collectNewlyUnlocked(int32_t after, int32_t world);
  // The map's path and item players emptied, its four single players dropped, its two path
  // counters 0.
  static void releaseMapPlayers();
  static void releaseListPlayers();
  static void clearWorldMarkers();
  static void clearSelectionSlots();
  // The rectangle {x, y, w, h} of list player i's current animation-frame at its list place.
  static void listPlayerRect(int32_t i, IntArray* out, bool flags);
  // The two records the selected world's row names (value 3 while the world is open, value 2)
  // shown; records 3..6 hidden.
  static void markSelectedMenuItems();
  static void clearMenuItemFlags();
  static bool worldsAvailable();
  static bool gameInProgress();
  static bool mapLevelSelected();
  static bool mapEntrySelected();
  static bool worldSelectIdle();
  static int32_t scaledScreenX();  // the map's size in pixels
  static int32_t scaledScreenY();
  static void paintMapPages();
  // Width, height (element 2, 3) of frame f + 8 of sprite slot 13.
  static int32_t menuSpriteFrameWidth(int32_t f);
  static int32_t menuSpriteFrameHeight(int32_t f);
  static int32_t menuSpriteFrameRect(int32_t f, int32_t k);
  // The grid's choice: its pair (spriteSetOption) and its row (hudOrderOption).
  static void keepCharacterChoice(int32_t row);
  static bool characterUnlocked();
  static int32_t portraitSpriteEntry(int32_t speaker);
  static void removeEntry74();
  static int32_t entryCount();

// cGame's members of the menus, the level-select map and the screens. Included inside cGame's class
// body by game/cgame.h (no include guard); the types named here are declared in
// game/menus/cgame_statics.h. One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Menu states (game/menus/menu_states.cpp) ----
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

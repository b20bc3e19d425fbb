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

  // ---- Event queue (game/level/event_queue.cpp) ----
  static constexpr int32_t kEventQueueLength = 40;
  // Appends the event code; a full queue drops it.
  static void postEvent(int32_t code);

// cGame's members of the menus, the level-select map and the screens. Included inside cGame's class
// body by game/cgame.h (no include guard); the types named here are declared in
// game/menus/cgame_statics.h. One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

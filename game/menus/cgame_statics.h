// The static fields of cGame that belong to the menus, the level-select map and the screens, as one
// declaration list for the static block (runtime/static_fields.h says how an entry is written), and
// the types that this folder's cGame members and statics name (game/cgame.h includes it before the
// class).
#pragma once

#include <cstdint>

class IntArray;
class ByteArray;
class ShortArray;
class ASprite;
class String;
class javax_microedition_lcdui_Graphics;
class javax_microedition_lcdui_Image;
class MQLibPlayer;
class Object;
class ObjectArray;

// screenLayout: Object[] of screen groups, each an Object[] of short[] records, its opener
// first. menuLayouts: Object[20], menu layout t at entry t, each an Object[] whose element 0 is its
// header short[4]. The touch list of the open menu: listRowTops and listRowBottoms hold each
// row's top and bottom y (ascending), listItemPositions each row's item as {x, y}, and
// menuSelection the selected row.
// The current menu (menu_edits.cpp): menuItems int[50] of item numbers (bit 31 set = hidden),
// the first menuItemCount in use; menuSelection, menuScroll, menuFirstVisible and
// menuVisibleRows; menuSavedSelection int[21], the selection remembered per menu list.
// menuLists: Object[21], entry list n as {heading, -1, items ...}; unlockFlagCount: the
// entries of list 11 (15). rectScratch: int[4] {x, y, w, h} of frame rectangles.
// The spin of the carousel's turning entries (game/menus/carousel_spin.cpp): carouselAngle in
// degrees, carouselTurnSpeed in degrees a second, carouselIndex the half-turn flag (0 or 1),
// carouselState 0 idle, 1 a timed swing, 2 finishing with the fade, carouselTimer the swing's
// ms left.
// The current menu (game/menus/menu_utilities.cpp): currentMenu its layout, currentMenuList
// its entry list, menuTitle and menuSubtitle the list's first two values, menuFlag the flag
// it was opened with. listScrollCount, listScrollOffset, listScrollUpItem, listScrollDownItem:
// a list's own scroll and arrow items. hintMode: 1 while the first play's hints show, -1 none;
// hintTextStep: the hint line shown (-1 before the first); hintSequenceSet once the hints
// are the intro list. menuRememberedSelection, menuStep, menuAnimA, menuAnimB: the menu's
// sub-state and its two animation indices into layoutPlayers (the layout's animation players,
// -1 none). modeTable: the items that may blink for the current hint line.
// A screen's own (game/menus/screen_resets.cpp): screenTable, screenRefA to C, screenPlayerA
// and B, screenTableA to C.
// The menu framework (menu_framework.cpp, menu_item_paint.cpp): menuValue the position of the
// current menu's pickers (type-23 records show for menuValue + 1); mapViewX, mapViewY the view
// origin taken off records that move with the view; worldChosen, worldScreenPlayer and
// hotAreaDialogue the world-select and game-mode screens' own.
// The screens' items (menu_items.cpp): newlyUnlocked int[4], the levels a win opened (-1
// none); the level map's mode (0 idle), selected item, pages and camera, its path counters,
// its path and item players and its four single players, the second page's picture; the
// list's players and title player; the world marker; the character grid's 12 icon players,
// its cursor and how many characters are open. screenBackPlayer: the menus' background.
// The menu states (menu_states*.cpp): launchState the menu state that started the current
// screen; popupTextId the question asked; campaignPlay 1 for a level started from its map;
// the world select's tap and automatic entry; the map's finished level and world change and
// its snapshot flag; the grid cursor's column; the value arrows' player and pressed flags, the
// paged list's page count and the extra grid's half.
// The main menu's players (main_menu_players.cpp): menuCharacterPlayer, its mode (0 standing,
// 1 walking), its direction (+1 right, -1 left) and its x in px; menuDecorPlayerA and B at
// (menuDecorX, menuDecorY), painted when menuDecorShown (the menu has a title item).
// mapItemPressed: the level map's select area is held down (state 9), and the map's painter
// shows the cursor's icon. worldTargetX, worldTargetY: the world the world-select cursor walks
// to, in px.
#define PLIMORA_STATICS_cGame_menus(REF, VALUE)             \
  REF(cGame, ObjectArray, screenLayout)                     \
  REF(cGame, ObjectArray, menuLayouts)                      \
  REF(cGame, IntArray, listRowTops)                         \
  REF(cGame, IntArray, listRowBottoms)                      \
  REF(cGame, IntArray, listItemPositions)                   \
  VALUE(cGame, int32_t, menuSelection)                      \
  REF(cGame, IntArray, menuItems)                           \
  VALUE(cGame, int32_t, menuItemCount)                      \
  VALUE(cGame, int32_t, menuScroll)                         \
  VALUE(cGame, int32_t, menuFirstVisible)                   \
  VALUE(cGame, int32_t, menuVisibleRows)                    \
  REF(cGame, IntArray, menuSavedSelection)                  \
  REF(cGame, ObjectArray, menuLists)                        \
  VALUE(cGame, int32_t, unlockFlagCount)                    \
  REF(cGame, IntArray, rectScratch)                         \
  VALUE(cGame, int32_t, carouselAngle)                      \
  VALUE(cGame, int32_t, carouselTurnSpeed)                  \
  VALUE(cGame, int32_t, carouselIndex)                      \
  VALUE(cGame, int32_t, carouselState)                      \
  VALUE(cGame, int32_t, carouselTimer)                      \
  VALUE(cGame, int32_t, currentMenu)                        \
  REF(cGame, IntArray, currentMenuList)                     \
  VALUE(cGame, int32_t, menuTitle)                          \
  VALUE(cGame, int32_t, menuSubtitle)                       \
  VALUE(cGame, int32_t, menuFlag)                           \
  VALUE(cGame, int32_t, listScrollCount)                    \
  VALUE(cGame, int32_t, listScrollOffset)                   \
  VALUE(cGame, int32_t, listScrollUpItem)                   \
  VALUE(cGame, int32_t, listScrollDownItem)                 \
  VALUE(cGame, int32_t, hintMode)                           \
  VALUE(cGame, int32_t, hintTextStep)                       \
  VALUE(cGame, bool, hintSequenceSet)                       \
  VALUE(cGame, int32_t, menuRememberedSelection)            \
  VALUE(cGame, int32_t, menuStep)                           \
  VALUE(cGame, int32_t, menuAnimA)                          \
  VALUE(cGame, int32_t, menuAnimB)                          \
  REF(cGame, ObjectArray, layoutPlayers)                    \
  REF(cGame, IntArray, modeTable)                           \
  REF(cGame, IntArray, screenTable)                         \
  REF(cGame, Object, screenRefA)                            \
  REF(cGame, Object, screenRefB)                            \
  REF(cGame, Object, screenRefC)                            \
  REF(cGame, MQLibPlayer, screenPlayerA)                    \
  REF(cGame, MQLibPlayer, screenPlayerB)                    \
  REF(cGame, IntArray, screenTableA)                        \
  REF(cGame, IntArray, screenTableB)                        \
  REF(cGame, IntArray, screenTableC)                        \
  VALUE(cGame, int32_t, menuValue)                          \
  VALUE(cGame, int32_t, mapViewX)                           \
  VALUE(cGame, int32_t, mapViewY)                           \
  VALUE(cGame, int32_t, worldChosen)                        \
  REF(cGame, MQLibPlayer, worldScreenPlayer)                \
  VALUE(cGame, int32_t, hotAreaDialogue)                    \
  REF(cGame, IntArray, newlyUnlocked)                       \
  VALUE(cGame, int32_t, mapMode)                            \
  VALUE(cGame, int32_t, mapSelected)                        \
  VALUE(cGame, int32_t, mapPagesX)                          \
  VALUE(cGame, int32_t, mapPagesY)                          \
  VALUE(cGame, bool, mapVertical)                           \
  VALUE(cGame, int32_t, mapPage)                            \
  VALUE(cGame, int32_t, mapCameraX)                         \
  VALUE(cGame, int32_t, mapCameraY)                         \
  VALUE(cGame, int32_t, mapPathCount)                       \
  VALUE(cGame, int32_t, mapPathsDone)                       \
  REF(cGame, ObjectArray, mapPathPlayers)                   \
  REF(cGame, ObjectArray, mapItemPlayers)                   \
  REF(cGame, MQLibPlayer, mapCursorPlayer)                  \
  REF(cGame, MQLibPlayer, mapCursorIconPlayer)              \
  REF(cGame, MQLibPlayer, extraGridPreviewPlayer)           \
  REF(cGame, MQLibPlayer, mapHintPlayer)                    \
  REF(cGame, javax_microedition_lcdui_Image, mapSecondPage) \
  REF(cGame, ObjectArray, listPlayers)                      \
  REF(cGame, MQLibPlayer, listTitlePlayer)                  \
  REF(cGame, MQLibPlayer, worldMarkerPlayer)                \
  REF(cGame, ObjectArray, gridIconPlayers)                  \
  VALUE(cGame, int32_t, worldSelectMode)                    \
  VALUE(cGame, int32_t, characterCursor)                    \
  VALUE(cGame, int32_t, charactersUnlocked)                 \
  REF(cGame, MQLibPlayer, screenBackPlayer)                 \
  VALUE(cGame, int32_t, campaignPlay)                       \
  VALUE(cGame, bool, worldTapSelected)                      \
  VALUE(cGame, int32_t, worldAutoEnter)                     \
  VALUE(cGame, int32_t, finishedLevelIndex)                 \
  VALUE(cGame, int32_t, mapWorldChange)                     \
  VALUE(cGame, int32_t, mapSnapshotTaken)                   \
  VALUE(cGame, int32_t, characterCursorRow)                 \
  REF(cGame, MQLibPlayer, valueArrowPlayer)                 \
  VALUE(cGame, bool, leftArrowPressed)                      \
  VALUE(cGame, bool, rightArrowPressed)                     \
  VALUE(cGame, int32_t, pagedListPages)                     \
  VALUE(cGame, int32_t, extraGridHalf)                      \
  REF(cGame, MQLibPlayer, menuCharacterPlayer)              \
  VALUE(cGame, int32_t, menuCharacterMode)                  \
  VALUE(cGame, int32_t, menuCharacterDir)                   \
  VALUE(cGame, int32_t, menuCharacterX)                     \
  REF(cGame, MQLibPlayer, menuDecorPlayerA)                 \
  REF(cGame, MQLibPlayer, menuDecorPlayerB)                 \
  VALUE(cGame, int32_t, menuDecorX)                         \
  VALUE(cGame, int32_t, menuDecorY)                         \
  VALUE(cGame, bool, menuDecorShown)                        \
  VALUE(cGame, bool, mapItemPressed)                        \
  VALUE(cGame, int32_t, worldTargetX)                       \
  VALUE(cGame, int32_t, worldTargetY)

// The loader's shared pieces for its step files: the sprite table by slot, packs named by their
// string constant, and the guard that keeps one failing operation from ending its step.
#pragma once

#include <cstdint>

class ASprite;
class IntArray;
class Object;

namespace loader {

// Slot s of spriteTable as a sprite; null when the table, the slot or the sprite is missing.
ASprite* SpriteAt(int32_t slot);
// spriteTable[slot] = value; a slot outside the table is traced and skipped.
void SetSlot(int32_t slot, Object* value);

// Runs one operation of the current step. A java_lang_Exception it raises is traced with the
// load kind, the step and what, printed and cleared, so the rest of the step runs. While any
// other throwable is pending the operation is skipped.
template <class Operation>
void Run(const char* what, Operation&& operation);
void AfterOperation(const char* what);
bool MayRun();

// The pack named by string constant n (opening the open pack does nothing); the stream closed.
void Open(int32_t pack);
void Close();
// spriteTable[slot] = entry of the open pack with the palette mask; cache builds the module
// Images at load (cache off: the pixels stay and frames are decoded when painted).
void LoadSlot(int32_t slot, int32_t entry, int32_t palette = 1, bool cache = true);
// The same through a list of animations whose frames get Images.
void LoadSlotWithList(int32_t slot, int32_t entry, int32_t palette, IntArray* list);

template <class Operation>
void Run(const char* what, Operation&& operation) {
  if (!MayRun()) return;
  operation();
  AfterOperation(what);
}

}  // namespace loader

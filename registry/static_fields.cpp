// The whole static block: its root table and its making.
#include "registry/static_fields.h"

StaticBlock::StaticBlock() {
  int32_t n = 0;
#define PLIMORA_ROOT_SLOT(owner, type, name) staticRoots[n++] = &owner##_##name.object;
  PLIMORA_STATIC_FIELDS(PLIMORA_ROOT_SLOT, PLIMORA_SKIP_STATIC)
#undef PLIMORA_ROOT_SLOT
}

Object** const* StaticBlock::staticRootSlots(int32_t* count) const {
  *count = kStaticRootCount;
  return staticRoots;
}

StaticClass* NewStaticClass() {
  return new StaticBlock();
}

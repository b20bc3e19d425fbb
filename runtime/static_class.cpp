// Construction and start-up of the static block.
#include "runtime/static_class.h"

#include <cstring>

#include "runtime/application.h"
#include "runtime/array.h"
#include "runtime/class_initialisers.h"
#include "runtime/class_table_data.h"
#include "runtime/constant_pool.h"
#include "runtime/object_manager.h"

StaticClass::StaticClass() {
  for (Class& record : classes) {
    Object::initHeader(&record, cid::Class);
    record.collectable = 0;
    record.referenceFields.store(nullptr);
  }
}

void StaticClass::initializeCore(ObjectManager* manager) {
  memset(static_cast<StaticFields*>(this), 0, sizeof(StaticFields));
  constantPool = nullptr;
  fillClassTable();
  fillRootTable();
  manager->registerRootSlots(staticRoots, kStaticRootCount);
  manager->registerRootSlots(&constantPoolRoot, 1);
}

bool StaticClass::initialize() {
  if (!LoadConstantPool(this)) return false;
  RunClassInitialisers();
  return true;
}

void StaticClass::fillClassTable() {
  for (int32_t i = 0; i < kClassCount; i++) {
    classes[i].name = kClassNames[i];
    classes[i].id = i;
    classes[i].superclassId = kSuperclassIds[i];
  }
}

void StaticClass::fillRootTable() {
  int32_t n = 0;
#define PLIMORA_ROOT_SLOT(owner, type, name) staticRoots[n++] = &owner##_##name.object;
  PLIMORA_STATIC_FIELDS(PLIMORA_ROOT_SLOT, PLIMORA_SKIP_STATIC)
#undef PLIMORA_ROOT_SLOT
  constantPoolRoot = &constantPool.object;
}

StaticClass* Statics() {
  return GetApplication()->getStaticClass();
}

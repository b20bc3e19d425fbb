// Construction and start-up of the static block's runtime part.
#include "runtime/static_class.h"

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
  constantPool = nullptr;
  fillClassTable();
  int32_t rootCount = 0;
  Object** const* roots = staticRootSlots(&rootCount);
  manager->registerRootSlots(roots, rootCount);
  constantPoolRoot = &constantPool.object;
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

StaticClass* Statics() {
  return GetApplication()->getStaticClass();
}

// Construction of the static block and its class table.
#include "runtime/static_class.h"

#include "runtime/class_table_data.h"

StaticClass::StaticClass() {
  for (Class& record : classes) {
    Object::initHeader(&record, cid::Class);
    record.collectable = 0;
    record.referenceFields.store(nullptr);
  }
}

void StaticClass::fillClassTable() {
  for (int32_t i = 0; i < kClassCount; i++) {
    classes[i].name = kClassNames[i];
    classes[i].id = i;
    classes[i].superclassId = kSuperclassIds[i];
  }
}

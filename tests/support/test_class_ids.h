// Class ids for classes that tests define for themselves. A class's reference-field list is
// kept per id, so a test class must not borrow the id of a real class that the same process
// may make: the two layouts would share one list. The system never makes an instance of a
// constant interface, so those ids are free for tests.
#pragma once

#include "runtime/class_ids.h"

namespace test_class_id {
enum : int16_t {
  kNode = cid::IBossMonkey,
  kParcel = cid::IBossSpider,
  kMailbox = cid::ICheats,
  kWithOwnField = cid::IExtraLevels,
  kRunnableBody = cid::ILoading,
};
}  // namespace test_class_id

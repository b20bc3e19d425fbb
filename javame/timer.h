// The timer's thread class.
#pragma once

#include "javame/thread.h"

class java_util_TimerThread : public java_lang_Thread {
 public:
  static constexpr int16_t kClassId = cid::java_util_TimerThread;
};

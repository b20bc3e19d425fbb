// A runtime started as the game starts it: the data builder's own string-constant pool in the
// data root, then the static block's start-up (the pool loaded, every class initialiser run).
#pragma once

#include "tests/support/runtime_data_fixture.h"

class StartedRuntimeTest : public RuntimeWithDataTest {
 protected:
  void SetUp() override;
};

#include <gtest/gtest.h>

#include "game/board/actor.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/support/runtime_fixture.h"

namespace {

using ActorStaticInitTest = RuntimeTest;

TEST_F(ActorStaticInitTest, LayersAndPoolStartEmptyAndTheParametersZero) {
  cActor::staticInit();
  GameStatics* s = Statics<GameStatics>();
  struct Row {
    ObjectArray* list;
    int32_t length;
  };
  for (const Row& row : {Row{s->cActor_actorLayers, 8}, Row{s->cActor_actorPool, 300}}) {
    ASSERT_EQ(row.list->length, row.length);
    for (int32_t i = 0; i < row.length; i++) ASSERT_EQ(row.list->elements()[i], nullptr);
  }
  ASSERT_EQ(s->cActor_actorParams->length, 8);
  for (int32_t i = 0; i < 8; i++) EXPECT_EQ(IntArray::get(s->cActor_actorParams, i), 0);
}

}  // namespace

// Connection tests: a started runtime, connections opened through the Connector, Java threads
// that run a test function, and the network time-outs put back after each test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/win_socket_client.h"
#include "javame/connector.h"
#include "javame/thread.h"
#include "runtime/string.h"
#include "tests/javame/runnable_body.h"
#include "tests/support/library_fixture.h"
#include "tests/support/loopback_server.h"
#include "tests/support/runtime_fixture.h"

class NetworkTest : public LibraryTest {
 protected:
  void TearDown() override {
    host::SetNetworkTimeoutsForTests(0, 0);
    LibraryTest::TearDown();
  }

  // The connection the Connector opens for url (READ_WRITE, no time-outs), as class T.
  template <class T>
  static T* Open(const std::string& url) {
    return static_cast<T*>(javax_microedition_io_Connector::open(NewJavaString(url.c_str())));
  }

  // A started Java thread that runs body with held as the body's object.
  static java_lang_Thread* StartJavaThread(RunnableBody::Body body, Object* held) {
    auto* runnable = NewObject<RunnableBody>(body);
    runnable->held = held;
    auto* thread = NewObject<java_lang_Thread>(runnable);
    EXPECT_GE(thread->nativeStart(), 0);
    return thread;
  }
  static RunnableBody* BodyOf(java_lang_Thread* thread) {
    return static_cast<RunnableBody*>(thread->target);
  }
};

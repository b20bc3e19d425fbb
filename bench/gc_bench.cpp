// Time of one full collection of a live graph of about 4 MB of small objects (object arrays
// whose elements head linked lists, the shape of a loaded level), by our collector and, in
// the same run, by the Boehm collector over the same shape. Prints both medians; the last
// line is "ratio_vs_boehm: X", our median divided by Boehm's.
#include <gc/gc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "runtime/application_impl.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/object_manager.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kBenchObjectHeapSize = 16 * 1024 * 1024;
constexpr int32_t kBenchDataHeapSize = 8 * 1024 * 1024;
constexpr int kGroups = 1024;       // object arrays, each held by a root
constexpr int kListsPerGroup = 16;  // elements of each array, each the head of a list
constexpr int kListLength = 5;      // nodes per list
constexpr int kRuns = 31;           // timed collections per collector

// A list node: a header and two reference fields, as a level's small objects are.
class BenchNode : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_HashtableEntry;
  BenchNode() { RegisterReferenceFields(this, &next, &value); }
  BenchNode* next;
  Object* value;
  int32_t data;
};

// The same node for the Boehm collector: the same size, the references at the same places.
struct BoehmNode {
  void* header[2];
  BoehmNode* next;
  void* value;
  int32_t data;
};
static_assert(sizeof(BoehmNode) == sizeof(BenchNode), "both collectors see the same objects");

// The same array: an object with a length and a separately allocated body.
struct BoehmArray {
  void* table;
  int32_t classAndFlags;
  int32_t length;
  void** body;
};
static_assert(sizeof(BoehmArray) == sizeof(ObjectArray), "both collectors see the same arrays");

Object* groupRoots[kGroups];
Object** rootSlots[kGroups];
void* boehmGroups[kGroups];  // static data: one of Boehm's roots

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

template <class Collect>
std::vector<double> TimeRuns(Collect collect) {
  collect();  // warm-up
  std::vector<double> times;
  for (int run = 0; run < kRuns; run++) {
    auto start = std::chrono::steady_clock::now();
    collect();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  return times;
}

void BuildGraph() {
  for (int g = 0; g < kGroups; g++) {
    ObjectArray* group = NewObjectArray(cid::Object, kListsPerGroup);
    groupRoots[g] = group;
    for (int l = 0; l < kListsPerGroup; l++) {
      BenchNode* head = nullptr;
      for (int n = 0; n < kListLength; n++) {
        auto* node = NewObject<BenchNode>();
        node->next = head;
        node->data = n;
        head = node;
      }
      group->elements()[l] = head;
    }
  }
}

void BuildBoehmGraph() {
  for (int g = 0; g < kGroups; g++) {
    auto* group = static_cast<BoehmArray*>(GC_MALLOC(sizeof(BoehmArray)));
    group->length = kListsPerGroup;
    group->body = static_cast<void**>(GC_MALLOC(sizeof(void*) * kListsPerGroup));
    boehmGroups[g] = group;
    for (int l = 0; l < kListsPerGroup; l++) {
      BoehmNode* head = nullptr;
      for (int n = 0; n < kListLength; n++) {
        auto* node = static_cast<BoehmNode*>(GC_MALLOC(sizeof(BoehmNode)));
        node->next = head;
        node->data = n;
        head = node;
      }
      group->body[l] = head;
    }
  }
}

// Walks the Boehm graph from its roots (which also keeps the stores to them alive).
int CountBoehmNodes() {
  int nodes = 0;
  for (void* root : boehmGroups) {
    auto* group = static_cast<BoehmArray*>(root);
    for (int l = 0; l < group->length; l++) {
      for (auto* node = static_cast<BoehmNode*>(group->body[l]); node; node = node->next) nodes++;
    }
  }
  return nodes;
}

}  // namespace

int main() {
  // One marker thread on each side: our collector marks on the collecting thread alone.
  setenv("GC_MARKERS", "1", 1);
  GC_INIT();

  SetTraceFile(stderr);  // the results alone go to the standard output
  ApplicationImpl context;
  context.init(kBenchObjectHeapSize, kBenchDataHeapSize);
  Application& application = *context.application;
  for (int g = 0; g < kGroups; g++) rootSlots[g] = &groupRoots[g];
  application.objectManager->registerRootSlots(rootSlots, kGroups);
  BuildGraph();
  const int32_t objects = application.objectManager->objectCount();
  const double megabytes = application.objectHeap->usedBytes() / (1024.0 * 1024.0);
  double ours = Median(TimeRuns([&] { application.objectManager->gc(kGcForced); }));
  if (application.objectManager->objectCount() != objects) {
    fprintf(stderr, "gc_bench: the collector freed part of the live graph\n");
    return 1;
  }

  BuildBoehmGraph();
  double boehm = Median(TimeRuns([] { GC_gcollect(); }));
  if (CountBoehmNodes() != kGroups * kListsPerGroup * kListLength) {
    fprintf(stderr, "gc_bench: the Boehm graph is not whole\n");
    return 1;
  }

  context.close();

  printf("live graph: %d objects, %.2f MB of object heap (%d arrays of %d lists of %d nodes)\n",
         objects, megabytes, kGroups, kListsPerGroup, kListLength);
  printf("plimora_gc_median_ms: %.3f\n", ours);
  printf("boehm_gc_median_ms: %.3f\n", boehm);
  printf("ratio_vs_boehm: %.2f\n", ours / boehm);
  return 0;
}

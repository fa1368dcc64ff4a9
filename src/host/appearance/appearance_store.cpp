#include "host/appearance/appearance_store.h"

namespace appearance {
namespace {

// A namespace-scope object rather than a function-local static: the
// getters reach it on every call and should not pay for a guard check.
constinit AppearanceStore store;

}  // namespace

void AppearanceStore::Clear() {
  for (auto& category : records_) category.clear();
  sprites_.clear();
  animators_.clear();
  durations_.clear();
  market_.clear();
  names_.clear();
  signature_ = 0;
  loaded_ = false;
}

AppearanceStore& Store() { return store; }

}  // namespace appearance

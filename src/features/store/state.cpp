#include "features/store/state.h"

#include "web/endpoints.h"

namespace store {

void StoreState::Reset() { *this = StoreState(); }

StoreState& State() {
  // Never destroyed: what it holds (windows, their textures) must not be
  // released at process exit, when the graphics DLLs may be gone.
  static StoreState& state = *new StoreState;
  return state;
}

std::string ImageBaseUrl() {
  const StoreState& state = State();
  return state.imageBaseUrl.empty() ? web::CurrentEndpoints().storeImages : state.imageBaseUrl;
}

}  // namespace store

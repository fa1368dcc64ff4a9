#include "features/store/state.h"

#include "web/endpoints.h"

namespace store {

void StoreState::Reset() { *this = StoreState(); }

StoreState& State() {
  static StoreState state;
  return state;
}

std::string ImageBaseUrl() {
  const StoreState& state = State();
  return state.imageBaseUrl.empty() ? web::CurrentEndpoints().storeImages : state.imageBaseUrl;
}

}  // namespace store

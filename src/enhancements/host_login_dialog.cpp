#include "enhancements/host_login_dialog.h"

#include "enhancements/enhancement_hooks.h"
#include "host/hook_points.h"
#include "host/host_functions.h"
#include "host/host_texts.h"

namespace enhancements {

uint32_t SaveAccountCheckBox = 0;

namespace {

// The size of a host check box object.
constexpr uint32_t kCheckBoxSize = 60;

// After the host added its own child to its login dialog.
void OnLoginWindowCreated(uint32_t dialog) {
  const uint32_t object = HostAlloc(kCheckBoxSize);
  // The host constructs nothing on a null object.
  SaveAccountCheckBox =
      object == 0 ? 0 : HostCheckBoxConstruct(object, host::HostText("Save Account"));
  if (SaveAccountCheckBox == 0) return;
  HostCheckBoxSetChecked(SaveAccountCheckBox, false);
  HostAddChild(dialog, SaveAccountCheckBox);
  HostCheckBoxPlace(SaveAccountCheckBox, 0, 92, 200, 22);
}

// After the host's HostLogin from its login dialog.
void OnLoginSubmitted(const char* account, const char* password) {
  if (SaveAccountCheckBox == 0 || !HostCheckBoxChecked(SaveAccountCheckBox)) return;
  if (account == nullptr || password == nullptr || hooks::addSavedAccount == nullptr) return;
  hooks::addSavedAccount(account, password);
}

}  // namespace

void InstallHostLoginDialog() {
  host::hooks::loginWindowCreated = &OnLoginWindowCreated;
  host::hooks::loginSubmitted = &OnLoginSubmitted;
}

}  // namespace enhancements

#include "web/endpoints.h"

// The build passes the operator's addresses; these stand in without them.
#ifndef QUORLAN_SITE_URL
#define QUORLAN_SITE_URL "http://quorlan.net"
#endif
#ifndef QUORLAN_COMMUNITY_URL
#define QUORLAN_COMMUNITY_URL "https://discord.gg/quorlan"
#endif

namespace web {
namespace {

Endpoints Below(const std::string& base, const std::string& community) {
  return {base + "/api/status.php", base + "/images/store/", base + "/updater/quorlan/",
          base + "/", community};
}

Endpoints& Current() {
  static Endpoints endpoints = Below(QUORLAN_SITE_URL, QUORLAN_COMMUNITY_URL);
  return endpoints;
}

}  // namespace

const Endpoints& CurrentEndpoints() { return Current(); }

void UseEndpointsBelow(const std::string& base) { Current() = Below(base, base + "/community"); }

}  // namespace web

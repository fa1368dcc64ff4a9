// The operator's web addresses, all below one site the build names
// (QUORLAN_SITE_URL, and QUORLAN_COMMUNITY_URL for the chat's invite link);
// the simulator points them at its own server on 127.0.0.1.
#pragma once

#include <string>

namespace web {

struct Endpoints {
  std::string statusDocument;  // ".../api/status.php"
  std::string storeImages;     // ".../images/store/" (with the final '/')
  std::string updateService;   // ".../updater/quorlan/" (with the final '/')
  std::string webSite;         // the site's page base, followed by "?subtopic=..."
  std::string communityLink;   // the community chat's invite link
};

const Endpoints& CurrentEndpoints();
// Simulator and tests: every address below `base` ("http://127.0.0.1:PORT").
void UseEndpointsBelow(const std::string& base);

}  // namespace web

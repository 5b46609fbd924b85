// The servers the network neighbourhood shows, for telling whether a
// shortcut's network folder can be reached without touching the network.
#pragma once

#include <string>
#include <vector>

namespace trm {

// Remote names ("\\server") of the disk resources of the network context,
// in the order the provider gives them; empty when there is no network.
std::vector<std::string> listNetworkServers();

}  // namespace trm

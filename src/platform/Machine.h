#pragma once
// Who runs the program, where: what a report of a run names as its host and user.

#include <cstdint>
#include <string>

namespace platform {

// The machine's host name; empty when the system does not tell.
std::string hostName();
// The name of the user the program runs as (its effective user), or its number as text when the
// user database has no name for it.
std::string userName();
std::uint32_t userId();

}  // namespace platform

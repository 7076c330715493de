#pragma once
// What a channel between processes of one user needs of the system: who is at the other end of
// a local socket, and a folder for the socket that no other user can enter or plant anything in.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Result.h"

namespace platform {

// The user at the other end of a connected local socket (its descriptor), as the system
// recorded it when the connection was made: the listener's for a client, the client's for a
// listener. Null when the system does not say.
std::optional<std::uint32_t> peerUserId(std::intptr_t socket);

// Whether the folder is the user's alone: a folder (not a link), owned by the user, that no one
// else may enter. FileError::NotOwn when it is not.
Status checkPrivateFolder(const std::string& path);
// Makes the folder (its parent must be there) for the user alone, or takes the one that is
// there when it is a folder (not a link), owned by the user, that no one else may enter; one of
// the user's own that others may enter is closed to them first. Fails (FileError::NotOwn) for
// anything another user could have made or could still change.
Status ensurePrivateFolder(const std::string& path);

}  // namespace platform

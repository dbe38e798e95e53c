#pragma once

#include <QString>
#include <optional>

// The shared application-group directory that holds the item store and the image files.
//
// It is "$XDG_DATA_HOME/group.com.quellmar.Stashline.shared", or the directory named by the
// STASHLINE_GROUP_DIR environment variable, so tests and a second "device" on one machine can
// use their own. The directory is created on first use.
namespace GroupDirectory {

inline constexpr const char *groupIdentifier = "group.com.quellmar.Stashline.shared";

// The group directory, created if missing; none when it cannot be created or is not writable.
// Any thread; reads the environment on every call.
std::optional<QString> path();

} // namespace GroupDirectory

#pragma once

#include <QString>
#include <optional>

// The shared application-group directory that holds the item store and the image files.
//
// It is "$XDG_DATA_HOME/group.com.quellmar.Stashline.shared", or the directory named by the
// STASHLINE_GROUP_DIR environment variable, so tests and a second "device" on one machine can
// use their own. The directory is created on first use, readable by the user alone (0700), and
// so is everything the app keeps in it: files 0600, folders 0700.
namespace GroupDirectory {

inline constexpr const char *groupIdentifier = "group.com.quellmar.Stashline.shared";

// The group directory, created (0700) if missing; none when it cannot be created or is not
// writable. A directory an earlier version left open to others (0755) is made private with
// everything in it, here, the first time it is found so. Any thread; reads the environment on
// every call.
std::optional<QString> path();

// Makes `directory` and everything under it the user's alone: 0700 for folders, 0600 for files
// (links are left as they are, never followed). Touches only what differs, so a private tree
// costs one look per entry. False when an entry could not be changed; the rest is still done.
bool makePrivate(const QString &directory);

// The device name a second instance on this machine shows in its window title and tray
// tooltip: the end of the group directory's name after the default one ("device-2" for
// "group.com.quellmar.Stashline.shared.device-2"), the directory's name for any other, empty for
// the default directory.
QString deviceName();

} // namespace GroupDirectory

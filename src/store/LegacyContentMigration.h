#pragma once

#include "platform/ManagedObjectContext.h"

// The store layout step that fills in items written before items had content: an item whose
// content is absent and whose title holds a web link gets the link as content (kind "url") and
// keeps the rest of the title, or the link's host without "www." when nothing is left; one
// whose title holds no link becomes a note without content. Items with any content, even
// empty, are left alone. The items are not marked for upload.
StoreMigration legacyContentMigration(int version);

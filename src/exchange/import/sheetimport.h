// Importing a sheet into the open school's lists and plan: the preview of what it would do,
// from the sheet's rows and its shape (found from its header row unless the user names it).
#pragma once

#include "importpreview.h"

#include "table/table.h"

#include <optional>

namespace orve::exchange {

// The preview of importing `table` into a copy of `school`, in the shape the header row shows
// or in `shape`.
ImportPreview previewImport(const model::School& school, const Table& table,
                            std::optional<SheetShape> shape = std::nullopt);

} // namespace orve::exchange

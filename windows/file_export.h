// Writing a whole file that the player chose, all or nothing, and saying in Russian why it failed.
#pragma once

#include <QString>

#include <string_view>

namespace duel {

// Writes `bytes` to `path` through QSaveFile: a temporary file beside it,
// renamed over it only when every byte was written, so that a failure (a
// full disk, a folder that cannot be written) leaves an existing file as it
// was and no empty one behind.  Empty when it worked; else why not, in
// Russian, as the end of "Не удалось записать ... : <why>".
QString WriteWholeFile(const QString& path, std::string_view bytes);

// Where a file of `fileName` is first offered: the user's documents folder,
// or the home folder when there is none.
QString SuggestedPath(const QString& fileName);

}  // namespace duel

#pragma once
// Temporary files of rewrites that never finished. A save killed after
// writing its temporary file ("pictures.txt.tmp-PID") leaves it behind; one
// would pile up per killed save.

#include <filesystem>
#include <string_view>

namespace mosarin {

// The process id in the name of a temporary file this program writes beside
// one of its own files ("pictures.txt", "Pic0001Date0912Time1030.gpe", ...,
// followed by ".tmp-" and the id), or 0 for any other name.
long temporaryFileOwner(std::string_view name);

// Removes from `folder` the regular files named as above whose process no
// longer runs. Any other file, and the files of running processes (another
// copy in the middle of a save), are left alone. Returns how many were removed.
int removeStaleTemporaryFiles(const std::filesystem::path& folder);

}  // namespace mosarin

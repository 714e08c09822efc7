#pragma once
// Where the sheets go. They are written into the working directory: started
// from a folder (double-clicked there or from a command prompt), that
// folder. A menu entry (the Windows Start-menu link) starts the program in
// its installation folder, which is no place for a teacher's sheets and is
// not writable, so the entry passes kFromMenu and the sheets go to the
// user's Documents/Mireva instead, made when it is missing.

#include <QStringList>

namespace StartFolder {
inline constexpr char kFromMenu[] = "--from-menu";

// Makes Documents/Mireva the working directory when the program's
// arguments hold kFromMenu; returns false when that folder cannot be made
// or entered (the working directory then stays as it was).
bool apply(const QStringList& arguments);
} // namespace StartFolder

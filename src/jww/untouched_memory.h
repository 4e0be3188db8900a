// Whether memory taken but never written takes no room where the program runs.
#pragma once

namespace pennatran {

// True where the system backs each page of memory on its first touch. There an array may
// take room for the most records a file could hold and still hold only the pages its
// records fill.
bool UntouchedMemoryIsFree();

}  // namespace pennatran

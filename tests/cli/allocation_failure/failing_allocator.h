#pragma once
// This program's operator new, which counts the requests made while a window
// is open and refuses one of them, as the system refuses a request when
// memory runs out: through the new handler, as the standard library's
// operator new does. Nothrow new and the arrays go through it, and so does
// whatever allocates through them (the module's code, and libxml2 through
// the editor's allocator).
#include <cstddef>
#include <new>

namespace failing_allocator {

// Opens the window: counting starts from 0, and the `refuse`th request in
// it is refused (0: none). Without `exceptions` the refusal cannot throw, as
// where the runtime has no memory left for an exception: the new handler is
// called, and an exception it throws, or its return, aborts the program.
void Open(long refuse, bool exceptions = true);
// Closes it; the number of requests made while it was open.
long Close();
// Whether the request to refuse came while the window was open.
bool Refused();
// The number of requests of the last window made before the first one under
// `handler` (all of them if none was).
long RequestsBefore(std::new_handler handler);

}  // namespace failing_allocator

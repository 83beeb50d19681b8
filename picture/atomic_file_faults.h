#pragma once
// A test-only seam in writeFileAtomically: a test can make one step of the
// rewrite fail as the system would (a full disk while writing, a folder that
// refuses the temporary file, a failed rename), including on a machine where
// the tests run as the superuser and permissions stop nothing. The program
// never installs a fault; with none installed every step runs as usual.

namespace mosarin {

// The steps of a rewrite, in the order they are taken.
enum class AtomicWriteStep { CreateTemporary, Write, Sync, Close, Rename };

// Called before each step; returns 0 to let the step run, or the errno value
// with which the step fails instead. A failing Write first writes half of
// the bytes, as a disk that fills up part way does.
using AtomicWriteFault = int (*)(AtomicWriteStep step);

// Installs `fault` (nullptr removes it) and returns the one it replaces.
AtomicWriteFault setAtomicWriteFault(AtomicWriteFault fault);

}  // namespace mosarin

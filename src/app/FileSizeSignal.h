#pragma once
// Past the process's file-size limit the kernel stops a write with the
// signal SIGXFSZ, whose default action ends the program on the spot: no
// message, and the temporary file of the save left beside the target.
// Ignored, the write fails with EFBIG instead, and the save reports
// "Error writing file" and cleans up like any other failed write.

namespace rho {

// Call once at the start of main(), before any file is written.
void ignoreFileSizeSignal();

}  // namespace rho

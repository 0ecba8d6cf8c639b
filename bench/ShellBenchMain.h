#pragma once

// Closes the benchmark's open book while the application object still exists; each
// desktop benchmark program defines it.
void CloseBenchBook();

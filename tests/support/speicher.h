#pragma once

// The resident size of this process in MiB, for the benchmarks' memory counters: what
// the process holds in RAM now, freed heap the allocator keeps included.
double ResidentMB();

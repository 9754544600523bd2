// SPDX-License-Identifier: GPL-3.0-or-later
// Settings of the memory allocator that the programs reading whole address books link.
// A store of 100,000 contacts is a hundred megabytes or more of small blocks, all new memory:
// faulting it in 4 KiB pages costs more than parsing it on a virtual machine, so the
// allocator asks for transparent huge pages (where the system offers them on request).
// jemalloc reads this variable by name when it starts.

// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables): looked up by name
extern "C" const char *malloc_conf;
const char *malloc_conf = "thp:always,metadata_thp:auto";

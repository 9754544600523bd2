// SPDX-License-Identifier: GPL-3.0-or-later
// The allocator's settings live in a variable it looks up by name when it starts; a link that
// hides the variable leaves it on its defaults without a word, so the test asks it.
#ifdef VORLIN_ALLOCATOR_JEMALLOC
#include <jemalloc/jemalloc.h>
#endif

#include <gtest/gtest.h>

TEST(AllocatorSettings, hugePagesAreAskedFor)
{
#ifdef VORLIN_ALLOCATOR_JEMALLOC
    const char *mode = nullptr;
    std::size_t size = sizeof mode;
    ASSERT_EQ(mallctl("opt.thp", static_cast<void *>(&mode), &size, nullptr, 0), 0);
    EXPECT_STREQ(mode, "always");
#else
    GTEST_SKIP() << "sanitizer builds keep the allocator of their runtime";
#endif
}

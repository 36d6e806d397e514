// The trace written as the run goes (the replay tool's way, so that a long run's trace never
// has to fit in memory): the same lines a kept trace holds, each out as soon as it ends.
#include <gtest/gtest.h>

#include <sstream>

#include "lessonlib/headless_session.h"
#include "platform/trace.h"
#include "tests/test_support.h"

using testing_support::kTestProgram;
using testing_support::WithKeys;

TEST(Trace, AStreamedRunWritesWhatAKeptOneHoldsAndHoldsNone) {
  const std::string keys = "12\b3\n8\n";
  lesson::HeadlessSession kept(kTestProgram, WithKeys(keys));
  kept.Start();
  std::ostringstream out;
  platform::HeadlessOptions options = WithKeys(keys);
  options.trace_stream = &out;
  lesson::HeadlessSession streamed(kTestProgram, options);
  streamed.Start();
  EXPECT_GT(kept.trace().lines().size(), 10u);
  EXPECT_EQ(out.str(), kept.trace().Text());
  EXPECT_TRUE(streamed.trace().lines().empty());
  EXPECT_EQ(streamed.trace().last_line(), "end\tprogram-ended");
  EXPECT_EQ(kept.trace().last_line(), "end\tprogram-ended");
}

TEST(Trace, EachLineIsWrittenWhenItEnds) {
  std::ostringstream out;
  platform::Trace trace(&out);
  EXPECT_EQ(trace.last_line(), "");
  trace.Begin("key").Add(13).End();
  EXPECT_EQ(out.str(), "key\t13\n");
  trace.Begin("wait").Add("WaitForKey");
  EXPECT_EQ(out.str(), "key\t13\n");
  trace.End();
  EXPECT_EQ(out.str(), "key\t13\nwait\tWaitForKey\n");
  EXPECT_EQ(trace.last_line(), "wait\tWaitForKey");
}

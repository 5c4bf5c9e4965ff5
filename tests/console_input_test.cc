#include "session/console_input.h"

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "tests/fake_world.h"

namespace nines::session {
namespace {

struct WordCase {
  std::string input;
  std::vector<std::string> words;  // what successive reads keep, 7 bytes at most
  std::vector<std::size_t> lengths;
};

// Each input is read word by word into an 8-byte buffer until a read finds
// nothing.
TEST(ReadWordTest, KeepsAtMostTheBufferAndDropsTheRest) {
  const std::vector<WordCase> cases = {
      {"", {}, {}},
      {" \t\r\n\v\f", {}, {}},
      {"12 -34\r\n+5", {"12", "-34", "+5"}, {2, 3, 2}},
      {"abcdefghij next", {"abcdefg", "next"}, {10, 4}},
      {std::string("1\0" "2 x", 5), {std::string("1\0" "2", 3), "x"}, {3, 1}},
      {"\xff\x80 \x01", {"\xff\x80", "\x01"}, {2, 1}},
      // A cut never splits a UTF-8 character: Greek letters take two bytes,
      // a musical symbol four; bytes that are not UTF-8 are cut anywhere.
      {"\u03b1\u03b2\u03b3\u03b4\u03b5", {"\u03b1\u03b2\u03b3"}, {10}},
      // A letter that ends right at the cut stays.
      {"a\u03b1\u03b2\u03b3\u03b4", {"a\u03b1\u03b2\u03b3"}, {9}},
      // Thai letters take three bytes, the first of them 0xE0.
      {"\u0e2a\u0e21\u0e0a\u0e32\u0e22", {"\u0e2a\u0e21"}, {15}},
      {"abc\U0001D11E", {"abc\U0001D11E"}, {7}},
      {"abcdef\U0001D11E", {"abcdef"}, {10}},
      {"abcdef\xff\xff", {"abcdef\xff"}, {8}},
      {"ab\x80\x80\x80\x80\x80\x80", {"ab\x80\x80\x80\x80\x80"}, {8}},
      {std::string(10'000'000, '7'), {"7777777"}, {10'000'000}},
  };
  for (const WordCase& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 20));
    std::istringstream in(c.input);
    std::array<char, 8> buffer{};
    std::vector<std::string> words;
    std::vector<std::size_t> lengths;
    for (WordRead read = readWord(in, buffer); read.found; read = readWord(in, buffer)) {
      words.emplace_back(buffer.data(), read.kept);
      lengths.push_back(read.length);
      EXPECT_EQ(buffer[read.kept], '\0');
    }
    EXPECT_EQ(words, c.words);
    EXPECT_EQ(lengths, c.lengths);
  }
}

TEST(ReadPauseTest, TakesOneCharacterAndLeavesTheRest) {
  std::istringstream in("  ab\n cd");
  std::array<char, 8> buffer{};
  readPause(in);
  readPause(in);
  ASSERT_TRUE(readWord(in, buffer).found);
  EXPECT_STREQ(buffer.data(), "cd");
  readPause(in);  // at end of input it just returns
  EXPECT_FALSE(readWord(in, buffer).found);
  EXPECT_STREQ(buffer.data(), "");
}

// A read error ends the input where it happens: nothing is thrown, the
// stream is marked bad, and later reads find nothing.
TEST(ReadWordTest, ReadErrorReadsAsTheEndOfInput) {
  testing::InputThatFails source("ab cd");
  std::istream in(&source);
  std::array<char, 8> buffer{};
  readPause(in);
  ASSERT_TRUE(readWord(in, buffer).found);
  EXPECT_STREQ(buffer.data(), "b");
  ASSERT_TRUE(readWord(in, buffer).found);
  EXPECT_STREQ(buffer.data(), "cd");
  EXPECT_TRUE(in.bad());
  EXPECT_FALSE(readWord(in, buffer).found);
  readPause(in);
  EXPECT_TRUE(in.bad());
}

// The prompt before a read must be on screen: the read flushes a tied stream.
TEST(ReadWordTest, FlushesTheTiedOutputFirst) {
  struct SyncCounter : std::stringbuf {
    int syncs = 0;
    int sync() override {
      ++syncs;
      return 0;
    }
  } sink;
  std::ostream out(&sink);
  std::istringstream in("word");
  in.tie(&out);
  std::array<char, 8> buffer{};
  readWord(in, buffer);
  EXPECT_EQ(sink.syncs, 1);
}

}  // namespace
}  // namespace nines::session

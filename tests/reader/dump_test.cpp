// dsup-dump: its three formats, its verification exit codes, and that no damaged or hostile file
// makes it crash (random corruptions, truncations and extensions of valid files of every type).
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "dump.h"
#include "reader_test_files.h"

namespace dsuptest {
namespace {

class Dump : public PlatformTest {
 protected:
  int run(std::vector<std::string> arguments) {
    out_.str("");
    err_.str("");
    return dsupdump::runDump(arguments, out_, err_);
  }
  std::string path(const Bytes& bytes) {
    writeHostFile(temp.file("DUMP.DAT"), bytes);
    return temp.file("DUMP.DAT");
  }
  bool printed(const std::string& text) const { return out_.str().find(text) != std::string::npos; }

  std::ostringstream out_, err_;
};

TEST_F(Dump, PrintsHeaderAndPointsAsTextCsvAndJson) {
  Bytes bytes = recordedFile(temp, 130, {-5, 3});
  bytes[1370] = '"';  // barcode: one character, a quote...
  bytes[1369] = 2;    // ...and a control character
  bytes[1372] = 1;
  const std::string file = path(bytes);
  EXPECT_EQ(run({file}), 0);
  EXPECT_TRUE(printed("kindText @347 = \"LC DATA FILE\"\n"));
  EXPECT_TRUE(printed("barcode @1369 = \"\\\"\\u0001\"\n"));
  EXPECT_TRUE(printed("point 1 at 10 ms: 3\n"));
  EXPECT_EQ(run({"--format=csv", "--points", file}), 0);
  EXPECT_EQ(out_.str(), "index,time_ms,value\n0,0,-5\n1,10,3\n");
  EXPECT_EQ(run({"--format=csv", "--header", file}), 0);
  EXPECT_TRUE(printed("field,offset,value\ntypeNumberAscii,0,\"130\"\n"));
  EXPECT_EQ(run({"--format=json", file}), 0);
  EXPECT_TRUE(printed("{\"name\":\"rateCode\",\"offset\":4122,\"value\":65636}"));
  EXPECT_TRUE(printed("\"points\":[[0,-5],[10,3]],\"violations\":[]}\n"));
}

TEST_F(Dump, VerifyExitsWithTheViolations) {
  Bytes bytes = recordedFile(temp, 108, {1, 2});
  EXPECT_EQ(run({"--verify", path(bytes)}), 0);
  EXPECT_TRUE(printed(": verified\n"));
  bytes.pop_back();
  EXPECT_EQ(run({"--verify", path(bytes)}), 1);
  EXPECT_TRUE(printed(": 1 violations\n  the data ends without the end mark at 6150\n"));
  EXPECT_EQ(run({"--verify", "--format=json", path(bytes)}), 1);
  EXPECT_TRUE(printed("\"violations\":[\"the data ends without the end mark at 6150\"]}"));
}

TEST_F(Dump, RefusesBadArgumentsAndMissingFiles) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{}, {"--format=xml", "a"}, {"--bogus", "a"}, {"a", "b"}, {"--header", "--points", "a"},
        {temp.file("MISSING.DAT")}}) {
    EXPECT_EQ(run(arguments), 2);
    EXPECT_FALSE(err_.str().empty());
  }
}

TEST_F(Dump, NeverCrashesOnDamagedOrHostileFiles) {
  std::mt19937 random(42);
  const std::vector<Bytes> valid = {recordedFile(temp, 108, {1, 70000, -3, 4}), recordedFile(temp, 130, {5, 6}),
                                    recordedFile(temp, 179, {1.5, -2.5}), recordedFile(temp, 181, {7, 8, 9})};
  const std::vector<std::string> formats = {"--format=text", "--format=csv", "--format=json"};
  for (int round = 0; round < 600; ++round) {
    Bytes bytes = valid[random() % valid.size()];
    const unsigned edits = random() % 40;
    for (unsigned i = 0; i < edits; ++i) {
      // Half the edits hit the fields and data near the header's structure, half anywhere.
      const std::size_t at = i % 2 ? random() % bytes.size() : 6144 + random() % (bytes.size() - 6144);
      bytes[at] = static_cast<std::uint8_t>(random() % 4 ? random() : (random() % 2 ? 0xFF : 0x00));
    }
    if (random() % 3 == 0) bytes.resize(random() % (bytes.size() + 1));
    if (random() % 5 == 0) bytes.insert(bytes.end(), random() % 20, static_cast<std::uint8_t>(random()));
    const std::string file = path(bytes);
    SCOPED_TRACE(round);
    const int verified = run({"--verify", file});
    EXPECT_TRUE(verified == 0 || verified == 1);
    EXPECT_EQ(run({formats[random() % formats.size()], file}), 0);
  }
}

}  // namespace
}  // namespace dsuptest

// dsup-dump: its three formats, its verification exit codes, and that no damaged or hostile file
// makes it crash (random corruptions, truncations and extensions of valid files of every type).
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "dump.h"
#include "rawdata/signal_file_test.h"

namespace dsuptest {
namespace {

class Dump : public SignalFileTest {
 protected:
  std::string recorded(LONG fileType, const std::vector<double>& points, const std::u16string& barcode = u"") {
    HGLOBAL handle = create(fileType);
    EXPECT_EQ(write(handle, fileType, points) | DSupRwdWriteBarcode(handle, w(barcode)), 0);
    EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
    return temp.file("RUN1.DAT");
  }
  int run(const std::vector<std::string>& arguments) {
    out_.str("");
    err_.str("");
    return dsupdump::runDump(arguments, out_, err_);
  }
  bool printed(const std::string& text) const { return out_.str().find(text) != std::string::npos; }

  std::ostringstream out_, err_;
};

TEST_F(Dump, PrintsHeaderAndPointsAsTextCsvAndJson) {
  const std::string file = recorded(130, {-5, 3}, u"\"\x01");
  EXPECT_EQ(run({file}), 0);
  EXPECT_TRUE(printed("kindText @347 = \"LC DATA FILE\"\n"));
  EXPECT_TRUE(printed("barcode @1369 = \"\\\"\\u0001\"\n")) << "a hostile text cannot break the output";
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
  const std::string file = recorded(108, {1, 2});
  EXPECT_EQ(run({"--verify", file}), 0);
  EXPECT_TRUE(printed(": verified\n"));
  Bytes bytes = fileBytes();
  bytes.pop_back();
  writeHostFile(file, bytes);
  EXPECT_EQ(run({"--verify", file}), 1);
  EXPECT_TRUE(printed(": 1 violations\n  the data ends without the end mark at 6150\n"));
  EXPECT_EQ(run({"--verify", "--format=json", file}), 1);
  EXPECT_TRUE(printed("\"violations\":[\"the data ends without the end mark at 6150\"]}"));
  for (const std::vector<std::string>& refused : {std::vector<std::string>{}, {"--format=xml", file}, {"--bogus", file},
                                                  {file, file}, {"--header", "--points", file}, {file + ".missing"}}) {
    EXPECT_EQ(run(refused), 2);
    EXPECT_FALSE(err_.str().empty());
  }
}

TEST_F(Dump, NeverCrashesOnDamagedOrHostileFiles) {
  std::mt19937 random(42);
  std::vector<Bytes> valid;
  for (LONG type : {108, 130, 179, 181}) {
    recorded(type, {1, 70000, -3, 4});
    valid.push_back(fileBytes());
  }
  const std::string file = temp.file("HOSTILE.DAT");
  for (int round = 0; round < 600; ++round) {
    Bytes bytes = valid[random() % valid.size()];
    for (unsigned edits = random() % 40; edits > 0; --edits) {
      // Half the edits hit the data section, half anywhere; some are the extremes 0x00 and 0xFF.
      const std::size_t at = edits % 2 ? random() % bytes.size() : 6144 + random() % (bytes.size() - 6144);
      bytes[at] = static_cast<std::uint8_t>(random() % 4 ? random() : (random() % 2 ? 0xFF : 0x00));
    }
    if (random() % 3 == 0) bytes.resize(random() % (bytes.size() + 1));
    if (random() % 5 == 0) bytes.insert(bytes.end(), random() % 20, static_cast<std::uint8_t>(random()));
    writeHostFile(file, bytes);
    const int verified = run({"--verify", file});
    EXPECT_TRUE(verified == 0 || verified == 1) << round;
    EXPECT_EQ(run({"--format=" + std::string(round % 3 ? (round % 3 == 1 ? "csv" : "json") : "text"), file}), 0);
  }
}

}  // namespace
}  // namespace dsuptest

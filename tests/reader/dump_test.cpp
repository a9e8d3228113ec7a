// dsup-dump: its three formats for signal and spectra files, its verification exit codes, and that
// no damaged or hostile file makes it crash (random corruptions, truncations and extensions of
// valid files of every type, spectra files finished and still being recorded).
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "dump.h"
#include "rawdata/raw_file_test.h"

namespace dsuptest {
namespace {

class Dump : public RawFileTest {
 protected:
  std::string recorded(LONG fileType, const std::vector<double>& points, const std::u16string& barcode = u"") {
    HGLOBAL handle = create(fileType);
    EXPECT_EQ(write(handle, fileType, points) | DSupRwdWriteBarcode(handle, w(barcode)), 0);
    EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
    return temp.file("RUN1.DAT");
  }
  // Records 0 (kind 2, difference-coded 5, 40000) and 1 (absolute, no values).
  std::string recordedSpectra(bool finished) {
    HGLOBAL handle = createSpectra(2);
    EXPECT_EQ(record(handle, 0, {5, 40000}) | record(handle, 1, {}, false) | DSupRwdWriteCache(handle, 0), 0);
    const Bytes recording = fileBytes();
    EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
    if (!finished) writeHostFile(temp.file("RUN1.DAT"), recording);
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

TEST_F(Dump, PrintsSpectraRecordsAndTheirIndexAsTextCsvAndJson) {
  const std::string file = recordedSpectra(true);
  EXPECT_EQ(run({file}), 0);
  EXPECT_TRUE(printed("type 131, 4176 bytes, 2 records, finished with an index of 2 entries\n"));
  EXPECT_TRUE(printed("  record 0 at 4096: C, 30 bytes, descriptor 7 (0, 2, 3, 100), extension 01020304, 2 values: 5 40000\n"));
  EXPECT_TRUE(printed("  record 1 at 4126: A, 22 bytes, descriptor 1007 (1, 2, 3, 101), extension 02020304, 0 values: \n"));
  EXPECT_TRUE(printed("  index entry 1: record at 4126, descriptor 1007, field 101\n"));
  EXPECT_EQ(run({"--format=csv", "--points", file}), 0);
  EXPECT_EQ(out_.str(), "record,offset,coding,length,descriptor,field1,field2,field3,field4,extension,values\n"
                        "0,4096,C,30,7,0,2,3,100,01020304,5 40000\n1,4126,A,22,1007,1,2,3,101,02020304,\n\n"
                        "entry,offset,descriptor,field4\n0,4096,7,100\n1,4126,1007,101\n");
  EXPECT_EQ(run({"--format=json", "--points", recordedSpectra(false)}), 0);
  EXPECT_TRUE(printed("\"fileLength\":4150,\"finished\":false,\"records\":[{\"offset\":4096,\"coding\":\"C\",\"length\":30,"
                      "\"descriptor\":7,\"fields\":[0,2,3,100],\"extension\":\"01020304\",\"values\":[5,40000]},"));
  EXPECT_TRUE(printed("\"values\":[]}],\"index\":[],\"violations\":[]}\n"));
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
                                                  {file, file}, {"--header", "--points", file}, {file + ".missing"},
                                                  {"--format=svg", "--header", file}, {"--format=svg", "--verify", file}}) {
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
  for (bool finished : {true, false}) {
    recordedSpectra(finished);
    valid.push_back(fileBytes());
  }
  const std::string file = temp.file("HOSTILE.DAT");
  for (int round = 0; round < 600; ++round) {
    Bytes bytes = valid[random() % valid.size()];
    for (unsigned edits = random() % 40; edits > 0; --edits) {
      // Half the edits hit the data section, half anywhere; some are the extremes 0x00 and 0xFF.
      const std::size_t at = edits % 2 ? random() % bytes.size() : 4096 + random() % (bytes.size() - 4096);
      bytes[at] = static_cast<std::uint8_t>(random() % 4 ? random() : (random() % 2 ? 0xFF : 0x00));
    }
    if (random() % 3 == 0) bytes.resize(random() % (bytes.size() + 1));
    if (random() % 5 == 0) bytes.insert(bytes.end(), random() % 20, static_cast<std::uint8_t>(random()));
    writeHostFile(file, bytes);
    const int verified = run({"--verify", file});
    EXPECT_TRUE(verified == 0 || verified == 1) << round;
    const char* formats[] = {"text", "csv", "json", "svg"};
    EXPECT_EQ(run({std::string("--format=") + formats[round % 4], file}), 0);
  }
}

}  // namespace
}  // namespace dsuptest

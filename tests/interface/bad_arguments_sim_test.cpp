// Every export, called with what a driver may wrongly hand over: a handle of 0, a freed one, one
// the library never gave out, a window that is no standard dialog, null pointers, negative counts
// and over-long texts. Each row expects the documented refusal and that nothing was touched: no
// file, no control, no message box unless the function shows one for any window, no caller buffer
// where the function gives up before writing; the base fixture checks memory, handles and windows.
// A foreign handle here is a value the platform never gave out: only the simulated platform
// refuses such a value safely, so this runs on it alone. The rows are checked against the export
// list, so that a new export cannot go without one.
#include <dsup.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <ostream>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "common/platform_test.h"
#include "common/wide_text.h"
#include "sim/trace.h"

namespace dsuptest {
namespace {

constexpr int editId = 10, comboId = 20, buttonId = 30, missingId = 99;

HGLOBAL wildBlock() { return reinterpret_cast<HGLOBAL>(std::uintptr_t{0x7E5710}); }
HWND wildWindow() { return reinterpret_cast<HWND>(std::uintptr_t{0x7E5720}); }
HANDLE wildFile() { return reinterpret_cast<HANDLE>(std::uintptr_t{0x7E5730}); }

// What a row can observe of the plain window's controls.
std::string controlsOf(HWND window) {
  std::string seen;
  for (const int id : {editId, comboId, buttonId}) {
    const HWND control = GetDlgItem(window, id);
    WCHAR text[256] = {};
    GetWindowTextW(control, text, 256);
    for (const WCHAR* c = text; *c; ++c) seen += static_cast<char>(*c);
    seen += " style " + std::to_string(GetWindowLongW(control, GWL_STYLE));
    seen += IsWindowEnabled(control) ? " enabled" : " disabled";
    seen += " check " + std::to_string(SendMessageW(control, BM_GETCHECK, 0, 0));
    seen += " items " + std::to_string(SendMessageW(control, CB_GETCOUNT, 0, 0));
    seen += " selected " + std::to_string(SendMessageW(control, CB_GETCURSEL, 0, 0)) + "; ";
  }
  return seen + "focus " + std::to_string(GetDlgCtrlID(GetFocus()));
}

class BadArguments;

struct Row {
  const char* name;
  std::function<void(BadArguments&)> check;  // null: the function takes numbers alone
};

class BadArguments : public PlatformTest, public ::testing::WithParamInterface<Row> {
 public:
  using PlatformTest::temp;
  using PlatformTest::user;

  void SetUp() override {
    PlatformTest::SetUp();
    plain = CreateWindowExW(0, w(u"Static"), w(u"Instrument"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                            nullptr, nullptr, nullptr, nullptr);
    child(u"Edit", u"12.5", WS_CHILD | WS_VISIBLE | WS_TABSTOP, editId);
    child(u"ComboBox", u"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, comboId);
    child(u"Button", u"Go", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, buttonId);
    destroyed = CreateWindowExW(0, w(u"Static"), w(u"Gone"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                nullptr, nullptr, nullptr);
    DestroyWindow(destroyed);
    foreignBlock = GlobalAlloc(GHND, 16);
    freed = signalFile(u"FREED.DAT");
    HGLOBAL copy = freed;
    DSupRwdCloseRawdataFile(&copy);
    open_.clear();
  }

  void TearDown() override {
    for (HGLOBAL& handle : open_) DSupRwdCloseRawdataFile(&handle);
    for (HANDLE file : files_) CloseHandle(file);
    EXPECT_EQ(GlobalFree(foreignBlock), nullptr) << "the foreign block was left alone";
    DestroyWindow(plain);
    PlatformTest::TearDown();
  }

  HGLOBAL signalFile(const char16_t* name = u"RUN1.DAT") {
    HGLOBAL handle = DSupRwdCreateRawdataFile(nullptr, 1 << 16 | 100, nullptr, nullptr, 1.0, w(temp.path16()), w(name),
                                              w(temp.path16()), nullptr, 130, nullptr, nullptr, nullptr, nullptr,
                                              nullptr, 0, 0, 0);
    EXPECT_NE(handle, nullptr);
    open_.push_back(handle);
    return handle;
  }

  HGLOBAL spectraFile() {
    RwdHeaderParameters parameters{};
    std::ranges::copy(temp.path16(), parameters.directory);
    std::ranges::copy(std::u16string(u"SPECTRA.DAT"), parameters.fileName);
    std::ranges::copy(temp.path16(), parameters.sideFileDirectory);
    HGLOBAL handle = DSupRwdCreateSpectraFile(&parameters);
    EXPECT_NE(handle, nullptr);
    open_.push_back(handle);
    return handle;
  }

  // A file of the test's directory holding `bytes`, open for reading and writing.
  HANDLE textFile(const std::string& bytes) {
    writeHostFile(temp.file("TEXT.TXT"), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    HANDLE file = CreateFileW(w(temp.file16("TEXT.TXT")), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    files_.push_back(file);
    return file;
  }

  HANDLE closedFile() {
    HANDLE file = textFile("x");
    files_.pop_back();
    CloseHandle(file);
    return file;
  }

  std::vector<HGLOBAL> badHandles() const { return {nullptr, freed, foreignBlock, wildBlock()}; }
  std::vector<HWND> badWindows() const { return {nullptr, plain, destroyed, wildWindow()}; }
  std::vector<HANDLE> badFiles() { return {nullptr, INVALID_HANDLE_VALUE, closedFile(), wildFile()}; }

  // Runs the calls and expects the files of the test's directory, the plain window's controls
  // and the trace to be as before, but for `boxes` message boxes that the calls show.
  void unchanged(const std::function<void()>& calls, std::size_t boxes = 0) {
    const auto files = filesNow();
    const std::string controls = controlsOf(plain);
    const std::size_t boxesBefore = sim::messageBoxes().size();
    for (std::size_t i = 0; i < boxes; ++i) user.answerMessageBox(IDOK);
    calls();
    EXPECT_EQ(filesNow(), files) << "a file was touched";
    EXPECT_EQ(controlsOf(plain), controls) << "a control was touched";
    EXPECT_EQ(sim::messageBoxes().size() - boxesBefore, boxes) << "message boxes shown";
  }

  HWND plain = nullptr, destroyed = nullptr;
  HGLOBAL freed = nullptr, foreignBlock = nullptr;

 private:
  void child(const char16_t* className, const char16_t* text, DWORD style, int id) {
    CreateWindowExW(0, w(className), w(text), style, 10, 10 + id * 3, 200, 20, plain,
                    reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
  }

  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> filesNow() const {
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
    for (const std::string& name : temp.listing()) files.emplace_back(name, readHostFile(temp.file(name)));
    return files;
  }

  std::vector<HGLOBAL> open_;
  std::vector<HANDLE> files_;
};

std::u16string longText(std::size_t units, char16_t unit = u'x') { return std::u16string(units, unit); }

// ---- Raw data: creation -------------------------------------------------------------------------

void createRefusals(BadArguments& t, decltype(&DSupRwdCreateRawdataFile) create) {
  const std::u16string directory = t.temp.path16(), tooLongDirectory = longText(256, u'd') + u"/",
                       tooLongName = longText(45, u'n'), longest = longText(300);
  t.unchanged([&] {
    const auto creation = [&](LPCWSTR dir, LPCWSTR name, LONG* status, LONG type, DWORD rate = 1 << 16 | 100) {
      return create(nullptr, rate, nullptr, nullptr, 1.0, dir, name, dir, status, type, nullptr, nullptr, nullptr,
                    nullptr, nullptr, 0, 0, 0);
    };
    EXPECT_EQ(creation(w(directory), w(u"RUN1.DAT"), nullptr, 131), nullptr) << "no status variable to set";
    EXPECT_EQ(creation(w(directory), w(u"RUN1.DAT"), nullptr, 130, 100), nullptr) << "a rate with no seconds";
    for (const auto& [dir, name] : {std::pair{directory, tooLongName}, std::pair{tooLongDirectory, std::u16string(u"R")},
                                    std::pair{directory, std::u16string()}}) {
      LONG status = 0;
      EXPECT_EQ(creation(w(dir), w(name), &status, 130), nullptr);
      EXPECT_EQ(status, 1);
    }
    LONG status = 0;
    EXPECT_EQ(creation(w(directory), nullptr, &status, 130), nullptr) << "a null file name names the directory";
    EXPECT_EQ(status, 1);
  });
  // Over-long texts of the header are cut to their fields: the header keeps its size.
  LONG status = 7;
  HGLOBAL handle = create(w(longest), 1 << 16 | 100, w(longest), w(longest), 1.0, w(directory), w(u"LONG.DAT"),
                          w(longest), &status, 130, w(longest), w(longest), w(longest), w(longest), w(longest), 0, 0, 0);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(status, 7);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  EXPECT_EQ(readHostFile(t.temp.file("LONG.DAT")).size(), 6146u);
}

void spectraRefusals(BadArguments& t) {
  RwdHeaderParameters parameters{};
  std::ranges::copy(t.temp.path16(), parameters.directory);
  std::ranges::copy(std::u16string(u"SPECTRA.DAT"), parameters.fileName);
  t.unchanged([&] {
    EXPECT_EQ(DSupRwdCreateSpectraFile(nullptr), nullptr);
    // Texts that fill their arrays without a terminator.
    RwdHeaderParameters unterminated = parameters;
    std::ranges::fill(unterminated.directory, u'd');
    EXPECT_EQ(DSupRwdCreateSpectraFile(&unterminated), nullptr);
    EXPECT_EQ(unterminated.status, 1);
    unterminated = parameters;
    std::ranges::fill(unterminated.fileName, u'n');
    EXPECT_EQ(DSupRwdCreateSpectraFile(&unterminated), nullptr);
    EXPECT_EQ(unterminated.status, 1);
  });
  // Every other text unterminated is cut to its field.
  std::ranges::fill(parameters.text3093, u'x');
  std::ranges::fill(parameters.text3136, u'x');
  std::ranges::fill(parameters.sideFileDirectory, u'x');
  std::ranges::fill(parameters.tagText, u'x');
  std::ranges::fill(parameters.dateTime, u'x');
  std::ranges::fill(parameters.text1880, u'x');
  std::ranges::fill(parameters.text858, u'x');
  std::ranges::fill(parameters.text2574, u'x');
  std::ranges::fill(parameters.text2492, u'x');
  HGLOBAL handle = DSupRwdCreateSpectraFile(&parameters);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(parameters.status, 0);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
}

// ---- Raw data: handles --------------------------------------------------------------------------

// A function of a file context handle gives `lockFailure` for each handle that names none.
void refusesBadHandles(BadArguments& t, LONG lockFailure, const std::function<LONG(HGLOBAL)>& call) {
  t.unchanged([&] {
    for (HGLOBAL handle : t.badHandles()) EXPECT_EQ(call(handle), lockFailure) << handle;
  });
}

// A text writer cuts an over-long text to its field: no byte outside it changes.
void cutsToField(BadArguments& t, LONG (*write)(HGLOBAL, LPCWSTR), std::size_t offset, std::size_t limit) {
  refusesBadHandles(t, 8, [&](HGLOBAL handle) { return write(handle, w(u"x")); });
  HGLOBAL handle = t.signalFile();
  const auto before = readHostFile(t.temp.file("RUN1.DAT"));
  EXPECT_EQ(write(handle, w(longText(1000))), 0);
  EXPECT_EQ(write(handle, nullptr), 0) << "a null text is empty";
  EXPECT_EQ(write(handle, w(longText(1000))), 0);
  const auto after = readHostFile(t.temp.file("RUN1.DAT"));
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (i < offset || i > offset + 2 * limit) {
      EXPECT_EQ(after[i], before[i]) << "byte " << i;
    }
  }
  EXPECT_EQ(after[offset], limit);
}

void writeRawdataRefusals(BadArguments& t) {
  const LONG points[2] = {1, 2};
  refusesBadHandles(t, 10, [&](HGLOBAL handle) { return DSupRwdWriteRawdata(handle, points, 2); });
  HGLOBAL handle = t.signalFile();
  t.unchanged([&] {
    EXPECT_EQ(DSupRwdWriteRawdata(handle, points, -1), 0);
    EXPECT_EQ(DSupRwdWriteRawdata(handle, points, INT_MIN), 0);
    EXPECT_EQ(DSupRwdWriteRawdata(handle, nullptr, 2), 0);
    EXPECT_EQ(DSupRwdWriteCache(handle, 0), 0) << "nothing was cached";
  });
}

void spectrumRecordRefusals(BadArguments& t) {
  const RwdSpectrumDescriptor descriptor{};
  const LONG values[3] = {1, 2, 3};
  t.unchanged([&] {
    EXPECT_EQ(DSupRwdWriteSpectrumRecord(nullptr, &descriptor, values, 3, TRUE), 10010);
    for (HGLOBAL bad : t.badHandles()) {
      HGLOBAL handle = bad;
      EXPECT_EQ(DSupRwdWriteSpectrumRecord(&handle, &descriptor, values, 3, TRUE), 10010) << bad;
      EXPECT_EQ(handle, bad);
    }
  });
  HGLOBAL signal = t.signalFile();
  HGLOBAL spectra = t.spectraFile();
  t.unchanged([&] {
    HGLOBAL handle = signal;
    EXPECT_EQ(DSupRwdWriteSpectrumRecord(&handle, &descriptor, values, 3, TRUE), 12000);
    handle = spectra;
    EXPECT_EQ(DSupRwdWriteSpectrumRecord(&handle, nullptr, values, 3, TRUE), 10008);
    EXPECT_EQ(DSupRwdWriteSpectrumRecord(&handle, &descriptor, values, -1, TRUE), 10008);
    EXPECT_EQ(DSupRwdWriteSpectrumRecord(&handle, &descriptor, nullptr, 3, FALSE), 10008);
    EXPECT_EQ(DSupRwdWriteSpectrumRecord(&handle, &descriptor, values, 10919, FALSE), 10008);
    EXPECT_EQ(handle, spectra);
    EXPECT_EQ(DSupRwdWriteCache(handle, 0), 0) << "nothing was cached";
  });
}

void snapshotRefusals(BadArguments& t) {
  const std::u16string directory = t.temp.path16();
  t.unchanged([&] {
    EXPECT_EQ(DSupRwdRawdataSnapshot(nullptr, w(directory)), 6);
    for (HGLOBAL handle : {t.freed, t.foreignBlock, wildBlock()})
      EXPECT_EQ(DSupRwdRawdataSnapshot(handle, w(directory)), 8) << handle;
  });
  HGLOBAL handle = t.signalFile();
  t.unchanged([&] { EXPECT_EQ(DSupRwdRawdataSnapshot(handle, w(longText(256, u'd') + u"/")), 6); });
}

void closeRefusals(BadArguments& t) {
  t.unchanged([&] {
    EXPECT_EQ(DSupRwdCloseRawdataFile(nullptr), 0);
    for (HGLOBAL bad : t.badHandles()) {
      HGLOBAL handle = bad;
      EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), bad ? 8 : 0) << bad;
      EXPECT_EQ(handle, nullptr);
    }
  });
}

void deleteRefusals(BadArguments& t) {
  const std::u16string directory = t.temp.path16();
  writeHostFile(t.temp.file(std::string(44, 'n')), {1, 2, 3});
  t.unchanged([&] {
    EXPECT_EQ(DSupRwdDeleteRawdataFile(nullptr, nullptr, nullptr), 5);
    EXPECT_EQ(DSupRwdDeleteRawdataFile(nullptr, w(directory), nullptr), 5) << "the directory is no data file";
    EXPECT_EQ(DSupRwdDeleteRawdataFile(nullptr, w(directory), w(longText(45, u'n'))), 5) << "not cut to 44";
    EXPECT_EQ(DSupRwdDeleteRawdataFile(nullptr, w(longText(256, u'd') + u"/"), w(u"FREED.DAT")), 5);
    for (HGLOBAL bad : t.badHandles()) {
      HGLOBAL handle = bad;
      EXPECT_EQ(DSupRwdDeleteRawdataFile(&handle, w(directory), w(u"NONE.DAT")), 5) << bad;
      EXPECT_EQ(handle, nullptr);
    }
  });
}

// ---- Raw data: file handles ---------------------------------------------------------------------

void readLongRefusals(BadArguments& t) {
  for (HANDLE file : t.badFiles()) {
    LONG failed = 0;
    EXPECT_EQ(RwdReadLongFromFile(file, 0, &failed), 0) << file;
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(RwdReadLongFromFile(file, 0, nullptr), 0);
  }
  HANDLE file = t.textFile(std::string("\x00\x00\x00\x01\x00\x00\x00\x02\x00\x00\x00\x03", 12));
  LONG failed = 0;
  EXPECT_EQ(RwdReadLongFromFile(file, 4, &failed), 2);
  EXPECT_EQ(failed, 0);
  // A position before the file's start is refused: the read must not take the 4 bytes that
  // follow the previous access instead.
  EXPECT_EQ(RwdReadLongFromFile(file, -4, &failed), 0);
  EXPECT_EQ(failed, 1);
  EXPECT_EQ(RwdReadLongFromFile(file, INT_MIN, &failed), 0);
  EXPECT_EQ(failed, 1);
}

void writeLongRefusals(BadArguments& t) {
  const std::vector<HANDLE> bad = t.badFiles();
  HANDLE file = t.textFile(std::string(12, 'a'));
  RwdReadLongFromFile(file, 4, nullptr);  // leaves the file pointer inside the file
  t.unchanged([&] {
    for (HANDLE handle : bad) EXPECT_EQ(RwdWriteLongToFile(handle, 0, 1), 4) << handle;
    EXPECT_EQ(RwdWriteLongToFile(file, -4, 1), 4) << "before the file's start";
    EXPECT_EQ(RwdWriteLongToFile(file, INT_MIN, 1), 4);
  });
}

// ---- Dialogs ------------------------------------------------------------------------------------

// Calls `call` for every window that is no standard dialog and expects nothing touched.
void ignoresBadWindows(BadArguments& t, const std::function<void(HWND)>& call) {
  t.unchanged([&] {
    for (HWND window : t.badWindows()) call(window);
  });
}

// A creation function: -1 for every owner that cannot own the dialog, and for a block that
// cannot be had; nothing shown.
void creationRefusals(BadArguments& t, const std::function<INT(HWND, DWORD callerDataSize)>& create) {
  const HWND invisible = CreateWindowExW(0, w(u"Static"), w(u"Hidden"), WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr,
                                         nullptr, nullptr, nullptr);
  t.unchanged([&] {
    for (HWND owner : {HWND{}, t.destroyed, wildWindow(), invisible}) EXPECT_EQ(create(owner, 0), -1) << owner;
    EXPECT_EQ(create(t.plain, 0), -1) << "no such template";
    EXPECT_EQ(create(t.plain, 0xFFFFFFFFu), -1) << "no memory for the driver's area";
  });
  DestroyWindow(invisible);
}

// The message functions show their box over the plain window and with no owner, and touch no
// control of a window that is no standard dialog beyond the focus on the field; a window that is
// gone or never was cannot own a box, as in Win32: nothing is shown. `shown` says which.
void messageRefusals(BadArguments& t, const std::function<void(HWND, INT, bool shown)>& show) {
  t.unchanged([&] {
    show(nullptr, editId, true);
    show(t.plain, missingId, true);
  }, 2);
  t.unchanged([&] {
    for (HWND window : {t.destroyed, wildWindow()}) show(window, editId, false);
  });
}

void readLineRefusals(BadArguments& t, bool wide) {
  const auto read = [wide](void* buffer, INT capacity, HANDLE file) {
    return wide ? DSupReadLineFromFileW(static_cast<WCHAR*>(buffer), capacity, file)
                : DSupReadLineFromFile(static_cast<char*>(buffer), capacity, file);
  };
  for (HANDLE file : t.badFiles()) {
    char16_t buffer[8] = {u'a', u'a', u'a', u'a', u'a', u'a', u'a', u'a'};
    EXPECT_EQ(read(buffer, 4, file), 0) << file;
    EXPECT_EQ(buffer[0], 0) << "an empty line";
    EXPECT_EQ(buffer[1], u'a');
  }
  const std::string line = wide ? std::string("A\0B\0\n\0C\0", 8) : std::string("AB\nC");
  HANDLE file = t.textFile(line);
  EXPECT_EQ(read(nullptr, 4, file), 0);
  char16_t buffer[8] = {u'a', u'a', u'a', u'a', u'a', u'a', u'a', u'a'};
  EXPECT_EQ(read(buffer, -1, file), 0) << "the line is passed over and nothing stored";
  EXPECT_TRUE(std::ranges::all_of(buffer, [](char16_t unit) { return unit == u'a'; }));
  EXPECT_EQ(read(buffer, INT_MIN, file), 0);
  EXPECT_TRUE(std::ranges::all_of(buffer, [](char16_t unit) { return unit == u'a'; }));
}

// ---- The rows -----------------------------------------------------------------------------------

const DSupTTData sampleTable{nullptr, 4, 10, 0, -1, -1, 20, WM_USER + 100, FALSE, FALSE, FALSE, 0};

bool sameTable(const DSupTTData& a, const DSupTTData& b) {
  return a.hRows == b.hRows && a.rowCount == b.rowCount && a.selRow == b.selRow && a.anchorRow == b.anchorRow &&
         a.enterPending == b.enterPending && a.selShown == b.selShown && a.nextClickTime == b.nextClickTime;
}

const Row rows[] = {
    {"DSupFlipInteger", nullptr},
    {"DSupFlipLong", nullptr},
    {"DSupFlipInt64", nullptr},
    {"DSupFlipDouble", [](BadArguments&) { DSupFlipDouble(1.0, nullptr); }},
    {"DSupRwdCreateRawdataFile", [](BadArguments& t) { createRefusals(t, DSupRwdCreateRawdataFile); }},
    {"DSupRwdCreateNRawdataFile", [](BadArguments& t) { createRefusals(t, DSupRwdCreateNRawdataFile); }},
    {"DSupRwdCreateSpectraFile", spectraRefusals},
    {"DSupRwdWriteRawdata", writeRawdataRefusals},
    {"DSupRwdWriteCache",
     [](BadArguments& t) { refusesBadHandles(t, 1010, [](HGLOBAL h) { return DSupRwdWriteCache(h, 0); }); }},
    {"RwdInitCache", [](BadArguments&) { RwdInitCache(nullptr); }},
    {"RwdReadLongFromFile", readLongRefusals},
    {"RwdWriteLongToFile", writeLongRefusals},
    {"DSupRwdCloseRawdataFile", closeRefusals},
    {"DSupRwdDeleteRawdataFile", deleteRefusals},
    {"DSupRwdWriteBarcode", [](BadArguments& t) { cutsToField(t, DSupRwdWriteBarcode, 1369, 127); }},
    {"DSupRwdWriteDateTime", [](BadArguments& t) { cutsToField(t, DSupRwdWriteDateTime, 2391, 49); }},
    {"DSupRwdWriteInlet", [](BadArguments& t) { cutsToField(t, DSupRwdWriteInlet, 2215, 87); }},
    {"DSupRwdWriteBottleNumber",
     [](BadArguments& t) { refusesBadHandles(t, 8, [](HGLOBAL h) { return DSupRwdWriteBottleNumber(h, 1); }); }},
    {"DSupRwdWriteDataType",
     [](BadArguments& t) { refusesBadHandles(t, 8, [](HGLOBAL h) { return DSupRwdWriteDataType(h, 1); }); }},
    {"DSupRwdWriteGLPInfo",
     [](BadArguments& t) {
       refusesBadHandles(t, 8, [](HGLOBAL h) { return DSupRwdWriteGLPInfo(h, 1, 1, w(u"a"), w(u"b"), w(u"c")); });
       HGLOBAL handle = t.signalFile();
       EXPECT_EQ(DSupRwdWriteGLPInfo(handle, 1, 1, nullptr, nullptr, nullptr), 0) << "null texts are empty";
     }},
    {"DSupRwdWriteStartTime",
     [](BadArguments& t) { refusesBadHandles(t, 8, [](HGLOBAL h) { return DSupRwdWriteStartTime(h, 1); }); }},
    {"DSupRwdWriteSpectrumRecord", spectrumRecordRefusals},
    {"DSupRwdRawdataSnapshot", snapshotRefusals},

    {"DSupInitDlg",
     [](BadArguments& t) {
       creationRefusals(t, [](HWND owner, DWORD size) {
         return DSupInitDlg(owner, nullptr, 77, 0, 0, 0, size, nullptr, nullptr, nullptr, nullptr, nullptr, 0);
       });
     }},
    {"DSupInitDlgEx",
     [](BadArguments& t) {
       creationRefusals(t, [](HWND owner, DWORD size) {
         return DSupInitDlgEx(owner, nullptr, 77, 0, 0, 0, size, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 5);
       });
     }},
    {"DSupInitializeStandardDialog",
     [](BadArguments& t) {
       creationRefusals(t, [](HWND owner, DWORD size) {
         return DSupInitializeStandardDialog(owner, nullptr, 77, 0, 0, 0, size, nullptr, nullptr, nullptr, nullptr, 0);
       });
     }},
    {"DSupInitializeStandardDialogEx",
     [](BadArguments& t) {
       creationRefusals(t, [](HWND owner, DWORD size) {
         return DSupInitializeStandardDialogEx(owner, nullptr, 77, 0, 0, 0, size, nullptr, nullptr, nullptr, nullptr,
                                               0, 5);
       });
     }},
    {"DSupGetStandardDialogData",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { EXPECT_EQ(DSupGetStandardDialogData(d), nullptr); }); }},
    {"DSupEnableVantaDialog", [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupEnableVantaDialog(d, 0); }); }},
    {"DSupSetEnterButtonId",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupSetEnterButtonId(d, buttonId); }); }},
    {"DSupEnableEnterKey", [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupEnableEnterKey(d, FALSE); }); }},
    {"DSupDialogIsReadOnly",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { EXPECT_EQ(DSupDialogIsReadOnly(d), FALSE); }); }},

    {"DoubleFormat",
     [](BadArguments&) {
       DoubleFormat(nullptr, 1.0, 10, 2);
       // Whatever width and digits ask for, the text stays within the documented capacity.
       for (const INT width : {INT_MIN, -1, 0, INT_MAX})
         for (const INT digits : {INT_MIN, -1000, 1000, INT_MAX})
           for (const double value : {-1.7e308, -4.9e-324, 123.456}) {
             WCHAR buffer[DSUP_FLOAT_TEXT_CAPACITY + 8];
             std::fill(std::begin(buffer), std::end(buffer), WCHAR{'#'});
             DoubleFormat(buffer, value, width, digits);
             const auto length = std::char_traits<char16_t>::length(reinterpret_cast<const char16_t*>(buffer));
             EXPECT_LT(length, std::size_t{DSUP_FLOAT_TEXT_CAPACITY}) << width << " " << digits << " " << value;
             EXPECT_TRUE(std::all_of(buffer + DSUP_FLOAT_TEXT_CAPACITY, std::end(buffer),
                                     [](WCHAR unit) { return unit == '#'; }));
           }
     }},
    {"DSupGetDlgItemWidth",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { EXPECT_EQ(DSupGetDlgItemWidth(d, missingId), 0); }); }},
    {"DSupSetDlgItemFloat",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupSetDlgItemFloat(d, missingId, 1.0, INT_MIN); }); }},
    {"DSupGetDlgItemFloat",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         EXPECT_EQ(DSupGetDlgItemFloat(d, missingId, nullptr), 0.0);
         BOOL valid = 7;
         EXPECT_EQ(DSupGetDlgItemFloat(d, missingId, &valid), 0.0);
         EXPECT_EQ(valid, TRUE) << "a missing control reads as 0.0";
       });
     }},
    {"DSupGetDlgItemFloatNew",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         EXPECT_EQ(DSupGetDlgItemFloatNew(d, missingId, nullptr), TRUE);
       });
       EXPECT_EQ(DSupGetDlgItemFloatNew(t.plain, editId, nullptr), TRUE) << "12.5, stored nowhere";
     }},
    {"DSupGetDlgItemLength",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { EXPECT_EQ(DSupGetDlgItemLength(d, missingId), 0); }); }},
    {"DSupSetTextField",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         DSupSetTextField(d, editId, w(u"7"));
         DSupSetTextField(d, editId, nullptr);
         DSupSetTextField(d, editId, w(longText(5000)));
       });
     }},
    {"DSupUpdateTextField",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         DSupUpdateTextField(d, editId, w(u"7"));
         DSupUpdateTextField(d, editId, nullptr);
         DSupUpdateTextField(d, editId, w(longText(5000)));
       });
     }},
    {"DSupSetIntField", [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupSetIntField(d, editId, -7, TRUE); }); }},
    {"DSupUpdateIntField",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupUpdateIntField(d, editId, -7, TRUE); }); }},
    {"DSupSetFloatField",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupSetFloatField(d, editId, 1.0, INT_MIN); }); }},
    {"DSupUpdateFloatField",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupUpdateFloatField(d, editId, 1.0, INT_MAX); }); }},
    {"DSupSetStringField", [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupSetStringField(d, editId, 1); }); }},
    {"DSupUpdateStringField",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupUpdateStringField(d, editId, 1); }); }},
    {"DSupSetComboSelect",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) { EXPECT_EQ(DSupSetComboSelect(d, missingId, 0), FALSE); });
       t.unchanged([&] {
         for (const INT index : {-5, INT_MIN, INT_MAX}) EXPECT_EQ(DSupSetComboSelect(t.plain, comboId, index), FALSE);
       });
     }},
    {"DSupGetComboSelect",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         INT index = 7;
         EXPECT_EQ(DSupGetComboSelect(d, missingId, &index), FALSE);
         EXPECT_EQ(index, 7);
       });
       DSupInsertComboText(t.plain, comboId, -1, w(u"A\nB"));
       ASSERT_TRUE(DSupSetComboSelect(t.plain, comboId, 1));
       EXPECT_EQ(DSupGetComboSelect(t.plain, comboId, nullptr), TRUE);
     }},
    {"DSupInsertComboText",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) { DSupInsertComboText(d, missingId, -1, w(u"A\nB")); });
       ignoresBadWindows(t, [](HWND d) { DSupInsertComboText(d, missingId, -1, nullptr); });
       // An item longer than a combo box string is cut, never written past the copy.
       DSupInsertComboText(t.plain, comboId, -1, w(longText(5000) + u"\n" + longText(3000)));
       EXPECT_EQ(SendDlgItemMessageW(t.plain, comboId, CB_GETCOUNT, 0, 0), 2);
     }},
    {"DSupInsertComboString",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupInsertComboString(d, missingId, -1, 1); }); }},
    {"DSupSetButton", [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupSetButton(d, missingId, 1); }); }},
    {"DSupEnableDlgItem",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupEnableDlgItem(d, missingId, FALSE); }); }},
    {"DSupEnableDlgItems",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         DSupEnableDlgItems(d, missingId, missingId + 5, FALSE);
         DSupEnableDlgItems(d, comboId, editId, FALSE);  // an empty range
       });
       // The widest range ends, and reaches the controls at both ends of the ids.
       DSupEnableDlgItems(t.plain, INT_MIN, INT_MAX, FALSE);
       for (const int id : {editId, comboId, buttonId}) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(t.plain, id))) << id;
     }},
    {"DSupClearLastFieldModified",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupClearLastFieldModified(d); }); }},
    {"DSupClearLastFieldError", [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupClearLastFieldError(d); }); }},
    {"DSupSetFieldError", [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupSetFieldError(d, editId); }); }},

    {"DSupDialogEntryError",
     [](BadArguments& t) { messageRefusals(t, [](HWND d, INT id, bool) { DSupDialogEntryError(d, id, nullptr, 1); }); }},
    {"DSupDialogErrorMessage",
     [](BadArguments& t) {
       messageRefusals(t, [](HWND d, INT id, bool) { DSupDialogErrorMessage(d, id, nullptr, 1, nullptr, 2); });
     }},
    {"DSupDialogChoice",
     [](BadArguments& t) {
       messageRefusals(t, [](HWND d, INT id, bool shown) { EXPECT_EQ(DSupDialogChoice(d, id, nullptr, 1), shown ? TRUE : FALSE); });
     }},
    {"DSupCheckErrorMessage",
     [](BadArguments& t) { messageRefusals(t, [](HWND d, INT, bool) { DSupCheckErrorMessage(d, nullptr, 1, nullptr, 2); }); }},

    {"DSupValidDouble",
     [](BadArguments& t) {
       messageRefusals(t, [](HWND d, INT id, bool) {
         EXPECT_EQ(DSupValidDouble(d, id, std::nan(""), 1, 0, 10, 20), FALSE);
       });
     }},
    {"DSupValidFloat",
     [](BadArguments& t) {
       messageRefusals(t, [](HWND d, INT id, bool) { EXPECT_EQ(DSupValidFloat(d, id, 1e300, 1, 0, 0, 0), FALSE); });
     }},
    {"DSupCheckDialogInt",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) { EXPECT_EQ(DSupCheckDialogInt(d, missingId, 1, 0, 9, 0, TRUE, 5, nullptr), TRUE); });
       messageRefusals(t, [](HWND d, INT id, bool) {
         LONG result = 7;
         EXPECT_EQ(DSupCheckDialogInt(d, id == editId ? missingId : id, 1, 0, 9, 0, FALSE, 5, &result), FALSE);
         EXPECT_EQ(result, 7);
       });
     }},
    {"DSupCheckDialogDouble",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         EXPECT_EQ(DSupCheckDialogDouble(d, missingId, 1, 0, 9, TRUE, 5, nullptr, nullptr, 50, 2), TRUE);
         WCHAR text[4] = {'#', '#', '#', '#'};
         double result = 7;
         EXPECT_EQ(DSupCheckDialogDouble(d, missingId, 1, 0, 9, TRUE, 5, &result, text, 0, INT_MAX), TRUE);
         EXPECT_TRUE(std::all_of(std::begin(text), std::end(text), [](WCHAR unit) { return unit == '#'; }));
       });
     }},
    {"DSupCheckDialogFloat",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         EXPECT_EQ(DSupCheckDialogFloat(d, missingId, 1, 0, 9, TRUE, 5, nullptr, nullptr, 50, 2), TRUE);
         WCHAR text[4] = {'#', '#', '#', '#'};
         FLOAT result = 7;
         EXPECT_EQ(DSupCheckDialogFloat(d, missingId, 1, 0, 9, TRUE, 5, &result, text, 0, INT_MIN), TRUE);
         EXPECT_TRUE(std::all_of(std::begin(text), std::end(text), [](WCHAR unit) { return unit == '#'; }));
       });
     }},
    {"DSupDlgInternalFloatCheck",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         DSupDlgInternalFloatCheck(d, missingId, 0, 9, 1, nullptr, nullptr, 50, 2);
         WCHAR text[4] = {'#', '#', '#', '#'};
         FLOAT result = 7;
         DSupDlgInternalFloatCheck(d, missingId, 0, 9, 1, &result, text, 4, -1);
         EXPECT_EQ(result, 7) << "negative digits write nothing";
         EXPECT_TRUE(std::all_of(std::begin(text), std::end(text), [](WCHAR unit) { return unit == '#'; }));
       });
     }},
    {"DSupCheckDialogFloatWithFunction",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         EXPECT_EQ(DSupCheckDialogFloatWithFunction(d, missingId, 1, nullptr, TRUE, 5, nullptr), TRUE);
       });
     }},
    {"DSupCheckDialogCombo",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         WORD index = 7;
         EXPECT_EQ(DSupCheckDialogCombo(d, missingId, 1, &index), FALSE);
         EXPECT_EQ(index, 7);
       });
     }},

    {"DSupTTGetMemory",
     [](BadArguments& t) {
       ignoresBadWindows(t, [&t](HWND d) {
         EXPECT_EQ(DSupTTGetMemory(d, nullptr, TTMEM_ADD | TTMEM_LOCK | 1, 1, 2, 3), nullptr);
         // Row memory that the library never gave out is neither locked nor freed.
         for (HGLOBAL rows : {wildBlock(), t.freed}) {
           DSupTTData table = sampleTable;
           table.hRows = rows;
           table.rowCount = 1;
           const DSupTTData given = table;
           EXPECT_EQ(DSupTTGetMemory(d, &table, TTMEM_LOCK, 1, 2, 3), nullptr);
           EXPECT_TRUE(sameTable(table, given));
         }
       });
     }},
    {"DSupTTEnableEnter",
     [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupTTEnableEnter(d, nullptr, TRUE); }); }},
    {"DSupTTListSelect",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         DSupTTListSelect(d, nullptr, 0);
         DSupTTData table = sampleTable;
         for (const LONG request : {LONG{-3}, LONG{INT_MIN}, LONG{10}, LONG{INT_MAX}}) DSupTTListSelect(d, &table, request);
         EXPECT_TRUE(sameTable(table, sampleTable));
       });
     }},
    {"DSupTTProcessScroller",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         EXPECT_EQ(DSupTTProcessScroller(d, TTN_GETROWTEXT, 0, nullptr, 1, 2, 3, 4, 5), 0);
         DSupTTData table = sampleTable;
         EXPECT_EQ(DSupTTProcessScroller(d, 99, 0, &table, 1, 2, 3, 4, 5), 0) << "an unknown code";
         EXPECT_EQ(DSupTTProcessScroller(d, TTN_EXTEND, -5, &table, 1, 2, 3, 4, 5), 0) << "nothing shown";
         EXPECT_TRUE(sameTable(table, sampleTable));
       });
     }},
    {"DSupTTPushButtonHandler",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         for (const WORD command : {WORD{IDC_TT_ENTER}, WORD{IDC_TT_DELETE}, WORD{IDC_TT_CLEAR}})
           EXPECT_EQ(DSupTTPushButtonHandler(d, nullptr, command, 1, 2, 3, 4, 5), 0);
       });
     }},

    {"DSupDlgStopTimeHideAll", [](BadArguments& t) { ignoresBadWindows(t, [](HWND d) { DSupDlgStopTimeHideAll(d); }); }},
    {"DSupDlgRunTimeEntryToggle",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         DSupDlgRunTimeEntryToggle(d, DSUP_STOPTIME_ENTRY, 1, nullptr);
         const DSupRunTimeData start{0, 0, 0, 1, 1, 1, 1};
         DSupRunTimeData times = start;
         DSupDlgRunTimeEntryToggle(d, DSUP_STOPTIME_ENTRY, 4, &times);  // no such step
         DSupDlgRunTimeEntryToggle(d, -1, 1, &times);                   // no such entry
         times.stopMode = -1;
         DSupDlgRunTimeEntryToggle(d, DSUP_STOPTIME_ENTRY, 1, &times);  // no such mode
         EXPECT_EQ(times.stopState, 1);
         EXPECT_EQ(times.postOff, 0);
       });
     }},
    {"DSupDlgRunTimeFieldHandler",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) {
         EXPECT_EQ(DSupDlgRunTimeFieldHandler(d, IDC_STOPTIME, 0, 10, 0, 10, 2, nullptr, 1, 2, 3), FALSE);
         DSupRunTimeData times{0, 0, 0, 1, 1, 1, 1};
         EXPECT_EQ(DSupDlgRunTimeFieldHandler(d, missingId, 0, 10, 0, 10, 2, &times, 1, 2, 3), FALSE);
         EXPECT_EQ(times.stopTime, 1);
       });
     }},
    {"DSupDlgVaHelpLine",
     [](BadArguments& t) {
       ignoresBadWindows(t, [](HWND d) { EXPECT_EQ(DSupDlgVaHelpLine(d, nullptr, missingId, 1, w(u"x")), FALSE); });
     }},

    {"DSupReadLineFromFile", [](BadArguments& t) { readLineRefusals(t, false); }},
    {"DSupReadLineFromFileW", [](BadArguments& t) { readLineRefusals(t, true); }},
    {"DSupParseInit",
     [](BadArguments&) {
       const BYTE table[16] = {8, 0, 8, 0, 8, 0, 8, 0};
       ParseState state{};
       state.pc = 5;
       state.cursor = "kept";
       const ParseTable* head = reinterpret_cast<const ParseTable*>(table);
       EXPECT_EQ(DSupParseInit(nullptr, 1, "x", &state), 0);
       EXPECT_EQ(DSupParseInit(head, 1, nullptr, &state), 0);
       EXPECT_EQ(DSupParseInit(head, 1, "x", nullptr), 0);
       EXPECT_EQ(state.pc, 5);
       EXPECT_STREQ(state.cursor, "kept");
       EXPECT_EQ(state.program, nullptr);
     }},
    {"DSupParseNext",
     [](BadArguments&) {
       EXPECT_EQ(DSupParseNext(nullptr), DSUP_PARSE_SYNTAX_ERROR);
       ParseState state{};
       EXPECT_EQ(DSupParseNext(&state), DSUP_PARSE_SYNTAX_ERROR);
     }},
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

TEST_P(BadArguments, AreRefusedAndTouchNothing) {
  if (GetParam().check) GetParam().check(*this);
}

INSTANTIATE_TEST_SUITE_P(EveryExport, BadArguments, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

// The export list names one export per line after EXPORTS.
std::set<std::string> exportedNames() {
  std::ifstream list(DSUP_EXPORTS_FILE);
  std::set<std::string> names;
  bool inExports = false;
  for (std::string line; std::getline(list, line);) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == ';') continue;
    const std::string word = line.substr(first, line.find_first_of(" \t\r", first) - first);
    if (inExports) names.insert(word);
    if (word == "EXPORTS") inExports = true;
  }
  return names;
}

TEST(BadArgumentRows, OneRowForEveryExport) {
  std::set<std::string> named;
  for (const Row& row : rows) EXPECT_TRUE(named.insert(row.name).second) << row.name << " has two rows";
  const std::set<std::string> exported = exportedNames();
  EXPECT_EQ(exported.size(), 81u);
  EXPECT_EQ(named, exported);
}

}  // namespace
}  // namespace dsuptest

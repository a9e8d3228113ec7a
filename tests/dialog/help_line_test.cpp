// The help line: numbered help texts of the driver's module with their inserts, the text for a
// number without one, and texts cut to the help line.
#include <functional>
#include <string>

#include "dialog/run_time_dialog.h"

namespace dsuptest {

namespace {

constexpr UINT flowHelp = 700;
constexpr UINT columnHelp = 701;
constexpr UINT noteHelp = 702;
constexpr UINT longHelp = 703;
constexpr UINT widthHelp = 704;
constexpr UINT noHelp = 500;

class HelpLine : public RunTimeDialogTest {
 protected:
  void SetUp() override {
    RunTimeDialogTest::SetUp();
    addText(flowHelp, u"Flow %.2f ml/min at %d bar");
    addText(columnHelp, u"%sColumn %s at %d \u00B0C");
    addText(noteHelp, u"Note: %s");
    addText(longHelp, std::u16string(120, u'x').c_str());
    addText(widthHelp, u"%250d");
  }
};

struct HelpCase {
  const char* what;
  std::function<BOOL(HWND, HINSTANCE)> show;
  std::u16string expected;
};

TEST_F(HelpLine, ShowsTheHelpTextWithItsInsertsCutToTheHelpLine) {
  const std::u16string longInsert(150, u'a');
  // A character of two code units that would end at the 102nd unit.
  const std::u16string straddling = std::u16string(94, u'a') + u"\U0001F600b";
  const HelpCase cases[] = {
      {"inserts", [](HWND d, HINSTANCE m) { return DSupDlgVaHelpLine(d, m, helpLine, flowHelp, 1.5, 350); },
       u"Flow 1.50 ml/min at 350 bar"},
      {"leading %s",
       [](HWND d, HINSTANCE m) { return DSupDlgVaHelpLine(d, m, helpLine, columnHelp, w(u"C18"), 40); },
       u"Column C18 at 40 \u00B0C"},
      {"no text", [](HWND d, HINSTANCE m) { return DSupDlgVaHelpLine(d, m, helpLine, noHelp); }, u"no string 1F4"},
      {"low 16 bits", [](HWND d, HINSTANCE m) { return DSupDlgVaHelpLine(d, m, helpLine, 0x10000 + noHelp); },
       u"no string 1F4"},
      {"long insert", [&](HWND d, HINSTANCE m) { return DSupDlgVaHelpLine(d, m, helpLine, noteHelp, w(longInsert)); },
       u"Note: " + std::u16string(95, u'a')},
      {"pair at the cut",
       [&](HWND d, HINSTANCE m) { return DSupDlgVaHelpLine(d, m, helpLine, noteHelp, w(straddling)); },
       u"Note: " + std::u16string(94, u'a')},
      {"long text", [](HWND d, HINSTANCE m) { return DSupDlgVaHelpLine(d, m, helpLine, longHelp); },
       std::u16string(88, u'x')},
      {"wide insert", [](HWND d, HINSTANCE m) { return DSupDlgVaHelpLine(d, m, helpLine, widthHelp, 5); },
       std::u16string(DSUP_HELP_LINE_LENGTH, u' ')},
  };
  behaviour.onCommand = [&](HWND dialog, int id) {
    if (id != IDOK) return TRUE;
    for (const HelpCase& c : cases) {
      EXPECT_TRUE(c.show(dialog, driverModule())) << c.what;
      EXPECT_EQ(itemText(dialog, helpLine), c.expected) << c.what;
    }
    EXPECT_FALSE(DSupDlgVaHelpLine(dialog, driverModule(), 999, flowHelp, 1.5, 350)) << "no such control";
    EndDialog(dialog, IDOK);
    return TRUE;
  };
  user.enter();
  EXPECT_EQ(run(runTimeDialog), IDOK);
}

}  // namespace

}  // namespace dsuptest

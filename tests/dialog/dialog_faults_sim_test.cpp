// What the machine's failures do to standard dialogs: a start that runs out of memory (the data
// block, the running dialogs' list entry) or cannot lock its block fails with -1 and leaves
// nothing behind, whichever operation fails; and what the user saw of the messages, with their
// captions and styles, as the trace records them.
#include "dialog/standard_dialog_fixture.h"
#include "sim/faults.h"
#include "sim/inventory.h"
#include "sim/trace.h"

namespace dsuptest {

namespace {

class DialogFaults : public StandardDialogTest {
 protected:
  void SetUp() override {
    StandardDialogTest::SetUp();
    addMethodTemplate();
    addText(500, u"Flow: %s Enter %.1f to %.1f.");
    addText(501, u"The entry is not a number.");
  }
};

TEST_F(DialogFaults, EveryFailingOperationOfAStartEndsCleanly) {
  const std::size_t blocksBefore = sim::liveMemoryBlocks();
  sim::resetCounters();
  user.enter();
  ASSERT_EQ(run(methodDialog), IDOK);
  const std::uint64_t operations = sim::operationCount();
  ASSERT_GE(operations, 3u) << "the block, the list entry and the locks";
  int notStarted = 0;
  for (std::uint64_t nth = 1; nth <= operations; ++nth) {
    calls.clear();
    user.enter();
    sim::failAnyOperation(nth);
    const INT result = run(methodDialog);
    sim::clearFaults();
    if (result == -1) {
      ++notStarted;
      EXPECT_EQ(user.discardPendingActions(), 1u) << "no dialog was shown at operation " << nth;
      EXPECT_TRUE(calls.empty());
    } else {
      EXPECT_EQ(result, IDOK) << "operation " << nth;
    }
    EXPECT_EQ(sim::liveMemoryBlocks(), blocksBefore) << "operation " << nth;
    EXPECT_EQ(sim::lockedMemoryBlocks(), 0u) << "operation " << nth;
    // A failed start leaves the owner free for the next dialog.
    user.enter();
    EXPECT_EQ(run(methodDialog), IDOK) << "after operation " << nth;
  }
  EXPECT_GE(notStarted, 3) << "the block's allocation, the entry's allocation, the block's lock";
}

TEST_F(DialogFaults, MessagesAreShownWithTheirStyleCaptionAndOwner) {
  HWND methodWindow = nullptr;
  behaviour.onCommand = [&](HWND dialog, int id) {
    if (id == buttonF) {
      methodWindow = dialog;
      DSupDialogEntryError(dialog, fieldA, driverModule(), 500, w(u"is low."), 1.0, 2.0);
      DSupDialogChoice(dialog, fieldA, driverModule(), 500, w(u"is high."), 1.0, 2.0);
      DSupCheckErrorMessage(dialog, driverModule(), 500, driverModule(), 501, 3.0, 4.0);
    }
    return id == IDCANCEL;
  };
  user.click(buttonF).answerMessageBox(IDOK).answerMessageBox(IDCANCEL).answerMessageBox(IDOK).escape();
  EXPECT_EQ(run(methodDialog), 0);
  const std::vector<sim::MessageBoxRecord> boxes = sim::messageBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].style, UINT{MB_OK | MB_ICONEXCLAMATION});
  EXPECT_EQ(boxes[0].caption, u"Warning");
  EXPECT_EQ(boxes[0].text, u"Flow: is low. Enter 1.0 to 2.0.");
  EXPECT_EQ(boxes[1].style, UINT{MB_OKCANCEL | MB_ICONHAND});
  EXPECT_EQ(boxes[1].caption, u"Error");
  EXPECT_EQ(boxes[1].answer, IDCANCEL);
  EXPECT_EQ(boxes[2].style, UINT{MB_OK | MB_ICONEXCLAMATION});
  EXPECT_EQ(boxes[2].text, u"Flow: The entry is not a number. Enter 3.0 to 4.0.");
  for (const sim::MessageBoxRecord& box : boxes) EXPECT_EQ(box.owner, methodWindow);
}

}  // namespace

}  // namespace dsuptest
